#include "TalFoundation/platform/BackgroundExecutor.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace tal::platform {

namespace {

// How deep the calling thread is inside background work, ours or the app's.
thread_local unsigned backgroundDepth = 0;

void runGuarded(Task& work) noexcept {
  ++backgroundDepth;
  try {
    work();
  } catch (...) {  // NOLINT(bugprone-empty-catch): the pool outlives one failing task
  }
  --backgroundDepth;
}

void relaxCpu() noexcept {
#if defined(__x86_64__) || defined(__i386__)
  _mm_pause();
#elif defined(__aarch64__)
  __asm__ __volatile__("yield");
#endif
}

/// A fixed pool whose threads, after finishing a task, keep looking for the
/// next one for a short while before they sleep. Conversions take well under
/// a microsecond, while waking a sleeping thread costs tens of microseconds
/// on some machines; a burst of conversions then pays that once, not per call.
class WorkerPool {
 public:
  WorkerPool(unsigned threadCount, std::chrono::nanoseconds lookAround) : lookAround_(lookAround) {
    threads_.reserve(threadCount);
    for (unsigned i = 0; i < threadCount; ++i) threads_.emplace_back([this] { run(); });
  }
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  ~WorkerPool() { shutDown(); }

  /// Lets the threads finish what is queued, then ends and joins them; later
  /// posts are refused. Called once at exit; the pool itself is never
  /// destroyed, so late callers still find it.
  void shutDown() {
    std::vector<std::thread> threads;
    {
      // Set under the lock, so a thread about to wait cannot miss it.
      const std::lock_guard lock(mutex_);
      stopping_.store(true, std::memory_order_relaxed);
      threads.swap(threads_);
    }
    wake_.notify_all();
    for (auto& thread : threads) {
      // exit() called from inside a task: that thread cannot join itself.
      if (thread.get_id() == std::this_thread::get_id()) {
        thread.detach();
      } else {
        thread.join();
      }
    }
  }

  /// False, and `work` untouched, once the pool has shut down.
  bool post(Task& work) {
    bool someoneSleeps = false;
    {
      const std::lock_guard lock(mutex_);
      if (stopping_.load(std::memory_order_relaxed)) return false;
      queue_.push_back(std::move(work));
      queued_.fetch_add(1, std::memory_order_release);
      someoneSleeps = sleeping_ > 0;
    }
    if (someoneSleeps) wake_.notify_one();
    return true;
  }

 private:
  using Clock = std::chrono::steady_clock;

  // Called with mutex_ held.
  bool takeLocked(std::function<void()>& work) {
    if (queue_.empty()) return false;
    work = std::move(queue_.front());
    queue_.pop_front();
    queued_.fetch_sub(1, std::memory_order_relaxed);
    return true;
  }

  /// The next task, or false when the pool stops and nothing is queued.
  bool next(std::function<void()>& work, Clock::time_point lookUntil) {
    for (unsigned round = 0;; ++round) {
      if (queued_.load(std::memory_order_acquire) > 0) {
        const std::lock_guard lock(mutex_);
        if (takeLocked(work)) return true;
      }
      if (stopping_.load(std::memory_order_relaxed)) break;
      // Reading the clock costs more than a look at the queue.
      if (round % 64 == 63 && Clock::now() >= lookUntil) break;
      relaxCpu();
    }
    std::unique_lock lock(mutex_);
    for (;;) {
      if (takeLocked(work)) return true;
      if (stopping_.load(std::memory_order_relaxed)) return false;
      ++sleeping_;
      wake_.wait(lock);
      --sleeping_;
    }
  }

  void run() {
    auto lookUntil = Clock::now();
    std::function<void()> work;
    while (next(work, lookUntil)) {
      runGuarded(work);
      work = nullptr;  // release what the task captured before looking on
      lookUntil = Clock::now() + lookAround_;
    }
  }

  const std::chrono::nanoseconds lookAround_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> queue_;  // guarded by mutex_
  unsigned sleeping_ = 0;                    // guarded by mutex_
  std::atomic<std::size_t> queued_{0};       // queue_.size(), readable without the lock
  std::atomic<bool> stopping_{false};        // written under mutex_, read anywhere
  std::vector<std::thread> threads_;         // guarded by mutex_; emptied by shutDown()
};

/// Shuts the pool down when static destruction reaches it.
class ShutDownAtExit {
 public:
  explicit ShutDownAtExit(WorkerPool& pool) : pool_(pool) {}
  ShutDownAtExit(const ShutDownAtExit&) = delete;
  ShutDownAtExit& operator=(const ShutDownAtExit&) = delete;
  ~ShutDownAtExit() { pool_.shutDown(); }

 private:
  WorkerPool& pool_;
};

WorkerPool& pool() {
  // Two threads: conversions are short, and the app's phones have few cores.
  // On a single core a looking thread would only delay the caller.
  // Never destroyed, so a call from a static destructor finds it; its
  // threads are stopped and joined with the other statics at exit.
  static WorkerPool& instance = *new WorkerPool(
      2, std::thread::hardware_concurrency() > 1 ? std::chrono::microseconds(20) : std::chrono::microseconds(0));
  static const ShutDownAtExit shutDownAtExit(instance);
  return instance;
}

/// The app's executor, if it installed one. Never destroyed.
struct AppExecutor {
  std::mutex mutex;
  std::shared_ptr<const Executor> executor;  // guarded by mutex
  std::atomic<bool> installed{false};        // written under mutex; spares the lock on the default road
};

AppExecutor& appExecutor() {
  static AppExecutor& instance = *new AppExecutor();
  return instance;
}

std::shared_ptr<const Executor> installedAppExecutor() {
  AppExecutor& slot = appExecutor();
  if (!slot.installed.load(std::memory_order_acquire)) return nullptr;
  const std::lock_guard lock(slot.mutex);
  return slot.executor;
}

/// A task handed to the app that runs at most once: by the app, or inline
/// when the app's executor throws instead of taking it.
struct OnceTask {
  Task work;
  std::atomic<bool> taken{false};

  void runIfNotTaken() {
    if (!taken.exchange(true)) runGuarded(work);
  }
};

}  // namespace

void runInBackground(Task work) {
  if (!work) return;
  if (backgroundDepth > 0) {
    runGuarded(work);
    return;
  }
  if (const auto executor = installedAppExecutor()) {
    auto once = std::make_shared<OnceTask>();
    once->work = std::move(work);
    try {
      (*executor)([once] { once->runIfNotTaken(); });
    } catch (...) {
      once->runIfNotTaken();
    }
    return;
  }
  if (!pool().post(work)) runGuarded(work);
}

void setBackgroundExecutor(Executor executor) {
  AppExecutor& slot = appExecutor();
  std::shared_ptr<const Executor> previous;
  {
    const std::lock_guard lock(slot.mutex);
    previous = std::exchange(slot.executor, executor ? std::make_shared<const Executor>(std::move(executor)) : nullptr);
    slot.installed.store(slot.executor != nullptr, std::memory_order_release);
  }
  // The previous executor is released here, outside the lock.
}

}  // namespace tal::platform
