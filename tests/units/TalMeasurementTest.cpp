#include "TalFoundation/units/TalMeasurement.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

#include "TalFoundation/catalogues/TalUnitAngle.h"
#include "TalFoundation/catalogues/TalUnitTemperature.h"
#include "TalFoundation/platform/BackgroundExecutor.h"
#include "TalFoundation/platform/Unit.h"

namespace tal {
namespace {

Decimal dec(std::string_view text) { return Decimal::fromString(text).value(); }

/// A unit of our own for the generic and inverse roads.
TalUnit make(TalUnitCategory category, std::string symbol, Decimal coefficient,
             std::optional<Decimal> baseNumerator = std::nullopt, bool inverse = false,
             const platform::Unit* dimension = nullptr, Decimal offset = 0) {
  return TalUnit(category, TalSystemOfUnits::si, dimension, symbol, symbol, std::nullopt, std::nullopt, coefficient,
                 baseNumerator, inverse, std::nullopt, offset, coefficient == Decimal(1), false, std::nullopt,
                 std::nullopt, std::nullopt);
}

const TalUnit kMetre = make(TalUnitCategory::length, "m", 1, Decimal(1));
const TalUnit kKilometre = make(TalUnitCategory::length, "km", 1000, 0.001_dec);
const TalUnit kMinute = make(TalUnitCategory::duration, "min", 60);
const TalUnit kLitrePer100Km = make(TalUnitCategory::fuelEfficiencyVolume, "L/100km", 1);
const TalUnit kKmPerLitre = make(TalUnitCategory::fuelEfficiencyVolume, "km/L", 100, std::nullopt, true);

struct RoadCase {
  const char* what;
  TalUnit from;
  TalUnit to;
  const char* value;
  const char* expected;
};

class TalMeasurementRoads : public testing::TestWithParam<RoadCase> {};

TEST_P(TalMeasurementRoads, Converts) {
  const auto& c = GetParam();
  const auto result = TalMeasurement::convert(dec(c.value), c.from, c.to);
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(*result, dec(c.expected)) << c.what << ": got " << result->description();
}

const auto angle = [](std::size_t i) { return TalUnitAngle::allUnits().at(i); };

// A caller's own angle unit: the platform measurement converts it through
// degrees. Its table coefficient (7) is deliberately not the platform's (10),
// so a result that took the generic road would show.
const platform::Unit kPlatformDecadegree(platform::Dimension::angle, "decadegrees", "da°", 10);
const TalUnit kDecadegree = make(TalUnitCategory::angle, "da°", 7, std::nullopt, false, &kPlatformDecadegree);

INSTANTIATE_TEST_SUITE_P(
    AllRoads, TalMeasurementRoads,
    testing::Values(
        RoadCase{"generic into a reciprocal unit", kKilometre, kMetre, "1.5", "1500"},
        RoadCase{"reciprocal shortcut multiplies", kMetre, kKilometre, "1", "0.001"},
        RoadCase{"inverse source", kKmPerLitre, kLitrePer100Km, "20", "5"},
        RoadCase{"inverse target", kLitrePer100Km, kKmPerLitre, "5", "20"},
        RoadCase{"inverse target rounds once", kLitrePer100Km, kKmPerLitre, "3", "33.333333333333333333333333333333333333"},
        RoadCase{"radians from degrees", angle(0), angle(3), "180", "3.1415926535897932384626433832795028842"},
        RoadCase{"gradian to degrees", angle(4), angle(0), "1", "0.9"},
        RoadCase{"revolution to arc minutes", angle(5), angle(1), "1", "21600"},
        RoadCase{"arc minutes to degrees", angle(1), angle(0), "30", "0.5"},
        RoadCase{"own angle unit to an exact one", kDecadegree, angle(1), "3", "1800"},
        RoadCase{"exact angle unit to an own one", angle(0), kDecadegree, "90", "9"},
        RoadCase{"temperature formula", TalUnitTemperature::fahrenheit(), TalUnitTemperature::celsius(), "212", "100"}));

// The generic road with an offset on either side or both (a length category,
// so no temperature formula steps in): value × c_from + o_from is the base
// value, and (base − o_to) ÷ c_to the result. Worked by hand.
TEST(TalMeasurement, GenericRoadAddsAndTakesAwayOffsets) {
  const TalUnit plain = make(TalUnitCategory::length, "p", 1, Decimal(1));
  const TalUnit twoPlusTen = make(TalUnitCategory::length, "a", 2, 0.5_dec, false, nullptr, 10);
  const TalUnit fiveMinusThree = make(TalUnitCategory::length, "b", 5, 0.2_dec, false, nullptr, -3);
  const TalUnit fourPlusTwo = make(TalUnitCategory::length, "c", 4, 0.25_dec, false, nullptr, 2);
  EXPECT_EQ(TalMeasurement::convert(7, twoPlusTen, fiveMinusThree), dec("5.4"));  // 24 → 27 ÷ 5
  EXPECT_EQ(TalMeasurement::convert(dec("5.4"), fiveMinusThree, twoPlusTen), Decimal(7));  // 24 → 14 ÷ 2
  EXPECT_EQ(TalMeasurement::convert(10, plain, fourPlusTwo), Decimal(2));  // offset on the target only
  EXPECT_EQ(TalMeasurement::convert(2, fourPlusTwo, plain), Decimal(10));  // offset on the source only
  EXPECT_EQ(TalMeasurement::convert(0, twoPlusTen, plain), Decimal(10));
  EXPECT_EQ(TalMeasurement::convert(-5, twoPlusTen, plain), Decimal(0));
}

TEST(TalMeasurement, SameUnitReturnsTheValueWithoutArithmetic) {
  const Decimal nan = Decimal::nan();
  EXPECT_TRUE(TalMeasurement::convert(nan, kKmPerLitre, kKmPerLitre)->isNaN());
  EXPECT_EQ(TalMeasurement::convert(0, kKmPerLitre, kKmPerLitre), Decimal(0));
  const TalUnit sameSymbol = make(TalUnitCategory::length, "km", 7);
  EXPECT_EQ(TalMeasurement::convert(3, kKilometre, sameSymbol), Decimal(3));
}

TEST(TalMeasurement, DifferentCategoriesHaveNoResult) {
  EXPECT_FALSE(TalMeasurement::convert(1, kMetre, kMinute).has_value());
  EXPECT_FALSE(TalMeasurement::convert(1, TalUnitTemperature::kelvin(), kMetre).has_value());
}

TEST(TalMeasurement, ZeroDivisorIsNaNButPresent) {
  const auto result = TalMeasurement::convert(0, kKmPerLitre, kLitrePer100Km);
  ASSERT_TRUE(result.has_value());
  EXPECT_TRUE(result->isNaN());
}

TEST(TalMeasurement, AngleUnitWithoutPlatformUnitTakesTheGenericRoad) {
  const TalUnit halfTurn = make(TalUnitCategory::angle, "half", 180);
  EXPECT_EQ(TalMeasurement::convert(1, halfTurn, angle(5)), dec("0.5"));
}

TEST(TalMeasurement, AsyncFormsDeliverTheSameResult) {
  EXPECT_EQ(TalMeasurement::convertValue(dec("1.5"), kKilometre, kMetre).get(), Decimal(1500));
  std::mutex m;
  std::condition_variable cv;
  std::optional<std::optional<Decimal>> delivered;
  TalMeasurement::convertValue(20, kKmPerLitre, kLitrePer100Km, [&](std::optional<Decimal> r) {
    const std::lock_guard lock(m);
    delivered = r;
    cv.notify_one();
  });
  std::unique_lock lock(m);
  ASSERT_TRUE(cv.wait_for(lock, std::chrono::seconds(10), [&] { return delivered.has_value(); }));
  EXPECT_EQ(*delivered, Decimal(5));
}

// More completions than the pool has threads, each waiting on a conversion
// of its own: the inner conversion runs inline instead of queueing behind.
TEST(TalMeasurement, CompletionsMayWaitOnAnotherConversion) {
  constexpr int kCompletions = 6;
  std::mutex m;
  std::condition_variable cv;
  std::vector<std::optional<Decimal>> results;
  for (int i = 0; i < kCompletions; ++i) {
    ASSERT_TRUE(TalMeasurement::convertValue(i, kKilometre, kMetre, [&](std::optional<Decimal> metres) {
      const auto back = TalMeasurement::convertValue(metres.value_or(Decimal(-1)), kMetre, kKilometre).get();
      const std::lock_guard lock(m);
      results.push_back(back);
      cv.notify_one();
    }));
  }
  std::unique_lock lock(m);
  ASSERT_TRUE(cv.wait_for(lock, std::chrono::seconds(10), [&] { return results.size() == kCompletions; }));
  Decimal sum = 0;
  for (const auto& r : results) sum = sum + r.value_or(Decimal(-100));
  EXPECT_EQ(sum, Decimal(0 + 1 + 2 + 3 + 4 + 5));
}

TEST(TalMeasurement, EmptyCompletionIsRefusedAtTheCall) {
  EXPECT_FALSE(TalMeasurement::convertValue(1, kKilometre, kMetre, std::function<void(std::optional<Decimal>)>()));
  EXPECT_FALSE(TalMeasurement::convertValue(1, kKilometre, kMetre, nullptr));
}

TEST(TalMeasurement, ACompletionThatThrowsLeavesLaterConversionsWorking) {
  for (int i = 0; i < 4; ++i)
    EXPECT_TRUE(TalMeasurement::convertValue(i, kKilometre, kMetre,
                                             [](std::optional<Decimal>) { throw std::runtime_error("UI gone"); }));
  auto later = TalMeasurement::convertValue(2, kKilometre, kMetre);
  ASSERT_EQ(later.wait_for(std::chrono::seconds(10)), std::future_status::ready);
  EXPECT_EQ(later.get(), Decimal(2000));
}

TEST(TalMeasurement, RunsOnTheAppsExecutorWhenOneIsInstalled) {
  std::vector<platform::Task> accepted;
  platform::setBackgroundExecutor([&accepted](platform::Task task) { accepted.push_back(std::move(task)); });
  auto future = TalMeasurement::convertValue(3, kKilometre, kMetre);
  std::optional<Decimal> delivered;
  EXPECT_TRUE(TalMeasurement::convertValue(4, kKilometre, kMetre, [&](std::optional<Decimal> r) { delivered = r; }));
  platform::setBackgroundExecutor(nullptr);
  ASSERT_EQ(accepted.size(), 2U);
  EXPECT_EQ(future.wait_for(std::chrono::seconds(0)), std::future_status::timeout);
  for (auto& task : accepted) task();
  EXPECT_EQ(future.get(), Decimal(3000));
  EXPECT_EQ(delivered, Decimal(4000));
}

TEST(TalMeasurement, ManyConcurrentConversionsAgree) {
  std::vector<std::future<std::optional<Decimal>>> results;
  for (int i = 0; i < 200; ++i) results.push_back(TalMeasurement::convertValue(i, kKilometre, kMetre));
  for (int i = 0; i < 200; ++i) EXPECT_EQ(results[static_cast<std::size_t>(i)].get(), Decimal(i) * Decimal(1000));
}

TEST(TalMeasurement, HundredThousandConcurrentCallsFromEightThreads) {
  constexpr int kThreads = 8;
  constexpr int kCallsPerThread = 12500;
  std::atomic<int> wrong{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      std::vector<std::future<std::optional<Decimal>>> results;
      results.reserve(kCallsPerThread);
      for (int i = 0; i < kCallsPerThread; ++i) results.push_back(TalMeasurement::convertValue(t, kKilometre, kMetre));
      for (auto& r : results)
        if (r.get() != Decimal(t) * Decimal(1000)) ++wrong;
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(wrong.load(), 0);
}

}  // namespace
}  // namespace tal
