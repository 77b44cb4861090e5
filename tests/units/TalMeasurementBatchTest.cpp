// Converting one value to many units at once, and the shortcuts the unit
// records prepare for it, each against the plain road it stands in for.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "TalFoundation/catalogues/TalUnitAngle.h"
#include "TalFoundation/catalogues/TalUnitTemperature.h"
#include "TalFoundation/platform/Unit.h"
#include "TalFoundation/units/TalMeasurement.h"
#include "TalFoundation/units/detail/ConversionData.h"

namespace tal {
namespace {

Decimal dec(std::string_view text) { return Decimal::fromString(text).value(); }

TalUnit make(TalUnitCategory category, std::string symbol, Decimal coefficient, bool inverse = false,
             const platform::Unit* dimension = nullptr, Decimal offset = 0) {
  return TalUnit(category, TalSystemOfUnits::si, dimension, symbol, symbol, std::nullopt, std::nullopt, coefficient,
                 std::nullopt, inverse, std::nullopt, offset, false, false, std::nullopt, std::nullopt, std::nullopt);
}

/// Same presence, and the same decimal or both NaN.
testing::AssertionResult same(const std::optional<Decimal>& got, const std::optional<Decimal>& want) {
  if (got.has_value() != want.has_value())
    return testing::AssertionFailure() << (got ? "present" : "absent") << ", expected "
                                       << (want ? want->description() : "absent");
  if (!got) return testing::AssertionSuccess();
  if (got->isNaN() || want->isNaN()) {
    if (got->isNaN() && want->isNaN()) return testing::AssertionSuccess();
    return testing::AssertionFailure() << got->description() << ", expected " << want->description();
  }
  if (*got == *want) return testing::AssertionSuccess();
  return testing::AssertionFailure() << got->description() << ", expected " << want->description();
}

/// Numbers of 1 to 38 digits, either sign, exponents mostly near zero and
/// now and then at the edge of the range; fixed seed.
std::vector<Decimal> generatedValues(std::size_t count, std::uint64_t seed) {
  std::mt19937_64 random(seed);
  std::vector<Decimal> values;
  values.reserve(count);
  while (values.size() < count) {
    const auto digits = 1 + random() % 38;
    std::string text = random() % 2 == 0 ? "-" : "";
    text += static_cast<char>('1' + random() % 9);
    for (std::uint64_t i = 1; i < digits; ++i) {
      // Runs of nines and zeros carry and tie more often than random digits.
      const auto kind = random() % 4;
      text += kind == 0 ? '9' : kind == 1 ? '0' : static_cast<char>('0' + random() % 10);
    }
    const auto exponent = random() % 50 == 0 ? static_cast<long long>(random() % 2 == 0 ? 999950 : -999990)
                                              : static_cast<long long>(random() % 61) - 30;
    text += "E" + std::to_string(exponent);
    values.push_back(dec(text));
  }
  return values;
}

const std::array<const char*, 9> kValues = {
    "1",
    "0",
    "-40",
    "273.15",
    "1.2345678901234567890123456789012345678",
    "-9.9999999999999999999999999999999999999E+25",
    "0.000000000000000000000000000000000000001",
    "5E+999990",
    "7E-999990",
};

TEST(TalMeasurementBatch, EveryUnitGetsWhatTheSingleConvertGives) {
  std::size_t units = 0;
  std::size_t compared = 0;
  std::vector<Decimal> values;
  for (const char* text : kValues) values.push_back(dec(text));
  values.push_back(Decimal::nan());
  for (const TalUnitCategory category : TalUnitCategory::allCases()) {
    if (category == TalUnitCategory::currency) continue;
    const std::vector<TalUnit> all = category.getUnits();
    units += all.size();
    // The base unit, as a list view starts, and two others, one of them
    // with the offset or inverse a category may have.
    std::vector<TalUnit> sources{all.front(), all.back(), all[all.size() / 2]};
    for (const TalUnit& unit : all)
      if (unit.isBaseUnit()) sources.push_back(unit);
    std::vector<std::optional<Decimal>> results(all.size());
    for (const TalUnit& from : sources) {
      for (const Decimal& value : values) {
        TalMeasurement::convert(value, from, all, results);
        for (std::size_t i = 0; i < all.size(); ++i, ++compared)
          EXPECT_TRUE(same(results[i], TalMeasurement::convert(value, from, all[i])))
              << value << " " << from.id() << " to " << all[i].id();
      }
    }
  }
  EXPECT_EQ(units, 651u);
  EXPECT_GT(compared, 651u * kValues.size() * 3);
}

TEST(TalMeasurementBatch, MixedTargetsEachTakeTheirOwnRoad) {
  const auto angles = TalUnitAngle::allUnits();
  const platform::Unit ownPlatformAngle(platform::Dimension::angle, "decadegrees", "da°", 10);
  const TalUnit ownAngle = make(TalUnitCategory::angle, "da°", 7, false, &ownPlatformAngle);
  const TalUnit halfTurn = make(TalUnitCategory::angle, "half", 180);
  const TalUnit sameSymbol = make(TalUnitCategory::angle, angles[0].symbol(), 3);
  const std::vector<TalUnit> targets = {
      angles[3], TalUnitTemperature::kelvin(), ownAngle, angles[0], halfTurn, sameSymbol, angles[1], angles[3],
  };
  const auto check = [&](const TalUnit& from, const Decimal& value) {
    std::vector<std::optional<Decimal>> results(targets.size(), Decimal(99));
    TalMeasurement::convert(value, from, targets, results);
    for (std::size_t i = 0; i < targets.size(); ++i)
      EXPECT_TRUE(same(results[i], TalMeasurement::convert(value, from, targets[i]))) << from.id() << " to " << i;
  };
  for (const char* text : {"180", "-0.5", "1.2345678901234567890123456789012345678"}) {
    check(angles[0], dec(text));
    check(ownAngle, dec(text));
    check(halfTurn, dec(text));
  }
  // Spot checks worked by hand: 180° is π rad, nothing in kelvin, 18 da° by
  // the platform's factor of ten, and 1 half turn of 180°.
  std::vector<std::optional<Decimal>> results(targets.size());
  TalMeasurement::convert(180, angles[0], targets, results);
  EXPECT_EQ(results[0], Decimal::pi());
  EXPECT_FALSE(results[1].has_value());
  EXPECT_EQ(results[2], Decimal(18));
  EXPECT_EQ(results[3], Decimal(180));
  EXPECT_EQ(results[4], Decimal(1));
}

TEST(TalMeasurementBatch, TemperatureAndInverseTargets) {
  const auto temperatures = TalUnitTemperature::allUnits();
  std::vector<std::optional<Decimal>> results(temperatures.size());
  TalMeasurement::convert(100, TalUnitTemperature::celsius(), temperatures, results);
  // K, °C, °F, °R, °Ré, °Rø, °N, °De for 100 °C.
  const std::array<const char*, 8> expected = {"373.15", "100", "212", "671.67", "80", "60", "33", "0"};
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(results[i], dec(expected[i])) << i;

  const TalUnit litresPer100Km = make(TalUnitCategory::fuelEfficiencyVolume, "L/100km", 1);
  const TalUnit kmPerLitre = make(TalUnitCategory::fuelEfficiencyVolume, "km/L", 100, true);
  const std::vector<TalUnit> fuel = {kmPerLitre, litresPer100Km};
  std::vector<std::optional<Decimal>> fuelResults(2);
  TalMeasurement::convert(0, litresPer100Km, fuel, fuelResults);
  ASSERT_TRUE(fuelResults[0].has_value());
  EXPECT_TRUE(fuelResults[0]->isNaN());
  EXPECT_EQ(fuelResults[1], Decimal(0));
  TalMeasurement::convert(5, litresPer100Km, fuel, fuelResults);
  EXPECT_EQ(fuelResults[0], Decimal(20));
}

TEST(TalMeasurementBatch, SpansOfDifferentSizes) {
  const auto length = TalUnitCategory::length.getUnits();
  const std::vector<TalUnit> targets(length.begin(), length.begin() + 3);
  // More results than units: the rest are made absent.
  std::vector<std::optional<Decimal>> longer(5, Decimal(7));
  TalMeasurement::convert(2, length[0], targets, longer);
  for (std::size_t i = 0; i < 3; ++i) EXPECT_TRUE(same(longer[i], TalMeasurement::convert(2, length[0], targets[i])));
  EXPECT_FALSE(longer[3].has_value());
  EXPECT_FALSE(longer[4].has_value());
  // Fewer: only those are written.
  std::vector<std::optional<Decimal>> shorter(2);
  TalMeasurement::convert(2, length[0], targets, shorter);
  EXPECT_TRUE(same(shorter[1], TalMeasurement::convert(2, length[0], targets[1])));
  // Nothing to do, either way.
  TalMeasurement::convert(2, length[0], std::span<const TalUnit>(), longer);
  for (const auto& r : longer) EXPECT_FALSE(r.has_value());
  TalMeasurement::convert(2, length[0], targets, std::span<std::optional<Decimal>>());
}

TEST(TalMeasurementBatch, ValueMayBeOneOfTheResults) {
  const auto length = TalUnitCategory::length.getUnits();
  std::vector<std::optional<Decimal>> results(length.size(), dec("1.5"));
  TalMeasurement::convert(*results[0], length[1], length, results);
  for (std::size_t i = 0; i < length.size(); ++i)
    EXPECT_TRUE(same(results[i], TalMeasurement::convert(dec("1.5"), length[1], length[i]))) << length[i].id();
}

// ---- The shortcuts the records prepare --------------------------------------

struct ReciprocalCase {
  const char* coefficient;
  const char* reciprocal;  // by hand; nullptr: none is exact in 38 digits
};

class ExactReciprocal : public testing::TestWithParam<ReciprocalCase> {};

TEST_P(ExactReciprocal, IsPresentExactlyWhenTheQuotientTerminates) {
  const auto& c = GetParam();
  const auto got = detail::exactReciprocal(dec(c.coefficient));
  if (c.reciprocal == nullptr) {
    EXPECT_FALSE(got.has_value()) << got->description();
  } else {
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(*got, dec(c.reciprocal));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Coefficients, ExactReciprocal,
    testing::Values(ReciprocalCase{"1", "1"}, ReciprocalCase{"1000", "0.001"}, ReciprocalCase{"0.001", "1000"},
                    ReciprocalCase{"-0.25", "-4"}, ReciprocalCase{"1024", "0.0009765625"},
                    ReciprocalCase{"0.0000125", "80000"}, ReciprocalCase{"3.2E-7", "3125000"},
                    // 2^54: its reciprocal 5^54 / 10^54 has 38 digits; 2^55's has 39.
                    ReciprocalCase{"18014398509481984", "5.5511151231257827021181583404541015625E-17"},
                    ReciprocalCase{"36028797018963968", nullptr},
                    // 5^27, the largest power of five that is a 19-digit number.
                    ReciprocalCase{"7450580596923828125", "1.34217728E-19"},
                    ReciprocalCase{"0.3048", nullptr}, ReciprocalCase{"1609.344", nullptr},
                    ReciprocalCase{"3", nullptr}, ReciprocalCase{"60", nullptr}, ReciprocalCase{"0", nullptr},
                    ReciprocalCase{"12345678901234567890", nullptr}));

TEST(ExactReciprocal, NaNHasNone) { EXPECT_FALSE(detail::exactReciprocal(Decimal::nan()).has_value()); }

TEST(ExactReciprocal, MultiplyingByItIsDividingForGeneratedValues) {
  const auto values = generatedValues(600, 0x5eed);
  std::size_t units = 0;
  for (const TalUnitCategory category : TalUnitCategory::allCases()) {
    for (const TalUnit& unit : category.getUnits()) {
      const auto& reciprocal = unit.conversionData().exactReciprocal;
      if (!reciprocal) continue;
      ++units;
      for (const Decimal& x : values)
        ASSERT_TRUE(same(x * *reciprocal, x / unit.coefficient())) << x << " / " << unit.coefficient();
    }
  }
  // The metric prefixes alone give well over a hundred.
  EXPECT_GT(units, 100u);
}

// A unit keeps a prepared divisor exactly when dividing by its coefficient
// is neither skipped (factor 1) nor replaced by a multiplication.
TEST(TalMeasurementShortcuts, DivisorIsPreparedWhereTheDivisionStays) {
  std::size_t prepared = 0;
  for (const TalUnitCategory category : TalUnitCategory::allCases()) {
    for (const TalUnit& unit : category.getUnits()) {
      const auto& data = unit.conversionData();
      const bool divides = !data.unitCoefficient && !data.exactReciprocal;
      ASSERT_EQ(data.divisor.has_value(), divides) << unit.id();
      if (!data.divisor) continue;
      ++prepared;
      EXPECT_EQ(data.divisor->value().toScientificString(), unit.coefficient().toScientificString()) << unit.id();
    }
  }
  EXPECT_GT(prepared, 100u);
  const auto length = TalUnitCategory::length.getUnits();
  const auto unitOf = [&](std::string_view symbol) {
    return *std::find_if(length.begin(), length.end(), [&](const TalUnit& u) { return u.symbol() == symbol; });
  };
  EXPECT_TRUE(unitOf("mi").conversionData().divisor.has_value());
  EXPECT_FALSE(unitOf("km").conversionData().divisor.has_value());
  EXPECT_FALSE(unitOf("m").conversionData().divisor.has_value());
}

/// The generic road as it reads without any shortcut.
Decimal plainRoad(const Decimal& value, const TalUnit& from, const TalUnit& to) {
  Decimal base = from.inverse() ? from.coefficient() / value : value * from.coefficient();
  if (!from.inverse()) base = base + from.offset();
  if (to.inverse()) return to.coefficient() / base;
  if (to.offset().isZero()) return to.baseNumerator() ? base * *to.baseNumerator() : base / to.coefficient();
  return (base - to.offset()) / to.coefficient();
}

TEST(TalMeasurementShortcuts, EveryGenericPairMatchesThePlainRoad) {
  auto values = generatedValues(12, 0xface);
  // Either side of where a power-of-ten factor (10^3 up to 10^-2 here)
  // takes a value out of range, which the folded road must not hide.
  for (const char* edge : {"9.9999999999999999999999999999999999999E+999996", "1E+999997", "5E+999998",
                           "1E-999997", "9E-999998", "-1.5E-999998", "1.5", "-0"})
    values.push_back(dec(edge));
  std::size_t pairs = 0;
  for (const TalUnitCategory category : TalUnitCategory::allCases()) {
    if (category == TalUnitCategory::temperature || category == TalUnitCategory::angle) continue;
    const std::vector<TalUnit> all = category.getUnits();
    for (const TalUnit& from : all) {
      for (const TalUnit& to : all) {
        if (from.symbol() == to.symbol()) continue;
        ++pairs;
        for (const Decimal& x : values)
          ASSERT_TRUE(same(TalMeasurement::convert(x, from, to), plainRoad(x, from, to)))
              << x << " " << from.id() << " to " << to.id();
      }
    }
  }
  EXPECT_GT(pairs, 10000u);
}

TEST(TalMeasurementShortcuts, PowersOfTen) {
  const std::array<std::pair<const char*, std::optional<int>>, 9> cases = {{
      {"1000", 3},
      {"1", 0},
      {"0.001", -3},
      {"1E+30", 30},
      {"1E-24", -24},
      {"1000.000", 3},
      {"2000", std::nullopt},
      {"-1000", std::nullopt},
      {"0", std::nullopt},
  }};
  for (const auto& [text, k] : cases) EXPECT_EQ(detail::powerOfTen(dec(text)), k) << text;
}

// The conversion tells units apart by category and symbol only, which
// equal ids imply as long as no raw value has the "_" that ends it in an id.
TEST(TalMeasurementShortcuts, NoCategoryRawValueHasAnUnderscore) {
  for (const TalUnitCategory category : TalUnitCategory::allCases())
    EXPECT_EQ(category.rawValue().find('_'), std::string_view::npos) << category.rawValue();
}

TEST(TalMeasurementShortcuts, AngleKindsComeFromThePlatformUnit) {
  const auto angles = TalUnitAngle::allUnits();
  const std::array<detail::ExactAngle, 6> kinds = {
      detail::ExactAngle::degrees, detail::ExactAngle::arcMinutes, detail::ExactAngle::arcSeconds,
      detail::ExactAngle::radians, detail::ExactAngle::gradians,   detail::ExactAngle::revolutions,
  };
  for (std::size_t i = 0; i < kinds.size(); ++i) EXPECT_EQ(angles[i].conversionData().angle, kinds[i]) << i;
  const platform::Unit own(platform::Dimension::angle, "decadegrees", "da°", 10);
  EXPECT_EQ(make(TalUnitCategory::angle, "da°", 10, false, &own).conversionData().angle, detail::ExactAngle::other);
  EXPECT_EQ(make(TalUnitCategory::angle, "x", 10).conversionData().angle, detail::ExactAngle::other);
}

}  // namespace
}  // namespace tal
