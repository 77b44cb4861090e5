// Many threads at once over the shared state of the library: eight threads
// convert across every category while one installs rate snapshots in a loop
// and one keeps reconfiguring the manager's rate source. Every currency list
// a reader sees must be one whole snapshot, every conversion must give the
// answer it gives on a quiet process, and nothing may deadlock (a watchdog
// aborts the run). Bounded by a count and a time budget; far less work under
// sanitizers.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "TalFoundation/currency/ExchangeRateData.h"
#include "TalFoundation/currency/IExchangeRateService.h"
#include "TalFoundation/currency/TalExchangeRateManager.h"
#include "TalFoundation/currency/TalUnitCurrency.h"
#include "TalFoundation/units/TalMeasurement.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

#if defined(__SANITIZE_THREAD__) || defined(__SANITIZE_ADDRESS__)
#define TAL_STRESS_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer) || __has_feature(address_sanitizer)
#define TAL_STRESS_SANITIZED 1
#endif
#endif

namespace {

using tal::Decimal;
using tal::ExchangeRateData;
using tal::TalUnit;
using tal::TalUnitCategory;
using namespace std::chrono_literals;
using namespace tal::platform::literals;

#ifdef TAL_STRESS_SANITIZED
constexpr int kRounds = 3;     // passes over all categories per converter
constexpr int kUpdates = 200;  // snapshots installed by the updater
constexpr auto kBudget = 1s;   // each thread stops early past this
#else
constexpr int kRounds = 40;
constexpr int kUpdates = 5000;
constexpr auto kBudget = 3s;
#endif
constexpr int kConverters = 8;
constexpr auto kWatchdog = 60s;

// Three snapshots of different sizes and contents, so that a list mixed from
// two of them matches neither.
const std::vector<ExchangeRateData::Rates>& snapshots() {
  static const auto* const all = [] {
    auto* s = new std::vector<ExchangeRateData::Rates>(3);
    (*s)[0] = {{"USD", 1}, {"EUR", "0.9"_dec}, {"JPY", 150}};
    (*s)[1] = {{"USD", 1}, {"EUR", "0.91"_dec}, {"GBP", "0.8"_dec}, {"CHF", "0.88"_dec}, {"CNY", "7.1"_dec}};
    const char* const codes[] = {"AED", "AUD", "BRL", "CAD", "CHF", "CNY", "CZK", "DKK", "EUR", "GBP", "HKD",
                                 "HUF", "IDR", "ILS", "INR", "ISK", "JPY", "KRW", "MXN", "MYR", "NOK", "NZD",
                                 "PHP", "PLN", "RON", "SEK", "SGD", "THB", "TRY", "USD", "ZAR"};
    std::int64_t rate = 2;
    for (const char* code : codes) (*s)[2].emplace(code, Decimal(rate++));
    return s;
  }();
  return *all;
}

// Which snapshot `units` is, by size, order and each unit's rate; -1 for none.
int snapshotOf(const std::vector<TalUnit>& units) {
  for (std::size_t k = 0; k < snapshots().size(); ++k) {
    const auto& rates = snapshots()[k];
    if (units.size() != rates.size()) continue;
    bool same = true;
    auto rate = rates.begin();  // map order is the ascending code order of the units
    for (const TalUnit& unit : units) {
      same = same && unit.symbol() == rate->first && unit.baseNumerator() == rate->second;
      ++rate;
    }
    if (same) return static_cast<int>(k);
  }
  return -1;
}

// A source that answers at once, on the calling thread, with one snapshot.
class FixedSource final : public tal::IExchangeRateService {
 public:
  explicit FixedSource(std::size_t snapshot) : snapshot_(snapshot) {}
  void fetchExchangeRates(Completion completion) override {
    completion(ExchangeRateData("USD", 1700000000 + static_cast<std::int64_t>(snapshot_), std::nullopt,
                                snapshots()[snapshot_]));
  }

 private:
  std::size_t snapshot_;
};

// Fails and aborts the process unless disarmed within kWatchdog: a deadlock
// must end the run, not hang it.
class Watchdog {
 public:
  Watchdog()
      : thread_([this] {
          std::unique_lock lock(mutex_);
          if (!done_.wait_for(lock, kWatchdog, [this] { return disarmed_; })) {
            ADD_FAILURE() << "stress threads still running after " << kWatchdog.count() << " s: deadlock";
            std::abort();
          }
        }) {}
  ~Watchdog() {
    {
      const std::lock_guard lock(mutex_);
      disarmed_ = true;
    }
    done_.notify_one();
    thread_.join();
  }

