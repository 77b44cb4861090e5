#include "TalFoundation/platform/BackgroundExecutor.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <set>
#include <stdexcept>
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

// More tasks than the pool has threads, each waiting for work it posts: the
// inner work runs inline in the waiting task instead of queueing behind it.
TEST(BackgroundExecutor, TasksWaitingOnOtherBackgroundWorkDoNotStarveThePool) {
  constexpr int kWaiters = 6;
  std::vector<std::future<int>> outer;
  for (int i = 0; i < kWaiters; ++i) {
    auto promise = std::make_shared<std::promise<int>>();
    outer.push_back(promise->get_future());
    runInBackground([promise, i] {
      auto inner = std::make_shared<std::promise<int>>();
      auto innerFuture = inner->get_future();
      runInBackground([inner, i] { inner->set_value(i * 10); });
      promise->set_value(innerFuture.get() + 1);
    });
  }
  for (int i = 0; i < kWaiters; ++i) {
    auto& future = outer[static_cast<std::size_t>(i)];
    ASSERT_EQ(future.wait_for(10s), std::future_status::ready) << "task " << i;
    EXPECT_EQ(future.get(), i * 10 + 1);
  }
}

TEST(BackgroundExecutor, TasksThatThrowAreDroppedAndThePoolGoesOn) {
  for (int i = 0; i < 4; ++i) runInBackground([] { throw std::runtime_error("task failed"); });
  std::promise<void> ran;
  auto future = ran.get_future();
  runInBackground([&ran] { ran.set_value(); });
  EXPECT_EQ(future.wait_for(10s), std::future_status::ready);
}

TEST(BackgroundExecutor, EmptyWorkIsIgnored) { EXPECT_NO_THROW(runInBackground(Task())); }

class AppBackgroundExecutor : public testing::Test {
 protected:
  void TearDown() override { setBackgroundExecutor(nullptr); }

  std::vector<Task> accepted_;
};

TEST_F(AppBackgroundExecutor, ReceivesEveryTaskUntilRemoved) {
  setBackgroundExecutor([this](Task task) { accepted_.push_back(std::move(task)); });
  int ran = 0;
  runInBackground([&ran] { ++ran; });
  runInBackground([&ran] { ++ran; });
  ASSERT_EQ(accepted_.size(), 2U);
  EXPECT_EQ(ran, 0);
  for (auto& task : accepted_) task();
  EXPECT_EQ(ran, 2);

  setBackgroundExecutor(nullptr);
  std::promise<std::thread::id> where;
  auto future = where.get_future();
  runInBackground([&where] { where.set_value(std::this_thread::get_id()); });
  ASSERT_EQ(future.wait_for(10s), std::future_status::ready);
  EXPECT_NE(future.get(), std::this_thread::get_id());
  EXPECT_EQ(accepted_.size(), 2U);
}

TEST_F(AppBackgroundExecutor, WorkPostedFromInsideItsTaskRunsInline) {
  setBackgroundExecutor([this](Task task) { accepted_.push_back(std::move(task)); });
  bool innerRan = false;
  bool innerRanBeforeReturn = false;
  runInBackground([&] {
    runInBackground([&innerRan] { innerRan = true; });
    innerRanBeforeReturn = innerRan;
  });
  ASSERT_EQ(accepted_.size(), 1U);
  accepted_.front()();
  EXPECT_TRUE(innerRanBeforeReturn);
  EXPECT_EQ(accepted_.size(), 1U);
}

TEST_F(AppBackgroundExecutor, ThatThrowsLeavesTheTaskToRunInlineOnce) {
  setBackgroundExecutor([this](Task task) {
    accepted_.push_back(std::move(task));
    throw std::runtime_error("pool full");
  });
  int ran = 0;
  EXPECT_NO_THROW(runInBackground([&ran] { ++ran; }));
  EXPECT_EQ(ran, 1);
  ASSERT_EQ(accepted_.size(), 1U);
  accepted_.front()();  // the app runs what it kept anyway: not a second time
  EXPECT_EQ(ran, 1);
}

}  // namespace
}  // namespace tal::platform
