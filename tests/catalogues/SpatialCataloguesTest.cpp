// The length, area and volume catalogues: every record field by field,
// conversions on both roads they take, and their public unit constants.
#include <gtest/gtest.h>

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "TalFoundation/catalogues/TalUnitArea.h"
#include "TalFoundation/catalogues/TalUnitLength.h"
#include "TalFoundation/catalogues/TalUnitVolume.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"
#include "tests/catalogues/CatalogueExpectations.h"

namespace tal {
namespace {

using namespace tal::testing;

// TalUnitLength: category length, raw value "length".
constexpr ExpectedUnit kLength[] = {
    {.name = "Megameter", .symbol = "Mm", .coefficient = "1000000", .baseNumerator = "0.000001", .platformBacked = true},
    {.name = "Kilometer", .symbol = "km", .coefficient = "1000", .baseNumerator = "0.001", .platformBacked = true},
    {.name = "Hectometer", .symbol = "hm", .coefficient = "100", .baseNumerator = "0.01", .platformBacked = true},
    {.name = "Decameter", .symbol = "dam", .coefficient = "10", .baseNumerator = "0.1", .platformBacked = true},
    {.name = "Meter", .symbol = "m", .coefficient = "1", .baseNumerator = "1", .platformBacked = true, .isBase = true},
    {.name = "Decimeter", .symbol = "dm", .coefficient = "0.1", .baseNumerator = "10", .platformBacked = true},
    {.name = "Centimeter", .symbol = "cm", .coefficient = "0.01", .baseNumerator = "100", .platformBacked = true},
    {.name = "Millimeter", .symbol = "mm", .coefficient = "0.001", .baseNumerator = "1000", .platformBacked = true},
    {.name = "Micrometer", .symbol = "µm", .coefficient = "0.000001", .baseNumerator = "1000000", .platformBacked = true},
    {.name = "Nanometer", .symbol = "nm", .coefficient = "1e-9", .baseNumerator = "1e9", .platformBacked = true},
    {.name = "Picometer", .symbol = "pm", .coefficient = "1e-12", .baseNumerator = "1e12", .platformBacked = true},
    {.name = "Inches", .symbol = "in", .coefficient = "0.0254", .platformBacked = true},
    {.name = "Foot", .symbol = "ft", .coefficient = "0.3048", .platformBacked = true},
    {.name = "Yard", .symbol = "yd", .coefficient = "0.9144", .platformBacked = true},
    {.name = "Fathom", .symbol = "ftm", .coefficient = "1.8288", .platformBacked = true},
    {.name = "Rod", .symbol = "rd", .coefficient = "5.0292", .key = "unit_length_rd"},
    {.name = "Chain", .symbol = "ch", .coefficient = "20.1168", .key = "unit_length_ch"},
    {.name = "Furlong", .symbol = "fur", .coefficient = "201.168", .platformBacked = true},
    {.name = "Mile", .symbol = "mi", .coefficient = "1609.344", .platformBacked = true},
    {.name = "Scandinavian Mile", .symbol = "smi", .coefficient = "10000.0", .baseNumerator = "0.0001", .platformBacked = true},
    {.name = "Nautical Mile", .symbol = "n mile", .coefficient = "1852.0", .platformBacked = true, .key = "unit_length_$Nautical_Mile"},
    {.name = "Astronomical Unit", .symbol = "au", .coefficient = "1.496e11", .platformBacked = true, .key = "unit_length_$Astronomical_Unit"},
    {.name = "Parsec", .symbol = "pc", .coefficient = "3.086e16", .platformBacked = true},
    {.name = "Light Year", .symbol = "ly", .coefficient = "9.461e15", .platformBacked = true},
    {.name = "Chinese mainland li (length), 500 m", .symbol = "li(500 m)", .coefficient = "500", .baseNumerator = "0.002", .region = "CHN", .customaryGeneral = true, .key = "unit_length_CHN_li", .numsInName = "500", .numsInSymbol = "500"},
    {.name = "Chinese mainland yin, ≈ 33.33 m", .symbol = "yin", .coefficient = "33.333333333333333333333333333333333333", .baseNumerator = "0.03", .region = "CHN", .customaryGeneral = true, .key = "unit_length_CHN_yin", .numsInName = "33.33"},
    {.name = "Chinese mainland zhang, ≈ 3.33 m", .symbol = "zhang", .coefficient = "3.3333333333333333333333333333333333333", .baseNumerator = "0.3", .region = "CHN", .customaryGeneral = true, .key = "unit_length_CHN_zhang", .numsInName = "3.33"},
    {.name = "Chinese mainland chi, ≈ 0.33 m", .symbol = "chi", .coefficient = "0.33333333333333333333333333333333333333", .baseNumerator = "3.0", .region = "CHN", .customaryGeneral = true, .key = "unit_length_CHN_chi", .numsInName = "0.33"},
    {.name = "Chinese mainland cun, ≈ 3.33 cm", .symbol = "cun", .coefficient = "0.033333333333333333333333333333333333333", .baseNumerator = "30.0", .region = "CHN", .customaryGeneral = true, .key = "unit_length_CHN_cun", .numsInName = "3.33"},
    {.name = "Chinese mainland fen (length), ≈ 3.33 mm", .symbol = "fen", .coefficient = "0.0033333333333333333333333333333333333333", .baseNumerator = "300.0", .region = "CHN", .customaryGeneral = true, .key = "unit_length_CHN_fen", .numsInName = "3.33"},
    {.name = "Chinese mainland li (length), ≈ 0.33 mm", .symbol = "li(≈ 0.33 mm)", .coefficient = "0.00033333333333333333333333333333333333333", .baseNumerator = "3000.0", .region = "CHN", .customaryGeneral = true, .key = "unit_length_CHN_centi_cun", .numsInName = "0.33", .numsInSymbol = "0.33"},
    {.name = "Chinese mainland hao (length), ≈ 0.033 mm", .symbol = "hao", .coefficient = "0.000033333333333333333333333333333333333333", .baseNumerator = "30000.0", .region = "CHN", .customaryGeneral = true, .key = "unit_length_CHN_hao", .numsInName = "0.033"},
    {.name = "Jo (10 Shaku)", .symbol = "jo", .coefficient = "3.0303030303030303030303030303030303030", .baseNumerator = "0.33", .region = "TWN", .customaryGeneral = true, .key = "unit_length_TWN_zhang", .numsInName = "10"},
    {.name = "Shaku (10/33 m)", .symbol = "shaku", .coefficient = "0.30303030303030303030303030303030303030", .baseNumerator = "3.3", .region = "TWN", .customaryGeneral = true, .key = "unit_length_TWN_chi", .numsInName = "10|33"},
    {.name = "Sun (1/33 m)", .symbol = "sun", .coefficient = "0.03030303030303030303030303030303030303", .baseNumerator = "33", .region = "TWN", .customaryGeneral = true, .key = "unit_length_TWN_cun", .numsInName = "33|1"},
    {.name = "Bu (1/100 Shaku)", .symbol = "bu", .coefficient = "0.003030303030303030303030303030303030303", .baseNumerator = "330", .region = "TWN", .customaryGeneral = true, .key = "unit_length_TWN_fen", .numsInName = "100|1"},
};

// TalUnitArea: category area, raw value "area".
constexpr ExpectedUnit kArea[] = {
    {.name = "Square Megameter", .symbol = "Mm²", .coefficient = "1e12", .baseNumerator = "1e-12", .platformBacked = true, .numsInSymbol = "2"},
    {.name = "Square Kilometer", .symbol = "km²", .coefficient = "1000000", .baseNumerator = "0.000001", .platformBacked = true, .numsInSymbol = "2"},
    {.name = "Square Hectometer", .symbol = "hm²", .coefficient = "10000.0", .baseNumerator = "0.0001", .key = "unit_area_hm²", .numsInSymbol = "2"},
    {.name = "Square Decameter", .symbol = "dam²", .coefficient = "100", .baseNumerator = "0.01", .key = "unit_area_dam²", .numsInSymbol = "2"},
    {.name = "Square Meter", .symbol = "m²", .coefficient = "1.0", .baseNumerator = "1.0", .platformBacked = true, .isBase = true, .numsInSymbol = "2"},
    {.name = "Square Decimeter", .symbol = "dm²", .coefficient = "0.01", .baseNumerator = "100", .key = "unit_area_dm²", .numsInSymbol = "2"},
    {.name = "Square Centimeter", .symbol = "cm²", .coefficient = "0.0001", .baseNumerator = "10000", .platformBacked = true, .numsInSymbol = "2"},
    {.name = "Square Millimeter", .symbol = "mm²", .coefficient = "0.000001", .baseNumerator = "1000000", .platformBacked = true, .numsInSymbol = "2"},
    {.name = "Square Micrometer", .symbol = "µm²", .coefficient = "1e-12", .baseNumerator = "1e12", .platformBacked = true, .numsInSymbol = "2"},
    {.name = "Hectare", .symbol = "ha", .coefficient = "10000", .baseNumerator = "0.0001", .platformBacked = true},
    {.name = "Are", .symbol = "a", .coefficient = "100", .baseNumerator = "0.01", .key = "unit_area_a"},
    {.name = "Square Inch", .symbol = "in²", .coefficient = "0.00064516", .platformBacked = true, .numsInSymbol = "2"},
    {.name = "Square Foot", .symbol = "ft²", .coefficient = "0.09290304", .platformBacked = true, .numsInSymbol = "2"},
    {.name = "Square Yard", .symbol = "yd²", .coefficient = "0.83612736", .platformBacked = true, .numsInSymbol = "2"},
    {.name = "Square Mile", .symbol = "mi²", .coefficient = "2589988.110336", .platformBacked = true, .numsInSymbol = "2"},
    {.name = "Acre", .symbol = "ac", .coefficient = "4046.856422400", .platformBacked = true},
    {.name = "Chinese mainland qing, ≈ 6.667 ha", .symbol = "qing", .coefficient = "66666.666666666666666666666666666666667", .region = "CHN", .customaryGeneral = true, .key = "unit_area_CHN_qing", .numsInName = "6.667"},
    {.name = "Chinese mainland mu, ≈ 666.667 m²", .symbol = "mu", .coefficient = "666.66666666666666666666666666666666667", .baseNumerator = "0.0015", .region = "CHN", .customaryGeneral = true, .key = "unit_area_CHN_mu", .numsInName = "666.667|2"},
    {.name = "Chinese mainland fen (area), ≈ 66.667 m²", .symbol = "fen", .coefficient = "66.666666666666666666666666666666666667", .baseNumerator = "0.015", .region = "CHN", .customaryGeneral = true, .key = "unit_area_CHN_fen", .numsInName = "66.667|2"},
    {.name = "Chinese mainland li (area), ≈ 6.667 m²", .symbol = "li", .coefficient = "6.6666666666666666666666666666666666667", .baseNumerator = "0.15", .region = "CHN", .customaryGeneral = true, .key = "unit_area_CHN_li", .numsInName = "6.667|2"},
    {.name = "Chinese mainland hao (area), ≈ 0.667 m²", .symbol = "hao", .coefficient = "0.66666666666666666666666666666666666667", .baseNumerator = "1.5", .region = "CHN", .customaryGeneral = true, .key = "unit_area_CHN_hao", .numsInName = "0.667|2"},
    {.name = "Taiwan Ping, ≈ 3.3 m²", .symbol = "Taiwan Ping", .coefficient = "3.3057851239669421487603305785123966941", .region = "TWN", .customaryGeneral = true, .key = "unit_area_TWN_ping", .numsInName = "3.3|2"},
    {.name = "Taiwan Fen, ≈ 969.9 m²", .symbol = "Taiwan Fen", .coefficient = "969.91328975173553719008264462809917352", .region = "TWN", .customaryGeneral = true, .key = "unit_area_TWN_fen", .numsInName = "969.9|2"},
    {.name = "Taiwan Jia, ≈ 9699.17 m²", .symbol = "Taiwan Jia", .coefficient = "9699.1735537190082644628099173553719005", .region = "TWN", .customaryGeneral = true, .key = "unit_area_TWN_jia", .numsInName = "9699.17|2"},
    {.name = "Taiwan Mu, ≈ 99.17 m²", .symbol = "Taiwan Mu", .coefficient = "99.173553719008264462809917355371900823", .region = "TWN", .customaryGeneral = true, .key = "unit_area_TWN_mu", .numsInName = "99.17|2"},
    {.name = "Taiwan Plough, ≈ 4.85 ha", .symbol = "Taiwan Plough", .coefficient = "48495.867768595041322314049586776859502", .region = "TWN", .customaryGeneral = true, .key = "unit_area_TWN_li", .numsInName = "4.85"},
};

// TalUnitVolume: category volume, raw value "volume".
constexpr ExpectedUnit kVolume[] = {
    {.name = "Megaliter", .symbol = "ML", .coefficient = "1000000", .baseNumerator = "0.000001", .platformBacked = true},
    {.name = "Kiloliter", .symbol = "kL", .coefficient = "1000", .baseNumerator = "0.001", .platformBacked = true},
    {.name = "Liter", .symbol = "L", .coefficient = "1.0", .baseNumerator = "1.0", .platformBacked = true, .isBase = true},
    {.name = "Deciliter", .symbol = "dl", .coefficient = "0.1", .baseNumerator = "10", .platformBacked = true},
    {.name = "Centiliter", .symbol = "cL", .coefficient = "0.01", .baseNumerator = "100", .platformBacked = true},
    {.name = "Milliliter", .symbol = "mL", .coefficient = "0.001", .baseNumerator = "1000", .platformBacked = true},
    {.name = "Cubic Kilometer", .symbol = "km³", .coefficient = "1e12", .baseNumerator = "1e-12", .platformBacked = true},
    {.name = "Cubic Meter", .symbol = "m³", .coefficient = "1000", .baseNumerator = "0.001", .platformBacked = true},
    {.name = "Cubic Decimeter", .symbol = "dm³", .coefficient = "1.0", .baseNumerator = "1.0", .platformBacked = true},
    {.name = "Cubic Centimeter", .symbol = "cm³", .coefficient = "0.001", .baseNumerator = "1000", .platformBacked = true},
    {.name = "Cubic Millimeter", .symbol = "mm³", .coefficient = "0.000001", .baseNumerator = "1000000", .platformBacked = true},
    {.name = "Cubic Inch", .symbol = "in³", .coefficient = "0.016387064", .platformBacked = true},
    {.name = "Cubic Foot", .symbol = "ft³", .coefficient = "28.316846592", .platformBacked = true},
    {.name = "Cubic Yard", .symbol = "yd³", .coefficient = "764.554857984", .platformBacked = true},
    {.name = "Cubic Mile", .symbol = "mi³", .coefficient = "4168181825440.579584", .platformBacked = true},
    {.name = "Metric Cup", .symbol = "metric cup Imperial", .coefficient = "0.25", .baseNumerator = "4.0", .platformBacked = true, .key = "unit_volume_metric cup"},
    {.name = "Imperial Teaspoon", .symbol = "imp tsp", .coefficient = "0.0047355104166666666666666666666666666667", .platformBacked = true, .region = "GBR", .key = "unit_volume_imp tsp"},
    {.name = "Imperial Tablespoon", .symbol = "imp tbsp", .coefficient = "0.01420653125", .platformBacked = true, .region = "GBR", .key = "unit_volume_imp tbsp"},
    {.name = "Imperial Fluid Ounce", .symbol = "imp fl oz", .coefficient = "0.0284130625", .platformBacked = true, .region = "GBR", .key = "unit_volume_imp fl oz"},
    {.name = "Imperial Cup", .symbol = "imp cup", .coefficient = "0.2273045", .region = "GBR", .key = "unit_volume_imp cup"},
    {.name = "Imperial Pint", .symbol = "imp pt", .coefficient = "0.56826125", .platformBacked = true, .region = "GBR", .key = "unit_volume_imp pt"},
    {.name = "Imperial Quart", .symbol = "imp qt", .coefficient = "1.1365225", .platformBacked = true, .region = "GBR", .key = "unit_volume_imp qt"},
    {.name = "Imperial Gallon", .symbol = "imp gal", .coefficient = "4.54609", .platformBacked = true, .region = "GBR", .key = "unit_volume_imp gal"},
    {.name = "Imperial Bushel", .symbol = "imp bu", .coefficient = "36.368720", .region = "GBR", .key = "unit_volume_imp bu"},
    {.name = "Teaspoon", .symbol = "US tsp", .coefficient = "0.00492892159375", .platformBacked = true, .region = "USA"},
    {.name = "Tablespoon", .symbol = "US tbsp", .coefficient = "0.01478676478125000", .platformBacked = true, .region = "USA"},
    {.name = "Fluid Ounce", .symbol = "US fl oz", .coefficient = "0.0295735295625000", .platformBacked = true, .region = "USA"},
    {.name = "Cup", .symbol = "US cup", .coefficient = "0.2365882365000", .platformBacked = true, .region = "USA"},
    {.name = "Pint", .symbol = "US pt", .coefficient = "0.473176473000", .platformBacked = true, .region = "USA"},
    {.name = "Quart", .symbol = "US qt", .coefficient = "0.94635294600", .platformBacked = true, .region = "USA"},
    {.name = "Gallon", .symbol = "US gal", .coefficient = "3.785411784", .platformBacked = true, .region = "USA"},
    {.name = "Acre Foot", .symbol = "af", .coefficient = "1233.48183754752", .platformBacked = true, .region = "USA"},
    {.name = "Barrel (US petroleum)", .symbol = "bbl", .coefficient = "158.987294928", .region = "USA"},
};

const Catalogue kCatalogues[] = {
    {"Length", &TalUnitLength::allUnits, TalUnitLength{}.category(), TalUnitCategory::length, "length", kLength},
    {"Area", &TalUnitArea::allUnits, TalUnitArea{}.category(), TalUnitCategory::area, "area", kArea},
    {"Volume", &TalUnitVolume::allUnits, TalUnitVolume{}.category(), TalUnitCategory::volume, "volume", kVolume},
};

INSTANTIATE_TEST_SUITE_P(Spatial, EachCatalogue, ::testing::ValuesIn(kCatalogues), namedAfterTheCatalogue);

// Targets with a base numerator: the result is base value × base numerator.
// The noted cases are those where dividing by the target's coefficient would
// round differently.
const Conversion kReciprocalRoad[] = {
    {&TalUnitLength::allUnits, "1", "Mile", "Meter", "1609.344"},
    {&TalUnitLength::allUnits, "1", "Chinese mainland li (length), 500 m", "Meter", "500"},
    {&TalUnitLength::allUnits, "1", "Kilometer", "Chinese mainland li (length), 500 m", "2"},
    {&TalUnitLength::allUnits, "1", "Foot", "Centimeter", "30.48"},
    {&TalUnitLength::allUnits, "1", "Meter", "Chinese mainland chi, ≈ 0.33 m", "3"},
    {&TalUnitLength::allUnits, "1", "Meter", "Shaku (10/33 m)", "3.3"},
    {&TalUnitLength::allUnits, "1", "Chinese mainland zhang, ≈ 3.33 m", "Jo (10 Shaku)", "1.1"},
    {&TalUnitLength::allUnits, "1", "Shaku (10/33 m)", "Sun (1/33 m)", "9.9999999999999999999999999999999999999"},  // ÷ coefficient: 10
    {&TalUnitLength::allUnits, "1", "Chinese mainland yin, ≈ 33.33 m", "Meter", "33.333333333333333333333333333333333333"},
    {&TalUnitArea::allUnits, "1", "Acre", "Square Meter", "4046.8564224"},
    {&TalUnitArea::allUnits, "1", "Hectare", "Chinese mainland mu, ≈ 666.667 m²", "15"},
    {&TalUnitArea::allUnits, "1", "Chinese mainland qing, ≈ 6.667 ha", "Hectare", "6.6666666666666666666666666666666666667"},
    {&TalUnitArea::allUnits, "1", "Chinese mainland mu, ≈ 666.667 m²", "Square Meter", "666.66666666666666666666666666666666667"},
    {&TalUnitArea::allUnits, "1", "Taiwan Plough, ≈ 4.85 ha", "Hectare", "4.8495867768595041322314049586776859502"},
    {&TalUnitArea::allUnits, "1", "Square Kilometer", "Square Megameter", "0.000001"},
    {&TalUnitVolume::allUnits, "1", "Gallon", "Liter", "3.785411784"},
    {&TalUnitVolume::allUnits, "1", "Imperial Gallon", "Liter", "4.54609"},
    {&TalUnitVolume::allUnits, "1", "Cubic Meter", "Liter", "1000"},
    {&TalUnitVolume::allUnits, "1", "Acre Foot", "Cubic Meter", "1.23348183754752"},
    {&TalUnitVolume::allUnits, "1", "Imperial Teaspoon", "Milliliter", "4.7355104166666666666666666666666666667"},
    {&TalUnitVolume::allUnits, "1", "Liter", "Metric Cup", "4"},
    {&TalUnitVolume::allUnits, "1", "Cubic Mile", "Cubic Kilometer", "4.168181825440579584"},
};

// Targets without one: base value ÷ target coefficient.
const Conversion kGenericRoad[] = {
    {&TalUnitLength::allUnits, "1", "Meter", "Foot", "3.28083989501312335958005249343832021"},
    {&TalUnitLength::allUnits, "1", "Mile", "Foot", "5280"},
    {&TalUnitLength::allUnits, "1", "Nautical Mile", "Mile", "1.1507794480235425117314881094408653464"},
    {&TalUnitLength::allUnits, "1", "Light Year", "Astronomical Unit", "63241.97860962566844919786096256684492"},
    {&TalUnitLength::allUnits, "1", "Shaku (10/33 m)", "Foot", "0.99419390757973435138789469498130915453"},
    {&TalUnitLength::allUnits, "1", "Chain", "Yard", "22"},
    {&TalUnitLength::allUnits, "1", "Mile", "Furlong", "8"},
    {&TalUnitArea::allUnits, "1", "Square Mile", "Acre", "640"},
    {&TalUnitArea::allUnits, "1", "Taiwan Jia, ≈ 9699.17 m²", "Taiwan Ping, ≈ 3.3 m²", "2934"},
    {&TalUnitArea::allUnits, "1", "Square Meter", "Taiwan Ping, ≈ 3.3 m²", "0.30250000000000000000000000000000000001"},
    {&TalUnitArea::allUnits, "1", "Square Yard", "Square Foot", "9"},
    {&TalUnitArea::allUnits, "1", "Square Foot", "Square Inch", "144"},
    {&TalUnitVolume::allUnits, "1", "Gallon", "Pint", "8"},
    {&TalUnitVolume::allUnits, "1", "Imperial Gallon", "Gallon", "1.2009499255048549296744092346281975858"},
    {&TalUnitVolume::allUnits, "1", "Barrel (US petroleum)", "Gallon", "42"},
    {&TalUnitVolume::allUnits, "1", "Cubic Foot", "Gallon", "7.4805194805194805194805194805194805195"},
    {&TalUnitVolume::allUnits, "1", "Cup", "Fluid Ounce", "8"},
    {&TalUnitVolume::allUnits, "1", "Imperial Pint", "Imperial Fluid Ounce", "20"},
    {&TalUnitVolume::allUnits, "1", "Tablespoon", "Teaspoon", "3"},
};

INSTANTIATE_TEST_SUITE_P(Spatial, TheReciprocalRoad, ::testing::ValuesIn(kReciprocalRoad));
INSTANTIATE_TEST_SUITE_P(Spatial, TheGenericRoad, ::testing::ValuesIn(kGenericRoad));

// The public unit constants hand out the very records the lists hold at their
// positions.
struct PublicUnit {
  std::string_view name;
  const TalUnit& (*unit)();
  std::vector<TalUnit> (*allUnits)();
  std::size_t position;  // from 1
  std::string_view unitName;
};

void PrintTo(const PublicUnit& p, std::ostream* os) { *os << p.name; }

const PublicUnit kPublicUnits[] = {
    {"CHN_li", &TalUnitLength::CHN_li, &TalUnitLength::allUnits, 25, "Chinese mainland li (length), 500 m"},
    {"cubicMeters", &TalUnitVolume::cubicMeters, &TalUnitVolume::allUnits, 8, "Cubic Meter"},
};

class SpatialPublicUnit : public ::testing::TestWithParam<PublicUnit> {};

TEST_P(SpatialPublicUnit, IsTheRecordAtItsPosition) {
  const TalUnit& unit = GetParam().unit();
  const std::vector<TalUnit> all = GetParam().allUnits();
  ASSERT_GE(all.size(), GetParam().position);
  const TalUnit& listed = all[GetParam().position - 1];
  EXPECT_EQ(unit.name(), GetParam().unitName);
  EXPECT_EQ(unit, listed);
  EXPECT_EQ(unit.id(), listed.id());
  EXPECT_EQ(unit.name(), listed.name());
  EXPECT_EQ(unit.coefficient(), listed.coefficient());
  EXPECT_EQ(unit.baseNumerator(), listed.baseNumerator());
  EXPECT_EQ(&GetParam().unit(), &unit) << "made once";
}

INSTANTIATE_TEST_SUITE_P(Both, SpatialPublicUnit, ::testing::ValuesIn(kPublicUnits),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tal
