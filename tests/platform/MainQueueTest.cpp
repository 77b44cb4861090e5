#include "TalFoundation/platform/MainQueue.h"
#include "tests/support/JoinedThreads.h"

#include <gtest/gtest.h>

#include <future>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

namespace tal::platform {
namespace {

using Mode = MainQueue::Mode;

// Records which items ran, in order; used from several threads.
class Log {
 public:
  void add(int n) {
    const std::lock_guard lock(mutex_);
    entries_.push_back(n);
  }
  std::vector<int> entries() const {
    const std::lock_guard lock(mutex_);
    return entries_;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<int> entries_;
};

// --- app-drained mode ---------------------------------------------------------

TEST(MainQueueDrained, NothingRunsUntilDrainThenAllInPostingOrder) {
  MainQueue q(Mode::appDrained);
  Log log;
  for (int i = 0; i < 5; ++i) q.async([&log, i] { log.add(i); });
  EXPECT_TRUE(log.entries().empty());
  EXPECT_EQ(q.pendingCount(), 5U);
  EXPECT_EQ(q.drain(), 5U);
  EXPECT_EQ(log.entries(), (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(q.drain(), 0U);
}

TEST(MainQueueDrained, WorkPostedDuringADrainWaitsForTheNext) {
  MainQueue q(Mode::appDrained);
  Log log;
  q.async([&] {
    log.add(1);
    q.async([&] { log.add(3); });
  });
  q.async([&] { log.add(2); });
  EXPECT_EQ(q.drain(), 2U);
  EXPECT_EQ(log.entries(), (std::vector<int>{1, 2}));
  EXPECT_EQ(q.drain(), 1U);
  EXPECT_EQ(log.entries(), (std::vector<int>{1, 2, 3}));
}

TEST(MainQueueDrained, DrainFromInsideAnItemRunsNothing) {
  MainQueue q(Mode::appDrained);
  std::size_t inner = 99;
  bool current = false;
  q.async([&] {
    inner = q.drain();
    current = q.isCurrent();
  });
  q.async([] {});
  EXPECT_EQ(q.drain(), 2U);
  EXPECT_EQ(inner, 0U);
  EXPECT_TRUE(current);
  EXPECT_FALSE(q.isCurrent());
}

TEST(MainQueueDrained, WaitUntilIdleRefusesInsteadOfBlocking) {
  MainQueue q(Mode::appDrained);
  q.async([] {});
  EXPECT_FALSE(q.waitUntilIdle());
  EXPECT_EQ(q.pendingCount(), 1U);
}

TEST(MainQueueDrained, EmptyWorkIsIgnored) {
  MainQueue q(Mode::appDrained);
  q.async(std::function<void()>());
  EXPECT_EQ(q.pendingCount(), 0U);
}

TEST(MainQueueDrained, DestructionDropsWorkNotStarted) {
  auto token = std::make_shared<int>(0);
  bool ran = false;
  {
    MainQueue q(Mode::appDrained);
    q.async([token, &ran] { ran = true; });
    EXPECT_EQ(token.use_count(), 2);
  }
  EXPECT_FALSE(ran);
  EXPECT_EQ(token.use_count(), 1);
}

// --- both modes -----------------------------------------------------------------

class MainQueueBothModes : public testing::TestWithParam<Mode> {
 protected:
  // Runs what is queued, in whichever way the mode asks for.
  static void settle(MainQueue& q) {
    if (q.mode() == Mode::appDrained) {
      q.drain();
    } else {
      ASSERT_TRUE(q.waitUntilIdle());
    }
  }
};

TEST_P(MainQueueBothModes, AnItemThatThrowsDoesNotStopTheOthers) {
  MainQueue q(GetParam());
  Log log;
  q.async([&] { log.add(1); });
  q.async([] { throw std::runtime_error("item failed"); });
  q.async([] { throw 42; });
  q.async([&] { log.add(2); });
  settle(q);
  EXPECT_EQ(log.entries(), (std::vector<int>{1, 2}));
}

TEST_P(MainQueueBothModes, NeverRunsWorkInsideTheCallThatPostsIt) {
  MainQueue q(GetParam());
  Log log;
  q.async([&] {
    q.async([&] { log.add(2); });
    log.add(1);  // the nested item must not have run yet
  });
  settle(q);
  settle(q);
  EXPECT_EQ(log.entries(), (std::vector<int>{1, 2}));
}

INSTANTIATE_TEST_SUITE_P(Modes, MainQueueBothModes, testing::Values(Mode::appDrained, Mode::ownThread));

// --- own-thread mode ----------------------------------------------------------------

TEST(MainQueueOwnThread, RunsItemsInOrderOnAnotherThread) {
  MainQueue q(Mode::ownThread);
  Log log;
  std::thread::id ranOn;
  bool current = false;
  for (int i = 0; i < 100; ++i) q.async([&log, i] { log.add(i); });
  q.async([&] {
    ranOn = std::this_thread::get_id();
    current = q.isCurrent();
  });
  ASSERT_TRUE(q.waitUntilIdle());
  std::vector<int> expected(100);
  for (int i = 0; i < 100; ++i) expected[static_cast<std::size_t>(i)] = i;
  EXPECT_EQ(log.entries(), expected);
  EXPECT_NE(ranOn, std::this_thread::get_id());
  EXPECT_TRUE(current);
  EXPECT_EQ(q.drain(), 0U);
}

TEST(MainQueueOwnThread, IsSerialUnderPostsFromManyThreads) {
  MainQueue q(Mode::ownThread);
  constexpr int kThreads = 4;
  constexpr int kEach = 500;
  int unguarded = 0;  // only queue items touch it: a data race if two ever overlap
  std::vector<std::vector<int>> seen(kThreads);
  {
    tal::test_support::JoinedThreads posters;
    for (int t = 0; t < kThreads; ++t) {
      posters.emplace_back([&, t] {
        for (int i = 0; i < kEach; ++i) {
          q.async([&, t, i] {
            ++unguarded;
            seen[static_cast<std::size_t>(t)].push_back(i);
          });
        }
      });
    }
  }
  ASSERT_TRUE(q.waitUntilIdle());
  EXPECT_EQ(unguarded, kThreads * kEach);
  for (const auto& one : seen) {
    ASSERT_EQ(one.size(), static_cast<std::size_t>(kEach));
    for (int i = 0; i < kEach; ++i) EXPECT_EQ(one[static_cast<std::size_t>(i)], i);
  }
}

TEST(MainQueueModes, SwitchingToOwnThreadRunsTheWaitingWorkInOrder) {
  MainQueue q(Mode::appDrained);
  Log log;
  for (int i = 0; i < 3; ++i) q.async([&log, i] { log.add(i); });
  q.setMode(Mode::ownThread);
  ASSERT_TRUE(q.waitUntilIdle());
  EXPECT_EQ(log.entries(), (std::vector<int>{0, 1, 2}));
}

TEST(MainQueueModes, AnItemSwitchingToAppDrainedLeavesTheRestForDrain) {
  MainQueue q(Mode::ownThread);
  Log log;
  std::mutex gate;
  std::unique_lock hold(gate);  // keeps the first item from finishing before all are queued
  q.async([&] {
    const std::lock_guard wait(gate);
    q.setMode(Mode::appDrained);
    log.add(0);
  });
  q.async([&] { log.add(1); });
  q.async([&] { log.add(2); });
  hold.unlock();
  // drain() waits for the running item, then takes what it left.
  std::size_t ran = 0;
  while (ran < 2) {
    if (q.mode() == Mode::appDrained) ran += q.drain();
    std::this_thread::yield();
  }
  EXPECT_EQ(log.entries(), (std::vector<int>{0, 1, 2}));
}

TEST(MainQueueModes, AnItemSwitchingBackToOwnThreadDuringADrainKeepsOrder) {
  MainQueue q(Mode::appDrained);
  Log log;
  q.async([&] {
    log.add(0);
    q.setMode(Mode::ownThread);
  });
  q.async([&] { log.add(1); });
  q.async([&] { log.add(2); });
  EXPECT_EQ(q.drain(), 1U);
  ASSERT_TRUE(q.waitUntilIdle());
  EXPECT_EQ(log.entries(), (std::vector<int>{0, 1, 2}));
}

TEST(MainQueueMain, IsOneQueueRunningOnItsOwnThreadByDefault) {
  EXPECT_EQ(&MainQueue::main(), &MainQueue::main());
  EXPECT_EQ(MainQueue::main().mode(), Mode::ownThread);
}

TEST(MainQueueClose, DropsWaitingWorkAndIgnoresLaterWork) {
  auto token = std::make_shared<int>(0);
  int ran = 0;
  MainQueue q(Mode::appDrained);
  q.async([token, &ran] { ++ran; });
  q.close();
  EXPECT_EQ(token.use_count(), 1);
  q.async([token, &ran] { ++ran; });
  EXPECT_EQ(q.pendingCount(), 0U);
  EXPECT_EQ(q.drain(), 0U);
  q.close();
  EXPECT_EQ(ran, 0);
}

TEST(MainQueueClose, FromOwnThreadJoinsItsThread) {
  MainQueue q(Mode::ownThread);
  std::promise<void> ran;
  q.async([&ran] { ran.set_value(); });
  ran.get_future().wait();
  q.close();
  q.async([] {});
  EXPECT_EQ(q.pendingCount(), 0U);
  EXPECT_TRUE(q.waitUntilIdle());
}

// The app's UI thread, as a test stands it in: a list the test runs by hand.
class MainThreadPoster : public testing::Test {
 protected:
  void TearDown() override { setMainThreadPoster(nullptr); }

  std::vector<Task> posted_;
};

TEST_F(MainThreadPoster, ReceivesMainThreadWorkInsteadOfTheLibraryQueue) {
  setMainThreadPoster([this](Task task) { posted_.push_back(std::move(task)); });
  MainQueue::main().setMode(Mode::appDrained);
  int ran = 0;
  runOnMainThread([&ran] { ++ran; });
  runOnMainThread(Task());  // empty: ignored
  EXPECT_EQ(MainQueue::main().pendingCount(), 0U);
  ASSERT_EQ(posted_.size(), 1U);
  EXPECT_EQ(ran, 0);
  posted_.front()();
  EXPECT_EQ(ran, 1);
  MainQueue::main().setMode(Mode::ownThread);
}

TEST_F(MainThreadPoster, AnEmptyPosterRestoresTheLibraryQueue) {
  setMainThreadPoster([this](Task task) { posted_.push_back(std::move(task)); });
  setMainThreadPoster(nullptr);
  MainQueue::main().setMode(Mode::appDrained);
  int ran = 0;
  runOnMainThread([&ran] { ++ran; });
  EXPECT_TRUE(posted_.empty());
  EXPECT_EQ(MainQueue::main().drain(), 1U);
  EXPECT_EQ(ran, 1);
  MainQueue::main().setMode(Mode::ownThread);
}

TEST_F(MainThreadPoster, ThatThrowsDropsTheWorkWithoutThrowing) {
  auto token = std::make_shared<int>(0);
  setMainThreadPoster([](const Task&) { throw std::runtime_error("UI loop gone"); });
  EXPECT_NO_THROW(runOnMainThread([token] {}));
  EXPECT_EQ(token.use_count(), 1);
}

}  // namespace
}  // namespace tal::platform
