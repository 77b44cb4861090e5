// Checks a catalogue's records against rows typed from its table, with
// coefficients worked out independently (Python's decimal, 38 digits), and
// conversions between its units on the road each one takes.
//
// The parameterised tests below are shared by every catalogue test program: a
// program instantiates them with its own catalogues and conversions, under a
// prefix of its own. Include this header from one source file per program.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "TalFoundation/units/TalMeasurement.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal::testing {

// One expected record. Tables of them list a catalogue's units in display
// order. Coefficients and base numerators that are not a plain literal were
// worked out independently with Python's decimal (38 digits, half even), in
// the order the definitions evaluate them. Symbols of platform units are the
// platform's own texts.
struct ExpectedUnit {
  std::string_view name;
  std::string_view symbol;
  std::string_view coefficient;         // decimal text of the exact expected value
  std::string_view baseNumerator = {};  // empty: absent
  bool platformBacked = false;          // has a platform unit
  bool isBase = false;
  bool inverse = false;
  bool uiBase = false;
  int system = 1;                       // TalSystemOfUnits raw value
  std::string_view region = {};         // TalUnitRegion raw value, empty: absent
  bool customaryGeneral = false;        // useCustomaryName general
  std::string_view key = {};            // localizationKey, empty: absent
  std::string_view symbolKey = {};      // empty: absent
  std::string_view numsInName = {};     // joined with '|', empty: absent
  std::string_view numsInSymbol = {};   // joined with '|', empty: absent
  std::string_view offset = "0";
};

inline std::string joined(const std::optional<std::vector<std::string>>& parts) {
  if (!parts) return {};
  std::string out;
  for (const auto& p : *parts) out += (out.empty() ? "" : "|") + p;
  return out;
}

inline void expectDecimal(const Decimal& actual, std::string_view expected, const std::string& what) {
  const auto value = Decimal::fromString(expected);
  ASSERT_TRUE(value.has_value()) << what << ": bad expected text " << expected;
  EXPECT_EQ(actual, *value) << what << ": got " << actual.description() << ", expected " << expected;
}

/// Every record against its row: count, order and every field.
inline void expectCatalogue(const std::vector<TalUnit>& units, TalUnitCategory category,
                            std::span<const ExpectedUnit> rows) {
  ASSERT_EQ(units.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const TalUnit& u = units[i];
    const ExpectedUnit& row = rows[i];
    const std::string where = "#" + std::to_string(i + 1) + " " + std::string(row.name);
    EXPECT_EQ(u.category(), category) << where;
    EXPECT_EQ(u.name(), row.name) << where;
    EXPECT_EQ(u.symbol(), row.symbol) << where;
    EXPECT_EQ(u.id(), std::string(category.rawValue()) + "_" + std::string(row.symbol)) << where;
    expectDecimal(u.coefficient(), row.coefficient, where + " coefficient");
    if (row.baseNumerator.empty()) {
      EXPECT_FALSE(u.baseNumerator().has_value()) << where;
    } else if (u.baseNumerator()) {
      expectDecimal(*u.baseNumerator(), row.baseNumerator, where + " baseNumerator");
    } else {
      ADD_FAILURE() << where << ": baseNumerator missing";
    }
    expectDecimal(u.offset(), row.offset, where + " offset");
    EXPECT_EQ(u.dimension() != nullptr, row.platformBacked) << where;
    EXPECT_EQ(u.isBaseUnit(), row.isBase) << where;
    EXPECT_EQ(u.inverse(), row.inverse) << where;
    EXPECT_EQ(u.isUIBaseUnit(), row.uiBase) << where;
    EXPECT_EQ(u.systemOfUnits().rawValue(), row.system) << where;
    EXPECT_EQ(u.region() ? std::string(u.region()->rawValue()) : std::string(), row.region) << where;
    EXPECT_EQ(u.useCustomaryName() == TalUnitCustomaryNameStrategy::general, row.customaryGeneral) << where;
    EXPECT_EQ(u.localizationKey().value_or(""), row.key) << where;
    EXPECT_EQ(u.symbolKey().value_or(""), row.symbolKey) << where;
    EXPECT_EQ(u.symbolNeedLocalized(), !row.symbolKey.empty()) << where;
    EXPECT_EQ(joined(u.numsInName()), row.numsInName) << where;
    EXPECT_EQ(joined(u.numsInSymbol()), row.numsInSymbol) << where;
  }
}

