#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_set>

#include "TalFoundation/units/TalSystemOfUnits.h"
#include "TalFoundation/units/TalUnitCustomaryNameStrategy.h"
#include "TalFoundation/units/TalUnitRegion.h"

namespace tal {
namespace {

// --- TalSystemOfUnits -------------------------------------------------------

struct SystemRow {
  TalSystemOfUnits system;
  int raw;
};

const SystemRow kSystems[] = {
    {TalSystemOfUnits::si, 1},
    {TalSystemOfUnits::naturalUnits, 2},
    {TalSystemOfUnits::avoirdupoisUnits, 3},
    {TalSystemOfUnits::imperialUnitsOnly, 4},
    {TalSystemOfUnits::usCustomaryUnitsOnly, 5},
    {TalSystemOfUnits::troy, 6},
    {TalSystemOfUnits::chineseTraditionalUnits, 7},
    {TalSystemOfUnits::hkChekmaUnits, 8},
    {TalSystemOfUnits::twTraditionalUnits, 9},
};

void PrintTo(const SystemRow& row, std::ostream* os) { *os << row.raw; }

static_assert(TalSystemOfUnits::troy.id() == TalSystemOfUnits::troy);

class SystemOfUnitsRow : public testing::TestWithParam<SystemRow> {};

TEST_P(SystemOfUnitsRow, RawValueMatchesTheTableAndRoundTrips) {
  const SystemRow& e = GetParam();
  EXPECT_EQ(e.system.rawValue(), e.raw);
  EXPECT_EQ(TalSystemOfUnits::fromRawValue(e.raw), e.system);
}

INSTANTIATE_TEST_SUITE_P(AllSystems, SystemOfUnitsRow, testing::ValuesIn(kSystems));

TEST(TalSystemOfUnits, AllCasesInDeclarationOrder) {
  const auto all = TalSystemOfUnits::allCases();
  ASSERT_EQ(all.size(), std::size(kSystems));
  for (std::size_t i = 0; i < all.size(); ++i) EXPECT_EQ(all[i], kSystems[i].system) << i;
  const std::unordered_set<TalSystemOfUnits> distinct(all.begin(), all.end());
  EXPECT_EQ(distinct.size(), all.size());
}

class RejectedSystemRaw : public testing::TestWithParam<int> {};

TEST_P(RejectedSystemRaw, IsAbsent) { EXPECT_EQ(TalSystemOfUnits::fromRawValue(GetParam()), std::nullopt); }

INSTANTIATE_TEST_SUITE_P(OutsideOneToNine, RejectedSystemRaw, testing::Values(0, 10, -1, INT_MIN, INT_MAX));

// --- TalUnitRegion ------------------------------------------------------------

struct RegionRow {
  TalUnitRegion region;
  std::string_view raw;
  std::string_view flag;
};

// Flags spelled as the regional-indicator code points of the two letters.
const RegionRow kRegions[] = {
    {TalUnitRegion::USA, "USA", "\U0001F1FA\U0001F1F8"},           // U S
    {TalUnitRegion::GBR, "GBR", "\U0001F1EC\U0001F1E7"},           // G B
    {TalUnitRegion::CHN, "CHN", "\U0001F1E8\U0001F1F3"},           // C N
    {TalUnitRegion::HKG, "HKG\xE2\x80\x8C", "\U0001F1ED\U0001F1F0"},  // H K
    {TalUnitRegion::TWN, "TWN", "\U0001F1F9\U0001F1FC"},           // T W
    {TalUnitRegion::MAC, "MAC", "\U0001F1F2\U0001F1F4"},           // M O
};

void PrintTo(const RegionRow& row, std::ostream* os) { *os << row.raw.substr(0, 3); }

std::string regionName(const testing::TestParamInfo<RegionRow>& info) {
  return std::string(info.param.raw.substr(0, 3));
}

class UnitRegionRow : public testing::TestWithParam<RegionRow> {};

TEST_P(UnitRegionRow, RawValueAndFlagMatchTheTable) {
  const RegionRow& e = GetParam();
  EXPECT_EQ(e.region.rawValue(), e.raw);
  EXPECT_EQ(e.region.regionFlagText(), e.flag);
  EXPECT_EQ(e.region.regionFlagText().size(), 8u);
}

TEST_P(UnitRegionRow, RawValueRoundTripsAndHashesAsItsText) {
  const RegionRow& e = GetParam();
  EXPECT_EQ(TalUnitRegion::fromRawValue(std::string(e.raw)), e.region);
  EXPECT_EQ(std::hash<TalUnitRegion>{}(e.region), std::hash<std::string_view>{}(e.raw));
}

INSTANTIATE_TEST_SUITE_P(AllRegions, UnitRegionRow, testing::ValuesIn(kRegions), regionName);

TEST(TalUnitRegion, AllCasesInDeclarationOrder) {
  const auto all = TalUnitRegion::allCases();
  ASSERT_EQ(all.size(), std::size(kRegions));
  for (std::size_t i = 0; i < all.size(); ++i) EXPECT_EQ(all[i], kRegions[i].region) << i;
}

TEST(TalUnitRegion, HongKongRawValueCarriesTheZeroWidthNonJoiner) {
  const std::string_view raw = TalUnitRegion::HKG.rawValue();
  const unsigned char expected[] = {0x48, 0x4B, 0x47, 0xE2, 0x80, 0x8C};
  ASSERT_EQ(raw.size(), std::size(expected));
  for (std::size_t i = 0; i < raw.size(); ++i) EXPECT_EQ(static_cast<unsigned char>(raw[i]), expected[i]) << i;
}

TEST(TalUnitRegion, MacauFlagIsMONotMA) {
  const std::string_view flag = TalUnitRegion::MAC.regionFlagText();
  const unsigned char expected[] = {0xF0, 0x9F, 0x87, 0xB2, 0xF0, 0x9F, 0x87, 0xB4};
  ASSERT_EQ(flag.size(), std::size(expected));
  for (std::size_t i = 0; i < flag.size(); ++i) EXPECT_EQ(static_cast<unsigned char>(flag[i]), expected[i]) << i;
  EXPECT_NE(flag, "\U0001F1F2\U0001F1E6");
}

class RejectedRegionRaw : public testing::TestWithParam<std::string_view> {};

TEST_P(RejectedRegionRaw, IsAbsent) { EXPECT_EQ(TalUnitRegion::fromRawValue(GetParam()), std::nullopt); }

// The bare "HKG" is the likeliest mistake; the others are near misses.
INSTANTIATE_TEST_SUITE_P(NearMisses, RejectedRegionRaw,
                         testing::Values(std::string_view("HKG"), std::string_view("HKG\xE2\x80\x8C\xE2\x80\x8C"),
                                         std::string_view("HKG\xE2\x80\x8D"), std::string_view("usa"),
                                         std::string_view("US"), std::string_view("USA "), std::string_view("MO"),
                                         std::string_view("")));

// --- TalUnitCustomaryNameStrategy -----------------------------------------

TEST(TalUnitCustomaryNameStrategy, AllCasesAreGeneralThenThatSameAsDisplayName) {
  const auto all = TalUnitCustomaryNameStrategy::allCases();
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[0], TalUnitCustomaryNameStrategy::general);
  EXPECT_EQ(all[1], TalUnitCustomaryNameStrategy::thatSameAsDisplayName);
  EXPECT_NE(all[0], all[1]);
  const std::unordered_set<TalUnitCustomaryNameStrategy> distinct(all.begin(), all.end());
  EXPECT_EQ(distinct.size(), 2u);
}

}  // namespace
}  // namespace tal
