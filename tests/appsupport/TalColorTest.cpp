#include "TalFoundation/appsupport/TalColor.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <vector>

namespace tal {
namespace {

using platform::Color;
using platform::RGBA;

struct HexRow {
  std::int64_t hex;
  double alpha;
  RGBA expected;
};
void PrintTo(const HexRow& r, std::ostream* os) { *os << std::hex << r.hex; }

class ColorFromHex : public testing::TestWithParam<HexRow> {};

TEST_P(ColorFromHex, TakesTheLow24BitsAsRedGreenBlue) {
  const Color c = TalColor::fromHex(GetParam().hex, GetParam().alpha);
  EXPECT_EQ(c.name(), std::nullopt);
  EXPECT_EQ(c.resolved(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ColorFromHex,
    testing::Values(HexRow{0xFF8000, 1.0, {1.0, 128 / 255.0, 0.0, 1.0}},
                    HexRow{0x1FF8000, 1.0, {1.0, 128 / 255.0, 0.0, 1.0}},         // bit 24 ignored
                    HexRow{0x7FFFFFFFFF008000, 1.0, {0.0, 128 / 255.0, 0.0, 1.0}},  // high bits ignored
                    HexRow{0x123456, 0.5, {18 / 255.0, 52 / 255.0, 86 / 255.0, 0.5}},
                    HexRow{0x000000, 0.0, {0.0, 0.0, 0.0, 0.0}},
                    HexRow{0xFFFFFF, 1.0, {1.0, 1.0, 1.0, 1.0}},
                    HexRow{0x0000FF, 1.0, {0.0, 0.0, 1.0, 1.0}},
                    HexRow{-1, 1.0, {1.0, 1.0, 1.0, 1.0}},                          // all low bits set
                    HexRow{-0x1000000, 1.0, {0.0, 0.0, 0.0, 1.0}},                  // low 24 bits clear
                    HexRow{std::numeric_limits<std::int64_t>::min(), 1.0, {0.0, 0.0, 0.0, 1.0}}));

struct RGBRow {
  std::vector<int> rgb;
  double alpha;
  std::optional<RGBA> expected;
};
void PrintTo(const RGBRow& r, std::ostream* os) { *os << r.rgb.size() << " entries"; }

class ColorFromRGB : public testing::TestWithParam<RGBRow> {};

TEST_P(ColorFromRGB, UsesTheFirstThreeEntriesOrIsAbsent) {
  const std::optional<Color> c = TalColor::fromRGB(GetParam().rgb, GetParam().alpha);
  if (!GetParam().expected) {
    EXPECT_EQ(c, std::nullopt);
    return;
  }
  ASSERT_TRUE(c.has_value());
  EXPECT_EQ(c->resolved(), *GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Lists, ColorFromRGB,
                         testing::Values(RGBRow{{255, 128, 0}, 1.0, RGBA{1.0, 128 / 255.0, 0.0, 1.0}},
                                         RGBRow{{1, 2, 3, 4, 5}, 0.3, RGBA{1 / 255.0, 2 / 255.0, 3 / 255.0, 0.3}},
                                         RGBRow{{300, -5, 0}, 1.0, RGBA{300 / 255.0, -5 / 255.0, 0.0, 1.0}},
                                         RGBRow{{}, 1.0, std::nullopt}, RGBRow{{255}, 1.0, std::nullopt},
                                         RGBRow{{255, 255}, 1.0, std::nullopt}));

TEST(ColorFromRGB, BracedListFormAgrees) {
  EXPECT_EQ(TalColor::fromRGB({255, 128, 0}), TalColor::fromHex(0xFF8000));
  EXPECT_EQ(TalColor::fromRGB({1, 2}), std::nullopt);
}

struct NamedRow {
  Color (*helper)() noexcept;
  Color::Named name;
  const char* label;
};
void PrintTo(const NamedRow& r, std::ostream* os) { *os << r.label; }

class SemanticColor : public testing::TestWithParam<NamedRow> {};

TEST_P(SemanticColor, IsTheToolkitsNamedColour) { EXPECT_EQ(GetParam().helper(), Color::named(GetParam().name)); }

INSTANTIATE_TEST_SUITE_P(
    Helpers, SemanticColor,
    testing::Values(NamedRow{&TalColor::talLabel, Color::Named::label, "talLabel"},
                    NamedRow{&TalColor::platformLabel, Color::Named::label, "platformLabel"},
                    NamedRow{&TalColor::talSecondaryLabel, Color::Named::secondaryLabel, "talSecondaryLabel"},
                    NamedRow{&TalColor::platformSecondaryLabel, Color::Named::secondaryLabel, "platformSecondaryLabel"},
                    NamedRow{&TalColor::platformBackground, Color::Named::systemBackground, "platformBackground"},
                    NamedRow{&TalColor::platformControlBackground, Color::Named::systemBackground,
                             "platformControlBackground"},
                    NamedRow{&TalColor::platformSecondaryBackground, Color::Named::secondarySystemBackground,
                             "platformSecondaryBackground"},
                    NamedRow{&TalColor::platformTertiaryBackground, Color::Named::tertiarySystemGroupedBackground,
                             "platformTertiaryBackground"}));

}  // namespace
}  // namespace tal
