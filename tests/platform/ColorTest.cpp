#include "TalFoundation/platform/Color.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tal::platform {
namespace {

using Named = Color::Named;
using Appearance = Color::Appearance;

struct NamedRow {
  Named name;
  RGBA light;
  RGBA dark;
};
void PrintTo(const NamedRow& r, std::ostream* os) { *os << static_cast<int>(r.name); }

// The toolkit's published values, as 0-255 channels and opacity.
const NamedRow kNamed[] = {
    {Named::label, {0 / 255.0, 0 / 255.0, 0 / 255.0, 1.0}, {255 / 255.0, 255 / 255.0, 255 / 255.0, 1.0}},
    {Named::secondaryLabel, {60 / 255.0, 60 / 255.0, 67 / 255.0, 0.6}, {235 / 255.0, 235 / 255.0, 245 / 255.0, 0.6}},
    {Named::systemBackground, {255 / 255.0, 255 / 255.0, 255 / 255.0, 1.0}, {0 / 255.0, 0 / 255.0, 0 / 255.0, 1.0}},
    {Named::secondarySystemBackground, {242 / 255.0, 242 / 255.0, 247 / 255.0, 1.0},
     {28 / 255.0, 28 / 255.0, 30 / 255.0, 1.0}},
    {Named::tertiarySystemGroupedBackground, {242 / 255.0, 242 / 255.0, 247 / 255.0, 1.0},
     {44 / 255.0, 44 / 255.0, 46 / 255.0, 1.0}},
};

class NamedColor : public testing::TestWithParam<NamedRow> {};

TEST_P(NamedColor, ResolvesPerAppearance) {
  const Color c = Color::named(GetParam().name);
  EXPECT_EQ(c.name(), GetParam().name);
  EXPECT_EQ(c.resolved(Appearance::light), GetParam().light);
  EXPECT_EQ(c.resolved(Appearance::dark), GetParam().dark);
  EXPECT_EQ(c.resolved(), GetParam().light);
}

INSTANTIATE_TEST_SUITE_P(AllNames, NamedColor, testing::ValuesIn(kNamed));

TEST(Color, FixedColourIgnoresTheAppearanceAndKeepsOutOfRangeComponents) {
  const Color c = Color::sRGB(1.2, -0.1, 0.5, 0.25);
  EXPECT_EQ(c.name(), std::nullopt);
  EXPECT_EQ(c.resolved(Appearance::light), (RGBA{1.2, -0.1, 0.5, 0.25}));
  EXPECT_EQ(c.resolved(Appearance::dark), (RGBA{1.2, -0.1, 0.5, 0.25}));
}

TEST(Color, EqualityTellsNamedFromFixedOfTheSameLook) {
  EXPECT_EQ(Color::sRGB(0, 0, 0), Color());
  EXPECT_EQ(Color::named(Named::label), Color::named(Named::label));
  EXPECT_NE(Color::named(Named::label), Color::sRGB(0, 0, 0));
  EXPECT_NE(Color::named(Named::systemBackground), Color::named(Named::label));
  EXPECT_NE(Color::sRGB(0, 0, 0, 0.5), Color::sRGB(0, 0, 0, 1.0));
}

}  // namespace
}  // namespace tal::platform
