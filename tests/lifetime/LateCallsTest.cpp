// Calls each operation that hands work to another thread at the edges of the
// process's life, where the library's own statics are being torn down:
//   LateCallsTest static-destructor <entry>  from static destructors that run
//       before and after the library's own pool and main queue shut down;
//   LateCallsTest racing-exit <entry>        from a thread that keeps calling
//       while main returns.
// <entry> is openURL, convertValueFuture, convertValueCompletion or
// updateRates. Exit status 0 means every call returned and delivered what its
// header promises; a hang shows as the test's timeout.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>
#include <thread>
#include <vector>

#include "TalFoundation/appsupport/Kesto.h"
#include "TalFoundation/catalogues/TalUnitLength.h"
#include "TalFoundation/catalogues/TalUnitTemperature.h"
#include "TalFoundation/currency/ExampleExchangeRateService.h"
#include "TalFoundation/currency/TalExchangeRateManager.h"
#include "TalFoundation/platform/BackgroundExecutor.h"
#include "TalFoundation/platform/LinkOpener.h"
#include "TalFoundation/platform/MainQueue.h"
#include "TalFoundation/units/TalMeasurement.h"

namespace {

using namespace std::chrono_literals;
using tal::Decimal;
using tal::TalMeasurement;

enum class Entry { openURL, convertValueFuture, convertValueCompletion, updateRates };

Entry gEntry = Entry::openURL;
std::atomic<int> gDestructorsPassed{0};

[[noreturn]] void fail(const char* where, const char* what) {
  std::fprintf(stderr, "FAILED %s: %s\n", where, what);
  std::fflush(stderr);
  std::_Exit(1);
}

tal::TalUnit lengthUnit(std::string_view symbol) {
  for (const auto& unit : tal::TalUnitLength::allUnits())
    if (unit.symbol() == symbol) return unit;
  fail("setup", "no such length unit");
}
const tal::TalUnit& kilometre() {
  static const tal::TalUnit& unit = *new tal::TalUnit(lengthUnit("km"));
  return unit;
}
const tal::TalUnit& metre() {
  static const tal::TalUnit& unit = *new tal::TalUnit(lengthUnit("m"));
  return unit;
}

// Handed to the app's poster while one is installed; never destroyed.
struct Posted {
  std::mutex mutex;
  std::vector<tal::platform::Task> tasks;
};
Posted& posted() {
  static Posted& instance = *new Posted();
  return instance;
}

void checkOpenURL(const char* where) {
  const auto url = tal::Kesto::subscriptionManageURL();
  auto opener = std::make_shared<tal::platform::RecordingLinkOpener>();
  tal::platform::LinkOpener::setCurrent(opener);
  // With the app's poster: it receives the work, whatever the library's state.
  tal::platform::setMainThreadPoster([](tal::platform::Task task) {
    const std::lock_guard lock(posted().mutex);
    posted().tasks.push_back(std::move(task));
  });
  tal::Kesto::openURL(url);
  std::vector<tal::platform::Task> tasks;
  {
    const std::lock_guard lock(posted().mutex);
    tasks.swap(posted().tasks);
  }
  if (tasks.size() != 1) fail(where, "the app's poster did not receive the link");
  tasks.front()();
  if (opener->opened() != std::vector<tal::platform::URL>{url}) fail(where, "the posted work did not open the link");
  // Without it: the library's main queue takes it, or drops it once closed.
  tal::platform::setMainThreadPoster(nullptr);
  tal::Kesto::openURL(url);
  tal::platform::LinkOpener::setCurrent(nullptr);
}

void checkConvertValueFuture(const char* where) {
  auto future = TalMeasurement::convertValue(Decimal(3), kilometre(), metre());
  if (future.wait_for(30s) != std::future_status::ready) fail(where, "the future never became ready");
  if (future.get() != Decimal(3000)) fail(where, "wrong conversion");
  auto temperature = TalMeasurement::convertValue(Decimal(100), tal::TalUnitTemperature::celsius(),
                                                  tal::TalUnitTemperature::fahrenheit());
  if (temperature.wait_for(30s) != std::future_status::ready) fail(where, "the future never became ready");
  if (temperature.get() != Decimal(212)) fail(where, "wrong temperature conversion");
}

void checkConvertValueCompletion(const char* where) {
  auto delivered = std::make_shared<std::promise<std::optional<Decimal>>>();
  auto future = delivered->get_future();
  if (!TalMeasurement::convertValue(Decimal(2), kilometre(), metre(),
                                    [delivered](std::optional<Decimal> r) { delivered->set_value(r); }))
    fail(where, "the completion was refused");
  if (future.wait_for(30s) != std::future_status::ready) fail(where, "the completion was never called");
  if (future.get() != Decimal(2000)) fail(where, "wrong conversion");
}

void checkUpdateRates(const char* where) {
  auto& manager = tal::TalExchangeRateManager::shared();
  manager.configure(std::make_shared<tal::ExampleExchangeRateService>());
  auto delivered = std::make_shared<std::promise<bool>>();
  auto called = delivered->get_future();
  manager.updateRates([delivered](std::optional<tal::Error> error) { delivered->set_value(!error.has_value()); });
  if (called.wait_for(30s) != std::future_status::ready) fail(where, "the completion was never called");
  if (!called.get()) fail(where, "the update failed");
  auto future = manager.updateRates();
  if (future.wait_for(30s) != std::future_status::ready) fail(where, "the future never became ready");
  if (future.get().has_value()) fail(where, "the update failed");
}

void call(Entry entry, const char* where) {
  switch (entry) {
    case Entry::openURL: checkOpenURL(where); return;
    case Entry::convertValueFuture: checkConvertValueFuture(where); return;
    case Entry::convertValueCompletion: checkConvertValueCompletion(where); return;
    case Entry::updateRates: checkUpdateRates(where); return;
  }
}

/// Calls the entry point from its destructor.
class CallsWhenDestroyed {
 public:
  explicit CallsWhenDestroyed(const char* where) : where_(where) {}
  CallsWhenDestroyed(const CallsWhenDestroyed&) = delete;
  CallsWhenDestroyed& operator=(const CallsWhenDestroyed&) = delete;
  ~CallsWhenDestroyed() {
    call(gEntry, where_);
    gDestructorsPassed.fetch_add(1);
  }