 private:
  std::mutex mutex_;
  std::condition_variable done_;
  bool disarmed_ = false;
  std::thread thread_;
};

// One conversion per category on a quiet process: first unit to last.
struct Probe {
  TalUnit from;
  TalUnit to;
  std::optional<Decimal> quietResult;
};

std::vector<Probe> quietProbes() {
  std::vector<Probe> probes;
  for (const TalUnitCategory category : TalUnitCategory::allCases()) {
    if (category == TalUnitCategory::currency) continue;  // changes under our feet on purpose
    const std::vector<TalUnit> units = category.getUnits();
    if (units.size() < 2) continue;
    const Decimal value = "12.5"_dec;
    probes.push_back({units.front(), units.back(), tal::TalMeasurement::convert(value, units.front(), units.back())});
  }
  return probes;
}

bool sameResult(const std::optional<Decimal>& a, const std::optional<Decimal>& b) {
  if (a.has_value() != b.has_value()) return false;
  return !a || (a->isNaN() ? b->isNaN() : *a == *b);
}

TEST(Stress, ReadersSeeWholeSnapshotsWhileRatesAndSourcesChange) {
  auto& manager = tal::TalExchangeRateManager::shared();
  tal::TalUnitCurrency::updateRates(snapshots()[0], 1700000000, "USD");
  const std::vector<Probe> probes = quietProbes();
  ASSERT_FALSE(probes.empty());

  const auto deadline = std::chrono::steady_clock::now() + kBudget;
  const auto pastDeadline = [&] { return std::chrono::steady_clock::now() > deadline; };
  std::atomic<int> torn{0};           // currency lists matching no snapshot
  std::atomic<int> wrong{0};          // conversions differing from the quiet result
  std::atomic<int> failedFetches{0};  // configured source reported an error
  std::atomic<bool> stop{false};
  std::vector<std::atomic<int>> seen(snapshots().size());

  {
    const Watchdog watchdog;
    std::vector<std::thread> threads;
    for (int t = 0; t < kConverters; ++t) {
      threads.emplace_back([&, t] {
        for (int round = 0; round < kRounds && !pastDeadline(); ++round) {
          for (std::size_t i = 0; i < probes.size(); ++i) {
            const Probe& p = probes[(i + static_cast<std::size_t>(t)) % probes.size()];
            if (!sameResult(tal::TalMeasurement::convert("12.5"_dec, p.from, p.to), p.quietResult)) ++wrong;
            // A currency read after every conversion.
            const std::vector<TalUnit> currencies = TalUnitCategory::currency.getUnits();
            const int which = snapshotOf(currencies);
            if (which < 0) {
              ++torn;
              continue;
            }
            ++seen[static_cast<std::size_t>(which)];
            // Converting between two units of one list is always possible.
            if (!tal::TalMeasurement::convert(100, currencies.front(), currencies.back())) ++wrong;
          }
        }
      });
    }
    threads.emplace_back([&] {
      for (int i = 0; i < kUpdates && !pastDeadline(); ++i) {
        const auto k = static_cast<std::size_t>(i) % snapshots().size();
        tal::TalUnitCurrency::updateRates(snapshots()[k], 1700000000 + i, k == 2 ? "EUR" : "USD");
      }
    });
    threads.emplace_back([&] {
      // Between sources, with none at all now and then: an update then fails
      // with the manager's own error and changes nothing.
      for (std::size_t i = 0; !stop && !pastDeadline(); ++i) {
        const std::size_t pick = i % 4;
        manager.configure(pick == 3 ? nullptr : std::make_shared<FixedSource>(pick));
        const std::optional<tal::Error> error = manager.updateRates().get();
        if (error && !(pick == 3 && error->domain == "ExchangeRateManager" && error->code == -1)) ++failedFetches;
      }
    });
    for (int t = 0; t < kConverters + 1; ++t) threads[static_cast<std::size_t>(t)].join();
    stop = true;
    threads.back().join();
  }
  manager.configure(nullptr);

  EXPECT_EQ(torn.load(), 0) << "currency lists that were a mix of snapshots";
  EXPECT_EQ(wrong.load(), 0) << "conversions that differed from a quiet process";
  EXPECT_EQ(failedFetches.load(), 0) << "updates that failed with a source configured";
  int reads = 0;
  for (const auto& count : seen) reads += count.load();
  EXPECT_GT(reads, 0) << "no currency list was read";
  EXPECT_GE(snapshotOf(TalUnitCategory::currency.getUnits()), 0) << "the list left behind is a whole snapshot";
}

}  // namespace
