#include "TalFoundation/platform/BackgroundExecutor.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace tal::platform {

namespace {

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

  /// Stops the threads; tasks still queued are dropped, not run.
  ~WorkerPool() {
    {
      // Set under the lock, so a thread about to wait cannot miss it.
      const std::lock_guard lock(mutex_);
      stopping_.store(true, std::memory_order_relaxed);
    }
    wake_.notify_all();
    for (auto& thread : threads_) thread.join();
  }

  void post(std::function<void()> work) {
    bool someoneSleeps = false;
    {
      const std::lock_guard lock(mutex_);
      queue_.push_back(std::move(work));
      queued_.fetch_add(1, std::memory_order_release);
      someoneSleeps = sleeping_ > 0;
    }
    if (someoneSleeps) wake_.notify_one();
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

  /// The next task, or false when the pool stops.
  bool next(std::function<void()>& work, Clock::time_point lookUntil) {
    for (unsigned round = 0;; ++round) {
      if (queued_.load(std::memory_order_acquire) > 0) {
        const std::lock_guard lock(mutex_);
        if (takeLocked(work)) return true;
      }
      if (stopping_.load(std::memory_order_relaxed)) return false;
      // Reading the clock costs more than a look at the queue.
      if (round % 64 == 63 && Clock::now() >= lookUntil) break;
      relaxCpu();
    }
    std::unique_lock lock(mutex_);
    while (!stopping_.load(std::memory_order_relaxed)) {
      if (takeLocked(work)) return true;
      ++sleeping_;
      wake_.wait(lock);
      --sleeping_;
    }
    return false;
  }

  void run() {
    auto lookUntil = Clock::now();
    std::function<void()> work;
    while (next(work, lookUntil)) {
      work();
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
  std::vector<std::thread> threads_;  // joined by the destructor, before the members above go
};

WorkerPool& pool() {
  // Two threads: conversions are short, and the app's phones have few cores.
  // On a single core a looking thread would only delay the caller.
  // Destroyed (stopped and joined) with the other statics at exit.
  static WorkerPool instance(2, std::thread::hardware_concurrency() > 1 ? std::chrono::microseconds(20)
                                                                        : std::chrono::microseconds(0));
  return instance;
}

}  // namespace

void runInBackground(std::function<void()> work) { pool().post(std::move(work)); }

}  // namespace tal::platform
