#include "TalFoundation/platform/MainQueue.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

namespace tal::platform {

struct MainQueue::State {
  mutable std::mutex mutex;
  std::condition_variable changed;
  std::deque<std::function<void()>> queue;
  Mode mode = Mode::ownThread;
  bool stopping = false;
  // One item (or one drain) at a time: `busy` with the thread doing it.
  bool busy = false;
  std::thread::id runner;
  // The loop of `worker` is active; the thread may be joinable after it ends.
  bool workerActive = false;
  std::thread worker;

  bool runningHere() const { return busy && runner == std::this_thread::get_id(); }

  static void runGuarded(std::function<void()>& work) noexcept {
    try {
      work();
    } catch (...) {  // NOLINT(bugprone-empty-catch): one failing item must not stop the queue
    }
  }

  void workerLoop() {
    std::unique_lock lock(mutex);
    for (;;) {
      changed.wait(lock, [&] { return stopping || mode != Mode::ownThread || (!queue.empty() && !busy); });
      if (stopping || mode != Mode::ownThread) break;
      std::function<void()> work = std::move(queue.front());
      queue.pop_front();
      busy = true;
      runner = std::this_thread::get_id();
      lock.unlock();
      runGuarded(work);
      work = nullptr;  // the item's captures die outside the lock too
      lock.lock();
      busy = false;
      changed.notify_all();
    }
    workerActive = false;
    changed.notify_all();
  }

  // Called with the lock held; hands back a finished thread for joining.
  void startWorkerLocked(std::thread& finished) {
    if (workerActive || stopping) return;
    finished = std::move(worker);
    workerActive = true;
    worker = std::thread([this] { workerLoop(); });
  }
};

MainQueue::MainQueue(Mode mode) : state_(std::make_unique<State>()) { state_->mode = mode; }

MainQueue::~MainQueue() { close(); }

void MainQueue::close() {
  std::deque<std::function<void()>> dropped;
  std::thread worker;
  {
    const std::lock_guard lock(state_->mutex);
    state_->stopping = true;
    dropped.swap(state_->queue);
    worker = std::move(state_->worker);
    state_->changed.notify_all();
  }
  if (worker.joinable()) {
    if (worker.get_id() == std::this_thread::get_id()) {
      worker.detach();  // closed from its own item: it ends right after
    } else {
      worker.join();
    }
  }
}

void MainQueue::async(std::function<void()> work) {
  if (!work) return;
  std::thread finished;
  {
    const std::lock_guard lock(state_->mutex);
    if (state_->stopping) return;
    state_->queue.push_back(std::move(work));
    if (state_->mode == Mode::ownThread) state_->startWorkerLocked(finished);
    state_->changed.notify_all();
  }
  if (finished.joinable()) finished.join();
}

std::size_t MainQueue::drain() {
  State& s = *state_;
  std::deque<std::function<void()>> batch;
  {
    std::unique_lock lock(s.mutex);
    if (s.mode != Mode::appDrained || s.runningHere()) return 0;
    s.changed.wait(lock, [&] { return !s.busy || s.stopping; });
    if (s.stopping || s.mode != Mode::appDrained) return 0;
    batch.swap(s.queue);
    s.busy = true;
    s.runner = std::this_thread::get_id();
  }
  std::size_t ran = 0;
  while (!batch.empty()) {
    {
      // An item may switch the queue back to its own thread; the rest then
      // goes back to the front of the queue, still in order.
      const std::lock_guard lock(s.mutex);
      if (s.mode != Mode::appDrained || s.stopping) break;
    }
    std::function<void()> work = std::move(batch.front());
    batch.pop_front();
    State::runGuarded(work);
    ++ran;
  }
  std::thread finished;
  {
    const std::lock_guard lock(s.mutex);
    if (!s.stopping) {
      while (!batch.empty()) {
        s.queue.push_front(std::move(batch.back()));
        batch.pop_back();
      }
    }
    s.busy = false;
    if (s.mode == Mode::ownThread && !s.queue.empty()) s.startWorkerLocked(finished);
    s.changed.notify_all();
  }
  if (finished.joinable()) finished.join();
  return ran;
}

void MainQueue::setMode(Mode mode) {
  State& s = *state_;
  std::thread finished;
  {
    const std::lock_guard lock(s.mutex);
    s.mode = mode;
    if (mode == Mode::ownThread && !s.queue.empty()) s.startWorkerLocked(finished);
    s.changed.notify_all();
  }
  if (finished.joinable()) finished.join();
}

MainQueue::Mode MainQueue::mode() const {
  const std::lock_guard lock(state_->mutex);
  return state_->mode;
}

std::size_t MainQueue::pendingCount() const {
  const std::lock_guard lock(state_->mutex);
  return state_->queue.size();
}

bool MainQueue::waitUntilIdle() {
  State& s = *state_;
  std::unique_lock lock(s.mutex);
  if (s.runningHere()) return false;
  s.changed.wait(lock, [&] { return s.stopping || s.mode != Mode::ownThread || (s.queue.empty() && !s.busy); });
  return s.mode == Mode::ownThread && s.queue.empty() && !s.busy;
}

bool MainQueue::isCurrent() const {
  const std::lock_guard lock(state_->mutex);
  return state_->runningHere();
}

namespace {

/// Closes the main queue when static destruction reaches it.
class CloseAtExit {
 public:
  explicit CloseAtExit(MainQueue& queue) : queue_(queue) {}
  CloseAtExit(const CloseAtExit&) = delete;
  CloseAtExit& operator=(const CloseAtExit&) = delete;
  ~CloseAtExit() { queue_.close(); }

 private:
  MainQueue& queue_;
};

/// The app's poster, if it installed one. Never destroyed.
struct AppPoster {
  std::mutex mutex;
  std::shared_ptr<const Executor> poster;  // guarded by mutex
  std::atomic<bool> installed{false};      // written under mutex
};

AppPoster& appPoster() {
  static AppPoster& instance = *new AppPoster();
  return instance;
}

}  // namespace

MainQueue& MainQueue::main() {
  // Never destroyed, so a late caller finds a closed queue rather than a
  // destroyed one; closing at exit joins its thread.
  static MainQueue& instance = *new MainQueue(Mode::ownThread);
  static const CloseAtExit closeAtExit(instance);
  return instance;
}

void setMainThreadPoster(Executor poster) {
  AppPoster& slot = appPoster();
  std::shared_ptr<const Executor> previous;
  {
    const std::lock_guard lock(slot.mutex);
    previous = std::exchange(slot.poster, poster ? std::make_shared<const Executor>(std::move(poster)) : nullptr);
    slot.installed.store(slot.poster != nullptr, std::memory_order_release);
  }
  // The previous poster is released here, outside the lock.
}

void runOnMainThread(Task work) {
  if (!work) return;
  AppPoster& slot = appPoster();
  std::shared_ptr<const Executor> poster;
  if (slot.installed.load(std::memory_order_acquire)) {
    const std::lock_guard lock(slot.mutex);
    poster = slot.poster;
  }
  if (!poster) {
    MainQueue::main().async(std::move(work));
    return;
  }
  try {
    (*poster)(std::move(work));
  } catch (...) {  // NOLINT(bugprone-empty-catch): documented: the work is dropped
  }
}

}  // namespace tal::platform
