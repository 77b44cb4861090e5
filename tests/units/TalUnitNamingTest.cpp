#include "TalFoundation/units/TalUnitNaming.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "TalFoundation/units/TalUnit.h"

namespace tal {
namespace {

TEST(TalUnitNaming, BuildsEachKeyForm) {
  EXPECT_EQ(symbolFormKey(TalUnitCategory::pressure, "Pa"), "unit_pressure_Pa");
  EXPECT_EQ(symbolFormKey(TalUnitCategory::acceleration, "km/(h·s)"), "unit_acceleration_km/(h·s)");
  EXPECT_EQ(regionalFormKey(TalUnitCategory::mass, TalUnitRegion::HKG, "catty"), "unit_mass_HKG_catty");
  EXPECT_EQ(nameFormKey(TalUnitCategory::length, "Nautical Mile"), "unit_length_$Nautical_Mile");
  EXPECT_EQ(sharedFormKey("rpm"), "unit_share_rpm");
}

struct NumeralCase {
  const char* text;
  std::vector<std::string> numerals;
};
class TalUnitNumerals : public testing::TestWithParam<NumeralCase> {};
TEST_P(TalUnitNumerals, ListsWhatAReaderSees) { EXPECT_EQ(numeralsIn(GetParam().text), GetParam().numerals); }
INSTANTIATE_TEST_SUITE_P(
    Texts, TalUnitNumerals,
    testing::Values(NumeralCase{"Chinese mainland mu, ≈ 666.667 m²", {"666.667", "2"}},
                    NumeralCase{"Calorie (20°C)", {"20"}}, NumeralCase{"cal_15", {"15"}},
                    NumeralCase{"Liter per 100 Kilometers", {"100"}}, NumeralCase{"Square Meter", {}},
                    NumeralCase{"m10²", {"10", "2"}}, NumeralCase{"Sun (1/33 m)", {"1", "33"}},
                    NumeralCase{"ends 5.", {"5"}}, NumeralCase{"1.2.3", {"1.2", "3"}},
                    NumeralCase{"bad \xff\xfe 7 \xe2\x82", {"7"}}, NumeralCase{"", {}},
                    // Overlong forms of "1", "2" and "3" are no digits.
                    NumeralCase{"\xC0\xB1", {}}, NumeralCase{"x\xC0\xB1" "2", {"2"}},
                    NumeralCase{"\xE0\x80\xB2 \xF0\x80\x80\xB3", {}},
                    // Nor is an encoded surrogate, nor an overlong superscript two (U+00B2).
                    NumeralCase{"\xED\xA0\x80" "4", {"4"}}, NumeralCase{"m\xE0\x82\xB2", {}}));

std::vector<TalUnit> everyUnit() {
  std::vector<TalUnit> all;
  for (const auto& category : TalUnitCategory::allCases()) {
    const auto units = category.getUnits();
    all.insert(all.end(), units.begin(), units.end());
  }
  return all;
}

bool isPlainNumeral(const std::string& s) {
  if (s.empty() || s.front() == '.' || s.back() == '.') return false;
  return std::all_of(s.begin(), s.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; }) &&
         std::count(s.begin(), s.end(), '.') <= 1;
}

// Keys that are deliberately another category's: the same unit elsewhere.
// Keys that do not follow from the unit's own texts: the same unit's key in
// another category, the two ton-force units that keep the mass prefix, and
// keys made from a short symbol ("metric cup", "b") where the unit shows a
// longer one ("metric cup Imperial", "bit").
const std::set<std::string> kBorrowedKeys = {
    "unit_current_A",         "unit_power_W",       "unit_power_mW",
    "unit_power_kW",          "unit_angle_grad",    "unit_mass_$Long_Ton_Force",
    "unit_mass_$Short_Ton_Force", "unit_volume_metric cup", "unit_datastorage_b"};

// The walks below cover the whole fixed catalogue; currency lists nothing
// until rates arrive, which never happens in this program.
TEST(TalUnitNaming, TheWalkCoversEveryFixedUnit) { EXPECT_EQ(everyUnit().size(), 651u); }

TEST(TalUnitNaming, EveryKeyHasOneOfTheForms) {
  for (const TalUnit& u : everyUnit()) {
    if (!u.localizationKey()) continue;
    const std::string& key = *u.localizationKey();
    const auto c = u.category();
    bool known = key == symbolFormKey(c, u.symbol()) || key == nameFormKey(c, u.name()) ||
                 key == sharedFormKey(u.symbol()) || kBorrowedKeys.count(key) != 0;
    if (u.region() && u.region() != TalUnitRegion::GBR && u.region() != TalUnitRegion::USA) {
      const std::string prefix = regionalFormKey(c, *u.region(), "");
      known = known || (key.rfind(prefix, 0) == 0 && key.size() > prefix.size());
    }
    EXPECT_TRUE(known) << u.id() << " has key " << key;
  }
}

TEST(TalUnitNaming, OnlyDataStorageSymbolsAreTranslated) {
  std::size_t translated = 0;
  for (const TalUnit& u : everyUnit()) {
    if (u.category() == TalUnitCategory::dataStorage) {
      ++translated;
      const std::string key = u.symbolKey().value_or("");
      EXPECT_TRUE(key == symbolFormKey(u.category(), u.symbol()) || kBorrowedKeys.count(key) != 0) << u.id();
      EXPECT_TRUE(u.symbolNeedLocalized()) << u.id();
    } else {
      EXPECT_FALSE(u.symbolKey().has_value()) << u.id();
      EXPECT_FALSE(u.symbolNeedLocalized()) << u.id();
    }
  }
  EXPECT_EQ(translated, 34u);
}

// Names whose numerals the catalogue leaves unlisted.
const std::set<std::string> kUnlistedNumerals = {"Hong Kong troy mace, ≈ 3.743 g"};

TEST(TalUnitNaming, NumeralsAreTheOnesInTheText) {
  for (const TalUnit& u : everyUnit()) {
    const auto inName = numeralsIn(u.name());
    if (u.numsInName()) {
      for (const auto& n : *u.numsInName()) {
        EXPECT_TRUE(isPlainNumeral(n)) << u.id() << ": \"" << n << "\"";
        EXPECT_NE(std::find(inName.begin(), inName.end(), n), inName.end()) << u.id() << ": " << n << " not in name";
      }
    } else if (kUnlistedNumerals.count(u.name()) == 0) {
      EXPECT_TRUE(inName.empty()) << u.id() << ": name has numerals but no list";
    }
    if (u.numsInSymbol()) {
      const auto inSymbol = numeralsIn(u.symbol());
      for (const auto& n : *u.numsInSymbol()) {
        EXPECT_TRUE(isPlainNumeral(n)) << u.id() << ": \"" << n << "\"";
        EXPECT_NE(std::find(inSymbol.begin(), inSymbol.end(), n), inSymbol.end())
            << u.id() << ": " << n << " not in symbol";
      }
    }
  }
}

TEST(TalUnitNaming, CustomaryNamesGoWithTheChineseRegions) {
  for (const TalUnit& u : everyUnit()) {
    const bool chinese = u.region() == TalUnitRegion::CHN || u.region() == TalUnitRegion::HKG ||
                         u.region() == TalUnitRegion::TWN;
    if (u.useCustomaryName() == TalUnitCustomaryNameStrategy::thatSameAsDisplayName) {
      EXPECT_EQ(u.localizationKey(), "unit_duration_$Week") << u.id();
    } else {
      EXPECT_EQ(u.useCustomaryName().has_value(), chinese) << u.id();
    }
    if (u.region() == TalUnitRegion::GBR || u.region() == TalUnitRegion::USA) {
      EXPECT_EQ(u.category(), TalUnitCategory::volume) << u.id();
    }
    EXPECT_NE(u.region(), TalUnitRegion::MAC) << u.id();
  }
}

}  // namespace
}  // namespace tal