/// One catalogue under test: the category it reports, the one it should, and
/// the rows its units should match.
struct Catalogue {
  std::string_view name;
  std::vector<TalUnit> (*allUnits)();
  TalUnitCategory reported;  // what the catalogue's category() says
  TalUnitCategory expected;
  std::string_view rawValue;
  std::span<const ExpectedUnit> rows;
};

inline void PrintTo(const Catalogue& c, std::ostream* os) { *os << c.name; }

/// Names each instantiated catalogue test after its catalogue.
inline std::string namedAfterTheCatalogue(const ::testing::TestParamInfo<Catalogue>& info) {
  return std::string(info.param.name);
}

/// One conversion between two units of a catalogue, found by name; the value
/// and the expected result as decimal text.
struct Conversion {
  std::vector<TalUnit> (*allUnits)();
  std::string_view value;
  std::string_view from;
  std::string_view to;
  std::string_view expected;
};

inline void PrintTo(const Conversion& c, std::ostream* os) { *os << c.value << " " << c.from << " -> " << c.to; }

inline std::optional<TalUnit> unitNamed(const std::vector<TalUnit>& units, std::string_view name) {
  for (const TalUnit& unit : units)
    if (unit.name() == name) return unit;
  return std::nullopt;
}

/// Both units of a conversion and its result; all empty when a unit is
/// unknown or the value is not decimal text.
struct Converted {
  std::optional<TalUnit> from;
  std::optional<TalUnit> to;
  std::optional<Decimal> result;
};

inline Converted convert(const Conversion& c) {
  const std::vector<TalUnit> units = c.allUnits();
  const auto from = unitNamed(units, c.from);
  const auto to = unitNamed(units, c.to);
  const auto value = Decimal::fromString(c.value);
  if (!from || !to || !value) return {};
  return {from, to, TalMeasurement::convert(*value, *from, *to)};
}

class EachCatalogue : public ::testing::TestWithParam<Catalogue> {};
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(EachCatalogue);

TEST_P(EachCatalogue, ReportsItsCategory) {
  EXPECT_EQ(GetParam().reported, GetParam().expected);
  EXPECT_EQ(GetParam().expected.rawValue(), GetParam().rawValue);
}

TEST_P(EachCatalogue, ListsItsUnitsInDisplayOrder) {
  expectCatalogue(GetParam().allUnits(), GetParam().expected, GetParam().rows);
}

// The two direct roads: neither unit is inverse, and whether the target has a
// base numerator decides between them.
enum class TargetUnit { withABaseNumerator, withoutABaseNumerator };

inline void expectDirectConversion(const Conversion& c, TargetUnit target) {
  const Converted out = convert(c);
  ASSERT_TRUE(out.to.has_value()) << "unknown unit";
  ASSERT_FALSE(out.from->inverse() || out.to->inverse()) << "case belongs to the inverse road";
  if (target == TargetUnit::withABaseNumerator) {
    ASSERT_TRUE(out.to->baseNumerator().has_value()) << "case belongs to the generic road";
  } else {
    ASSERT_FALSE(out.to->baseNumerator().has_value()) << "case belongs to the reciprocal road";
  }
  ASSERT_TRUE(out.result.has_value());
  expectDecimal(*out.result, c.expected, std::string(c.to));
}

// Targets with a base numerator: the result is base value × base numerator.
class TheReciprocalRoad : public ::testing::TestWithParam<Conversion> {};
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(TheReciprocalRoad);

TEST_P(TheReciprocalRoad, MultipliesTheBaseValueByTheTargetBaseNumerator) {
  expectDirectConversion(GetParam(), TargetUnit::withABaseNumerator);
}

// Targets without one: base value ÷ target coefficient.
class TheGenericRoad : public ::testing::TestWithParam<Conversion> {};
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(TheGenericRoad);

TEST_P(TheGenericRoad, DividesTheBaseValueByTheTargetCoefficient) {
  expectDirectConversion(GetParam(), TargetUnit::withoutABaseNumerator);
}

}  // namespace tal::testing
