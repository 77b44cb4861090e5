#include "TalFoundation/units/TalUnit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <unordered_set>
#include <utility>
#include <vector>

namespace tal {
namespace {

TalUnit unit(TalUnitCategory category, std::string symbol, Decimal coefficient = 1,
             std::optional<std::string> symbolKey = std::nullopt) {
  return TalUnit(category, TalSystemOfUnits::si, nullptr, "Some Unit", std::move(symbol), std::move(symbolKey),
                 std::nullopt, coefficient, std::nullopt, false, std::nullopt, 0, false, false, std::nullopt,
                 std::nullopt, std::nullopt);
}

TEST(TalUnit, IdIsTheRawValueThenTheSymbol) {
  EXPECT_EQ(unit(TalUnitCategory::area, "m²").id(), "area_m²");
  EXPECT_EQ(unit(TalUnitCategory::fuelEfficiencyVolume, "km/L").id(), "fuelvolume_km/L");
  EXPECT_EQ(unit(TalUnitCategory::electricCurrent, "A").id(), "current_A");
}

TEST(TalUnit, SymbolNeedsLocalizingOnlyWithANonEmptyKey) {
  EXPECT_FALSE(unit(TalUnitCategory::dataStorage, "kB").symbolNeedLocalized());
  EXPECT_FALSE(unit(TalUnitCategory::dataStorage, "kB", 1, "").symbolNeedLocalized());
  EXPECT_TRUE(unit(TalUnitCategory::dataStorage, "kB", 1, "unit_datastorage_kB").symbolNeedLocalized());
}

TEST(TalUnit, EqualityAndHashFollowCategoryAndSymbolOnly) {
  const TalUnit euroA = unit(TalUnitCategory::currency, "EUR", Decimal(1) / 0.855422_dec);
  const TalUnit euroB = unit(TalUnitCategory::currency, "EUR", Decimal(1) / 0.9_dec);
  EXPECT_EQ(euroA, euroB);
  EXPECT_EQ(std::hash<TalUnit>{}(euroA), std::hash<TalUnit>{}(euroB));
  EXPECT_NE(unit(TalUnitCategory::length, "m"), unit(TalUnitCategory::area, "m"));
  EXPECT_NE(unit(TalUnitCategory::length, "m"), unit(TalUnitCategory::length, "M"));
  const std::unordered_set<TalUnit> set{euroA, euroB, unit(TalUnitCategory::length, "EUR")};
  EXPECT_EQ(set.size(), 2u);
}

TEST(TalUnit, CopiesKeepEveryField) {
  const TalUnit original(TalUnitCategory::length, TalSystemOfUnits::chineseTraditionalUnits, nullptr, "Li", "li",
                         std::nullopt, TalUnitCustomaryNameStrategy::general, 500, 0.002_dec, true,
                         TalUnitRegion::CHN, 0, true, true, std::vector<std::string>{"500"},
                         std::vector<std::string>{"5", "0"}, "unit_length_CHN_li");
  const TalUnit copy = original;  // NOLINT(performance-unnecessary-copy-initialization)
  EXPECT_EQ(copy.systemOfUnits(), TalSystemOfUnits::chineseTraditionalUnits);
  EXPECT_EQ(copy.useCustomaryName(), TalUnitCustomaryNameStrategy::general);
  EXPECT_EQ(copy.baseNumerator(), 0.002_dec);
  EXPECT_EQ(copy.region(), TalUnitRegion::CHN);
  EXPECT_TRUE(copy.inverse() && copy.isBaseUnit() && copy.isUIBaseUnit());
  EXPECT_EQ(copy.numsInSymbol(), (std::vector<std::string>{"5", "0"}));
  EXPECT_EQ(copy.localizationKey(), "unit_length_CHN_li");
}

// Each field by name lands in its own accessor; the two flags in particular
// cannot trade places.
TEST(TalUnit, BuildsFromNamedFields) {
  const TalUnit onlyBase({.category = TalUnitCategory::length, .name = "Meter", .symbol = "m", .isBaseUnit = true});
  EXPECT_TRUE(onlyBase.isBaseUnit());
  EXPECT_FALSE(onlyBase.isUIBaseUnit());
  const TalUnit onlyUI({.category = TalUnitCategory::length, .symbol = "km", .isUIBaseUnit = true});
  EXPECT_FALSE(onlyUI.isBaseUnit());
  EXPECT_TRUE(onlyUI.isUIBaseUnit());
  EXPECT_EQ(onlyBase.id(), "length_m");
  EXPECT_EQ(onlyBase.systemOfUnits(), TalSystemOfUnits::si);
  EXPECT_EQ(onlyBase.coefficient(), Decimal(1));
  EXPECT_EQ(onlyBase.offset(), Decimal(0));
  EXPECT_FALSE(onlyBase.inverse() || onlyBase.symbolNeedLocalized());

  const TalUnit li({.category = TalUnitCategory::length,
                    .systemOfUnits = TalSystemOfUnits::chineseTraditionalUnits,
                    .name = "Li",
                    .symbol = "li",
                    .symbolKey = "unit_length_li",
                    .useCustomaryName = TalUnitCustomaryNameStrategy::general,
                    .coefficient = 500,
                    .baseNumerator = 0.002_dec,
                    .inverse = true,
                    .region = TalUnitRegion::CHN,
                    .offset = 3,
                    .numsInName = std::vector<std::string>{"500"},
                    .numsInSymbol = std::vector<std::string>{"5"},
                    .localizationKey = "unit_length_CHN_li"});
  EXPECT_EQ(li.name(), "Li");
  EXPECT_EQ(li.symbolKey(), "unit_length_li");
  EXPECT_TRUE(li.symbolNeedLocalized());
  EXPECT_EQ(li.useCustomaryName(), TalUnitCustomaryNameStrategy::general);
  EXPECT_EQ(li.coefficient(), Decimal(500));
  EXPECT_EQ(li.baseNumerator(), 0.002_dec);
  EXPECT_TRUE(li.inverse());
  EXPECT_EQ(li.region(), TalUnitRegion::CHN);
  EXPECT_EQ(li.offset(), Decimal(3));
  EXPECT_EQ(li.numsInName(), (std::vector<std::string>{"500"}));
  EXPECT_EQ(li.numsInSymbol(), (std::vector<std::string>{"5"}));
  EXPECT_EQ(li.localizationKey(), "unit_length_CHN_li");
}

// Moved-from values are what std::remove_if and friends leave behind.
TEST(TalUnit, AMovedFromUnitKeepsItsValue) {
  TalUnit source = unit(TalUnitCategory::length, "km", 1000);
  const TalUnit taken = std::move(source);
  // NOLINTBEGIN(bugprone-use-after-move,clang-analyzer-cplusplus.Move): the point of the test
  EXPECT_EQ(source.symbol(), "km");
  EXPECT_EQ(source.coefficient(), Decimal(1000));
  EXPECT_EQ(source, taken);
  EXPECT_EQ(source.hash(), taken.hash());

  TalUnit assigned = unit(TalUnitCategory::mass, "g");
  assigned = std::move(source);
  EXPECT_EQ(assigned.id(), "length_km");
  EXPECT_EQ(source.id(), "length_km");
  // NOLINTEND(bugprone-use-after-move,clang-analyzer-cplusplus.Move)

  std::vector<TalUnit> units{unit(TalUnitCategory::length, "m"), unit(TalUnitCategory::length, "cm"),
                             unit(TalUnitCategory::length, "mm")};
  const auto end = std::remove_if(units.begin(), units.end(), [](const TalUnit& u) { return u.symbol() == "m"; });
  for (auto it = end; it != units.end(); ++it) EXPECT_FALSE(it->symbol().empty() && it->id().empty());
  for (const TalUnit& u : units) EXPECT_EQ(u.category(), TalUnitCategory::length);
}

TEST(TalUnit, DefaultUnitForACategoryIsItsFirstUnit) {
  const auto angle = TalUnit::defaultUnit(TalUnitCategory::angle);
  ASSERT_TRUE(angle.has_value());
  EXPECT_EQ(angle->name(), "Degree");
  // No rates applied yet: the currency list is empty.
  EXPECT_FALSE(TalUnit::defaultUnit(TalUnitCategory::currency).has_value());
}

}  // namespace
}  // namespace tal
