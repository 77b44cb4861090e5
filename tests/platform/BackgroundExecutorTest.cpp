#include "TalFoundation/platform/BackgroundExecutor.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

namespace tal::platform {
namespace {

using namespace std::chrono_literals;

TEST(BackgroundExecutor, EveryTaskRunsOnceOnTheTwoPoolThreads) {
  constexpr int kThreads = 8;
  constexpr int kTasksPerThread = 5000;
  constexpr int kTotal = kThreads * kTasksPerThread;
  std::vector<std::atomic<int>> runs(kTotal);
  std::mutex mutex;
  std::condition_variable allDone;
  int done = 0;
  std::set<std::thread::id> workers;
  std::set<std::thread::id> posters;

  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < kTasksPerThread; ++i) {
        runInBackground([&, n = t * kTasksPerThread + i] {
          runs[static_cast<std::size_t>(n)].fetch_add(1);
          const std::lock_guard lock(mutex);
          workers.insert(std::this_thread::get_id());
          if (++done == kTotal) allDone.notify_one();
        });
      }
      const std::lock_guard lock(mutex);
      posters.insert(std::this_thread::get_id());
    });
  }
  for (auto& thread : threads) thread.join();
  std::unique_lock lock(mutex);
  ASSERT_TRUE(allDone.wait_for(lock, 60s, [&] { return done == kTotal; }));
  for (const auto& count : runs) EXPECT_EQ(count.load(), 1);
  EXPECT_LE(workers.size(), 2U);
  for (const auto& id : workers) {
    EXPECT_EQ(posters.count(id), 0U);
    EXPECT_NE(id, std::this_thread::get_id());
  }
}

// Work that arrives after the pool threads have stopped looking and gone to
// sleep must wake one of them.
TEST(BackgroundExecutor, WorkPostedToASleepingPoolRuns) {
  for (int round = 0; round < 50; ++round) {
    std::this_thread::sleep_for(round % 2 == 0 ? 2ms : 20us);
    std::promise<void> ran;
    auto future = ran.get_future();
    runInBackground([&ran] { ran.set_value(); });
    ASSERT_EQ(future.wait_for(10s), std::future_status::ready) << "round " << round;
  }
}

TEST(BackgroundExecutor, TaskMayPostMoreWork) {
  std::promise<int> last;
  auto future = last.get_future();
  std::function<void(int)> step = [&](int n) {
    if (n == 100) {
      last.set_value(n);
      return;
    }
    runInBackground([&step, n] { step(n + 1); });
  };
  runInBackground([&step] { step(0); });
  ASSERT_EQ(future.wait_for(10s), std::future_status::ready);
  EXPECT_EQ(future.get(), 100);
}

}  // namespace
}  // namespace tal::platform
