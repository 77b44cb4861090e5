#include "TalFoundation/currency/TalExchangeRateManager.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "TalFoundation/currency/ExampleExchangeRateService.h"
#include "TalFoundation/currency/TalUnitCurrency.h"

namespace tal {
namespace {

ExchangeRateData snapshot(std::string base, std::int64_t time, ExchangeRateData::Rates rates) {
  return ExchangeRateData(std::move(base), time, std::nullopt, std::move(rates));
}

// Answers every fetch at once with a fixed result, counting the fetches.
class FixedSource : public IExchangeRateService {
 public:
  explicit FixedSource(ExchangeRateResult result) : result_(std::move(result)) {}
  void fetchExchangeRates(Completion completion) override {
    ++fetches;
    completion(result_);
  }
  std::atomic<int> fetches{0};

 private:
  ExchangeRateResult result_;
};

// Answers on a thread of its own, which it joins when destroyed.
class ThreadedSource : public IExchangeRateService {
 public:
  explicit ThreadedSource(ExchangeRateData data) : data_(std::move(data)) {}
  ~ThreadedSource() override {
    for (auto& t : threads_) t.join();
  }
  void fetchExchangeRates(Completion completion) override {
    const std::lock_guard guard(lock_);
    threads_.emplace_back([this, completion = std::move(completion)] {
      {
        const std::lock_guard inner(lock_);
        answeredOn_ = std::this_thread::get_id();
      }
      completion(data_);
    });
  }
  std::thread::id answeredOn() {
    const std::lock_guard guard(lock_);
    return answeredOn_;
  }

 private:
  std::mutex lock_;
  const ExchangeRateData data_;
  std::thread::id answeredOn_;
  std::vector<std::thread> threads_;
};

std::vector<std::string> ids() {
  std::vector<std::string> out;
  for (const TalUnit& u : TalUnitCurrency::allUnits()) out.push_back(u.id());
  return out;
}

// The manager and the catalogue are process-wide: each test starts from a
// known list (EUR and USD at time 1) and no source.
class TalExchangeRateManagerTest : public testing::Test {
 protected:
  void SetUp() override {
    TalExchangeRateManager::shared().configure(nullptr);
    TalUnitCurrency::setBaseCode("USD");
    TalUnitCurrency::updateRates({{"USD", 1}, {"EUR", 2}}, 1, "USD");
  }
  void TearDown() override { TalExchangeRateManager::shared().configure(nullptr); }

  const std::vector<std::string> kInitialIds{"currency_EUR", "currency_USD"};
};

TEST_F(TalExchangeRateManagerTest, SharedIsOneInstance) {
  TalExchangeRateManager* fromThread = nullptr;
  std::thread([&] { fromThread = &TalExchangeRateManager::shared(); }).join();
  EXPECT_EQ(&TalExchangeRateManager::shared(), fromThread);
}

TEST_F(TalExchangeRateManagerTest, WithoutASourceReportsTheExactErrorAtOnceAndChangesNothing) {
  int calls = 0;
  std::optional<Error> reported;
  std::thread::id calledOn;
  TalExchangeRateManager::shared().updateRates([&](std::optional<Error> error) {
    ++calls;
    reported = std::move(error);
    calledOn = std::this_thread::get_id();
  });
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(calledOn, std::this_thread::get_id());
  ASSERT_TRUE(reported.has_value());
  EXPECT_EQ(reported->domain, "ExchangeRateManager");
  EXPECT_EQ(reported->code, -1);
  EXPECT_EQ(reported->localizedDescription, "未配置汇率服务");
  EXPECT_EQ(ids(), kInitialIds);
  EXPECT_EQ(TalUnitCurrency::timeLastUpdateUnix(), 1);
}

TEST_F(TalExchangeRateManagerTest, TheExampleSourceInstallsItsSnapshot) {
  TalExchangeRateManager::shared().configure(std::make_shared<ExampleExchangeRateService>());
  int calls = 0;
  std::optional<Error> reported = Error{};
  TalExchangeRateManager::shared().updateRates([&](std::optional<Error> error) {
    ++calls;
    reported = std::move(error);
  });
  EXPECT_EQ(calls, 1);
  EXPECT_FALSE(reported.has_value());
  const std::vector<std::string> installed = ids();
  ASSERT_EQ(installed.size(), 156u);
  EXPECT_EQ(installed.front(), "currency_AED");
  EXPECT_EQ(TalUnitCurrency::timeLastUpdateUnix(), 1775779352);
  EXPECT_EQ(TalUnitCurrency::baseCode(), "USD");
}

TEST_F(TalExchangeRateManagerTest, ASourceErrorPassesUnchangedAndLeavesTheList) {
  const Error offline{"NSURLErrorDomain", -1009, "The Internet connection appears to be offline."};
  auto source = std::make_shared<FixedSource>(offline);
  TalExchangeRateManager::shared().configure(source);
  TalUnitCurrency::setBaseCode("EUR");
  std::optional<Error> reported;
  TalExchangeRateManager::shared().updateRates([&](std::optional<Error> error) { reported = std::move(error); });
  EXPECT_EQ(source->fetches.load(), 1);
  EXPECT_EQ(reported, offline);
  EXPECT_EQ(ids(), kInitialIds);
  EXPECT_EQ(TalUnitCurrency::timeLastUpdateUnix(), 1);
  EXPECT_EQ(TalUnitCurrency::baseCode(), "EUR");
}

TEST_F(TalExchangeRateManagerTest, ASourceAnsweringOnItsOwnThreadCompletesThere) {
  auto source = std::make_shared<ThreadedSource>(snapshot("USD", 500, {{"USD", 1}, {"GBP", 1}, {"CHF", 1}}));
  TalExchangeRateManager::shared().configure(source);
  std::promise<std::thread::id> calledOn;
  TalExchangeRateManager::shared().updateRates([&](std::optional<Error> error) {
    EXPECT_FALSE(error.has_value());
    calledOn.set_value(std::this_thread::get_id());
  });
  const std::thread::id thread = calledOn.get_future().get();
  EXPECT_NE(thread, std::this_thread::get_id());
  EXPECT_EQ(thread, source->answeredOn());
  EXPECT_EQ(ids(), (std::vector<std::string>{"currency_CHF", "currency_GBP", "currency_USD"}));
  EXPECT_EQ(TalUnitCurrency::timeLastUpdateUnix(), 500);
}

TEST_F(TalExchangeRateManagerTest, TheFutureFormCarriesTheOutcome) {
  EXPECT_EQ(TalExchangeRateManager::shared().updateRates().get().value().code, -1);
  TalExchangeRateManager::shared().configure(
      std::make_shared<ThreadedSource>(snapshot("USD", 600, {{"USD", 1}, {"SEK", 9}})));
  EXPECT_FALSE(TalExchangeRateManager::shared().updateRates().get().has_value());
  EXPECT_EQ(ids(), (std::vector<std::string>{"currency_SEK", "currency_USD"}));
}

// While fetching, the first source replaces itself with a second one: the
// fetch under way still delivers the first snapshot; the next call asks the
// second source. (It also proves the manager's lock is free during a fetch.)
class ReconfiguringSource : public IExchangeRateService {
 public:
  explicit ReconfiguringSource(std::shared_ptr<IExchangeRateService> next) : next_(std::move(next)) {}
  void fetchExchangeRates(Completion completion) override {
    TalExchangeRateManager::shared().configure(next_);
    completion(snapshot("USD", 10, {{"USD", 1}, {"AUD", dec()}}));
  }

