#include "TalFoundation/platform/MainQueue.h"

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

MainQueue::~MainQueue() {
  std::deque<std::function<void()>> dropped;
  {
    const std::lock_guard lock(state_->mutex);
    state_->stopping = true;
    dropped.swap(state_->queue);
    state_->changed.notify_all();
  }
  if (state_->worker.joinable()) {
    if (state_->worker.get_id() == std::this_thread::get_id()) {
      state_->worker.detach();  // destroyed from its own item: it ends right after
    } else {
      state_->worker.join();
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

MainQueue& MainQueue::main() {
  // Destroyed with the other statics at exit, which joins its thread.
  static MainQueue instance(Mode::ownThread);
  return instance;
}

}  // namespace tal::platform
