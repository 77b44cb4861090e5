// docs/snippets/host_app.cpp
#include <condition_variable>
#include <deque>
#include <iostream>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "TalFoundation/appsupport/Kesto.h"
#include "TalFoundation/catalogues/TalUnitTemperature.h"
#include "TalFoundation/platform/BackgroundExecutor.h"
#include "TalFoundation/platform/LinkOpener.h"
#include "TalFoundation/platform/MainQueue.h"
#include "TalFoundation/units/TalMeasurement.h"

// A stand-in for an app's event loop: tasks posted from any thread run in
// order on the thread that calls run(), until one of them calls quit().
class EventLoop {
 public:
  void post(tal::platform::Task task) {
    const std::lock_guard lock(mutex_);
    tasks_.push_back(std::move(task));
    wake_.notify_one();
  }
  void run() {
    while (!quit_) {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return !tasks_.empty(); });
      tal::platform::Task task = std::move(tasks_.front());
      tasks_.pop_front();
      lock.unlock();
      task();
    }
  }
  void quit() { quit_ = true; }  // from a task of this loop

 private:
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<tal::platform::Task> tasks_;
  bool quit_ = false;
};

std::thread::id uiThread;

// The app's way of opening a link; it says where it was called.
class PrintingOpener final : public tal::platform::LinkOpener {
 public:
  void open(const tal::platform::URL& url) override {
    std::cout << "open " << url.absoluteString()
              << (std::this_thread::get_id() == uiThread ? " on the UI thread\n" : " elsewhere\n");
  }
};

int main() {
  using namespace tal;
  uiThread = std::this_thread::get_id();
  EventLoop ui;      // the app's UI thread: this one
  EventLoop worker;  // the app's background thread
  std::thread workerThread([&worker] { worker.run(); });

  platform::setMainThreadPoster([&ui](platform::Task task) { ui.post(std::move(task)); });
  platform::setBackgroundExecutor([&worker](platform::Task task) { worker.post(std::move(task)); });
  platform::LinkOpener::setCurrent(std::make_shared<PrintingOpener>());

  Kesto::openURL(Kesto::subscriptionManageURL());
  const auto convertedOn = workerThread.get_id();
  TalMeasurement::convertValue(100, TalUnitTemperature::celsius(), TalUnitTemperature::fahrenheit(),
                               [&ui, convertedOn](std::optional<Decimal> fahrenheit) {
                                 const bool onWorker = std::this_thread::get_id() == convertedOn;
                                 ui.post([&ui, fahrenheit, onWorker] {
                                   std::cout << "100 °C = " << fahrenheit->description() << " °F, converted "
                                             << (onWorker ? "on the app's worker\n" : "elsewhere\n");
                                   ui.quit();
                                 });
                               });
  ui.run();

  // Before the loops go away, the library gets its own executors back.
  platform::setMainThreadPoster(nullptr);
  platform::setBackgroundExecutor(nullptr);
  worker.post([&worker] { worker.quit(); });
  workerThread.join();
}