 private:
  static Decimal dec() { return Decimal::fromString("1.416179").value(); }
  std::shared_ptr<IExchangeRateService> next_;
};

TEST_F(TalExchangeRateManagerTest, ConfiguringDuringAFetchAffectsOnlyLaterCalls) {
  auto second = std::make_shared<FixedSource>(snapshot("USD", 20, {{"USD", 1}, {"NOK", 9}}));
  TalExchangeRateManager::shared().configure(std::make_shared<ReconfiguringSource>(second));

  TalExchangeRateManager::shared().updateRates(nullptr);
  EXPECT_EQ(ids(), (std::vector<std::string>{"currency_AUD", "currency_USD"}));
  EXPECT_EQ(second->fetches.load(), 0);

  TalExchangeRateManager::shared().updateRates(nullptr);
  EXPECT_EQ(second->fetches.load(), 1);
  EXPECT_EQ(ids(), (std::vector<std::string>{"currency_NOK", "currency_USD"}));
  EXPECT_EQ(TalUnitCurrency::timeLastUpdateUnix(), 20);
}

TEST_F(TalExchangeRateManagerTest, ConfiguringNothingRemovesTheSource) {
  auto source = std::make_shared<FixedSource>(snapshot("USD", 30, {{"USD", 1}}));
  TalExchangeRateManager::shared().configure(source);
  TalExchangeRateManager::shared().configure(nullptr);
  EXPECT_EQ(TalExchangeRateManager::shared().updateRates().get().value().code, -1);
  EXPECT_EQ(source->fetches.load(), 0);
  EXPECT_EQ(source.use_count(), 1);  // released by the manager
}

// A faulty source that answers twice.
class StutteringSource : public IExchangeRateService {
 public:
  void fetchExchangeRates(Completion completion) override {
    completion(snapshot("USD", 40, {{"USD", 1}, {"EUR", 1}, {"GBP", 1}}));
    completion(Error{"Stutter", 2, "second answer"});
  }
};

TEST_F(TalExchangeRateManagerTest, TheCompletionRunsOnceEvenIfASourceAnswersTwice) {
  TalExchangeRateManager::shared().configure(std::make_shared<StutteringSource>());
  std::vector<std::optional<Error>> outcomes;
  TalExchangeRateManager::shared().updateRates([&](std::optional<Error> error) { outcomes.push_back(error); });
  ASSERT_EQ(outcomes.size(), 1u);
  EXPECT_FALSE(outcomes[0].has_value());
  EXPECT_EQ(ids().size(), 3u);
}

TEST_F(TalExchangeRateManagerTest, ConcurrentUpdatesAndReconfigurationsStayConsistent) {
  auto a = std::make_shared<ThreadedSource>(snapshot("USD", 1, {{"USD", 1}, {"EUR", 2}}));
  auto b = std::make_shared<FixedSource>(snapshot("USD", 2, {{"USD", 1}, {"EUR", 2}, {"GBP", 3}}));
  std::atomic<int> completions{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 50; ++i) {
        if (t == 0) {
          std::shared_ptr<IExchangeRateService> next = a;
          if (i % 2 == 1) next = b;
          TalExchangeRateManager::shared().configure(next);
        }
        TalExchangeRateManager::shared().updateRates([&](std::optional<Error>) { ++completions; });
        const std::size_t size = TalUnitCurrency::allUnits().size();
        EXPECT_TRUE(size == 2 || size == 3) << size;
      }
    });
  }
  for (auto& t : threads) t.join();
  TalExchangeRateManager::shared().configure(nullptr);
  a.reset();  // joins the source's threads: every completion has run
  EXPECT_EQ(completions.load(), 200);
}

}  // namespace
}  // namespace tal