 private:
  const char* where_;
};

// Runs last of all: both destructors must have run and passed.
void confirmBothDestructorsPassed() {
  if (gDestructorsPassed.load() != 2) fail("at exit", "a static destructor did not run to its end");
  std::puts("ok");
  std::fflush(stdout);
}

int staticDestructors() {
  std::atexit(confirmBothDestructorsPassed);
  // Made before the library's statics, so destroyed after they shut down.
  static const CallsWhenDestroyed afterLibrary("after the library's statics");
  call(gEntry, "in main");  // the library makes its statics here
  // Made after them, so destroyed while they still run.
  static const CallsWhenDestroyed beforeLibrary("before the library's statics");
  return 0;
}

// Runs after the library's statics have gone: keeps the process alive a
// little while the racing thread goes on calling.
void lingerAtExit() { std::this_thread::sleep_for(100ms); }

int racingExit() {
  std::atexit(lingerAtExit);
  static std::atomic<int> calls{0};
  // Never joined: it is still calling when the process ends.
  std::thread([] {
    for (;;) {
      call(gEntry, "racing exit");
      calls.fetch_add(1, std::memory_order_relaxed);
    }
  }).detach();
  while (calls.load(std::memory_order_relaxed) < 50) std::this_thread::yield();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const char* const entries[] = {"openURL", "convertValueFuture", "convertValueCompletion", "updateRates"};
  bool known = false;
  for (int i = 0; i < 4; ++i) {
    if (std::strcmp(argv[2], entries[i]) == 0) {
      gEntry = static_cast<Entry>(i);
      known = true;
    }
  }
  if (!known) return 2;
  if (std::strcmp(argv[1], "static-destructor") == 0) return staticDestructors();
  if (std::strcmp(argv[1], "racing-exit") == 0) return racingExit();
  return 2;
}
