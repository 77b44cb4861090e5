// The mass, mass concentration and density catalogues: every record field by
// field, and conversions on both roads they take.
#include <gtest/gtest.h>

#include <optional>

#include "TalFoundation/catalogues/TalUnitDensity.h"
#include "TalFoundation/catalogues/TalUnitMass.h"
#include "TalFoundation/catalogues/TalUnitMassConcentration.h"
#include "TalFoundation/units/TalMeasurement.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"
#include "tests/catalogues/CatalogueExpectations.h"

namespace tal {
namespace {

using namespace tal::testing;

// TalUnitMass: category mass, raw value "mass".
constexpr ExpectedUnit kMass[] = {
    {.name = "Tonne", .symbol = "t", .coefficient = "1000", .baseNumerator = "0.001", .platformBacked = true},
    {.name = "Kilogram", .symbol = "kg", .coefficient = "1.0", .baseNumerator = "1.0", .platformBacked = true, .isBase = true},
    {.name = "Gram", .symbol = "g", .coefficient = "0.001", .baseNumerator = "1000", .platformBacked = true},
    {.name = "Decigram", .symbol = "dg", .coefficient = "0.0001", .baseNumerator = "10000", .platformBacked = true},
    {.name = "Centigram", .symbol = "cg", .coefficient = "0.00001", .baseNumerator = "100000", .platformBacked = true},
    {.name = "Milligram", .symbol = "mg", .coefficient = "0.000001", .baseNumerator = "1000000", .platformBacked = true},
    {.name = "Microgram", .symbol = "µg", .coefficient = "1e-9", .baseNumerator = "1e9", .platformBacked = true},
    {.name = "Nanogram", .symbol = "ng", .coefficient = "1e-12", .baseNumerator = "1e12", .platformBacked = true},
    {.name = "Picogram", .symbol = "pg", .coefficient = "1e-15", .baseNumerator = "1e15", .platformBacked = true},
    {.name = "Long Ton", .symbol = "ton (UK)", .coefficient = "1016.04690880", .system = 4, .key = "unit_mass_$Long_Ton"},
    {.name = "Short Ton", .symbol = "ton (US)", .coefficient = "907.18474000", .platformBacked = true, .system = 5, .key = "unit_mass_$Short_Ton"},
    {.name = "Ounce", .symbol = "oz", .coefficient = "0.028349523125", .platformBacked = true, .system = 3},
    {.name = "Troy Ounce", .symbol = "oz t", .coefficient = "0.0311035", .platformBacked = true, .system = 6},
    {.name = "Pound", .symbol = "lb", .coefficient = "0.45359237", .platformBacked = true, .system = 3},
    {.name = "Carat", .symbol = "ct", .coefficient = "0.0002", .platformBacked = true},
    {.name = "Stone", .symbol = "st", .coefficient = "6.35029318", .platformBacked = true, .system = 4},
    {.name = "Slug", .symbol = "slug", .coefficient = "14.593902937", .platformBacked = true, .system = 4},
    {.name = "Dalton", .symbol = "Da", .coefficient = "1.66053906660e-27"},
    {.name = "Kilodalton", .symbol = "kDa", .coefficient = "1.66053906660000E-24"},
    {.name = "Megadalton", .symbol = "MDa", .coefficient = "1.66053906660000000E-21"},
    {.name = "Chinese mainland dan (weight), 50 kg", .symbol = "dan", .coefficient = "50", .baseNumerator = "0.02", .system = 7, .region = "CHN", .customaryGeneral = true, .key = "unit_mass_CHN_dan", .numsInName = "50"},
    {.name = "Chinese mainland jin, 500 g", .symbol = "jin", .coefficient = "0.5", .baseNumerator = "2", .system = 7, .region = "CHN", .customaryGeneral = true, .key = "unit_mass_CHN_jin", .numsInName = "500"},
    {.name = "Chinese mainland liang, 50 g", .symbol = "liang", .coefficient = "0.05", .baseNumerator = "20", .system = 7, .region = "CHN", .customaryGeneral = true, .key = "unit_mass_CHN_liang", .numsInName = "50"},
    {.name = "Hong Kong catty, ≈ 604.8 g", .symbol = "Hong Kong catty", .coefficient = "0.60478982", .system = 8, .region = "HKG\u200C", .customaryGeneral = true, .key = "unit_mass_HKG_catty", .numsInName = "604.8"},
    {.name = "Hong Kong tael, ≈ 37.8 g", .symbol = "Hong Kong tael", .coefficient = "0.037799364", .system = 8, .region = "HKG\u200C", .customaryGeneral = true, .key = "unit_mass_HKG_tael", .numsInName = "37.8"},
    {.name = "Hong Kong picul, ≈ 60.48 kg", .symbol = "Hong Kong picul", .coefficient = "60.478982", .system = 8, .region = "HKG\u200C", .customaryGeneral = true, .key = "unit_mass_HKG_picul", .numsInName = "60.48"},
    {.name = "Hong Kong mace, ≈ 3.78 g", .symbol = "Hong Kong mace", .coefficient = "0.0037799364", .system = 8, .region = "HKG\u200C", .customaryGeneral = true, .key = "unit_mass_HKG_mace", .numsInName = "3.78"},
    {.name = "Hong Kong candareen, ≈ 0.378 g", .symbol = "Hong Kong candareen", .coefficient = "0.00037799364", .system = 8, .region = "HKG\u200C", .customaryGeneral = true, .key = "unit_mass_HKG_candareen", .numsInName = "0.378"},
    {.name = "Hong Kong troy tael, ≈ 37.429 g", .symbol = "Hong Kong troy tael", .coefficient = "0.037429", .system = 8, .region = "HKG\u200C", .customaryGeneral = true, .key = "unit_mass_HKG_taeltroy", .numsInName = "37.429"},
    {.name = "Hong Kong troy mace, ≈ 3.743 g", .symbol = "Hong Kong troy mace", .coefficient = "0.0037429", .system = 8, .region = "HKG\u200C", .customaryGeneral = true, .key = "unit_mass_HKG_macetroy", .numsInName = "3.743"},
    {.name = "Hong Kong troy candareen, ≈ 0.374 g", .symbol = "Hong Kong troy candareen", .coefficient = "0.00037429", .system = 8, .region = "HKG\u200C", .customaryGeneral = true, .key = "unit_mass_HKG_candareentroy", .numsInName = "0.374"},
    {.name = "Taiwan catty, 600 g", .symbol = "Taiwan catty", .coefficient = "0.6", .region = "TWN", .customaryGeneral = true, .key = "unit_mass_TWN_jin", .numsInName = "600"},
    {.name = "Taiwan tael, 37.5 g", .symbol = "Taiwan tael", .coefficient = "0.0375", .region = "TWN", .customaryGeneral = true, .key = "unit_mass_TWN_liang", .numsInName = "37.5"},
    {.name = "Taiwan mace, 3.75 g", .symbol = "Taiwan mace", .coefficient = "0.00375", .region = "TWN", .customaryGeneral = true, .key = "unit_mass_TWN_qian", .numsInName = "3.75"},
    {.name = "Taiwan candareen, 0.375 g", .symbol = "Taiwan candareen", .coefficient = "0.000375", .region = "TWN", .customaryGeneral = true, .key = "unit_mass_TWN_fen", .numsInName = "0.375"},
    {.name = "Taiwan cash, 0.0375 g", .symbol = "Taiwan cash", .coefficient = "0.0000375", .region = "TWN", .customaryGeneral = true, .key = "unit_mass_TWN_li", .numsInName = "0.0375"},
};

// TalUnitMassConcentration: category massConcentration, raw value "massconcentration".
constexpr ExpectedUnit kMassConcentration[] = {
    {.name = "Kilogram per Cubic Meter", .symbol = "kg/m³", .coefficient = "1.0", .baseNumerator = "1.0", .key = "unit_massconcentration_kg/m³"},
    {.name = "Gram per Liter", .symbol = "g/L", .coefficient = "1.0", .baseNumerator = "1.0", .platformBacked = true, .isBase = true},
    {.name = "Gram per Cubic Centimeter", .symbol = "g/cm³", .coefficient = "1000", .baseNumerator = "0.001", .key = "unit_massconcentration_g/cm³"},
    {.name = "Milligram per Milliliter", .symbol = "mg/mL", .coefficient = "1.0", .baseNumerator = "1.0", .key = "unit_massconcentration_mg/mL"},
    {.name = "Milligram per Deciliter", .symbol = "mg/dL", .coefficient = "0.01", .baseNumerator = "100", .platformBacked = true},
    {.name = "Gram per Deciliter", .symbol = "g/dL", .coefficient = "10", .baseNumerator = "0.1", .key = "unit_massconcentration_g/dL"},
    {.name = "Microgram per Milliliter", .symbol = "μg/mL", .coefficient = "0.001", .baseNumerator = "1000", .key = "unit_massconcentration_μg/mL"},
    {.name = "Nanogram per Milliliter", .symbol = "ng/mL", .coefficient = "0.000001", .baseNumerator = "1000000", .key = "unit_massconcentration_ng/mL"},
    {.name = "Picogram per Milliliter", .symbol = "pg/mL", .coefficient = "1e-9", .baseNumerator = "1e9", .key = "unit_massconcentration_pg/mL"},
    {.name = "Gram per Cubic Meter", .symbol = "g/m³", .coefficient = "0.001", .baseNumerator = "1000", .key = "unit_massconcentration_g/m³"},
    {.name = "Milligram per Cubic Meter", .symbol = "mg/m³", .coefficient = "0.000001", .baseNumerator = "1000000", .key = "unit_massconcentration_mg/m³"},
    {.name = "Percent Mass by Volume", .symbol = "% (m/v)", .coefficient = "10", .baseNumerator = "0.1", .key = "unit_massconcentration_% (m/v)"},
    {.name = "Part per Million by Mass", .symbol = "ppm (m/v)", .coefficient = "0.001", .baseNumerator = "1000", .key = "unit_massconcentration_ppm (m/v)"},
    {.name = "Part per Billion by Mass", .symbol = "ppb (m/v)", .coefficient = "0.000001", .baseNumerator = "1000000", .key = "unit_massconcentration_ppb (m/v)"},
    {.name = "Pound per Cubic Foot", .symbol = "lb/ft³", .coefficient = "16.0185", .key = "unit_massconcentration_lb/ft³"},
    {.name = "Pound per US liquid gallon", .symbol = "lb/US gal", .coefficient = "119.826", .key = "unit_massconcentration_lb/US gal"},
    {.name = "Pound per Imperial Gallon", .symbol = "lb/imp gal", .coefficient = "99.7763", .key = "unit_massconcentration_lb/imp gal"},
};

// TalUnitDensity: category density, raw value "density".
constexpr ExpectedUnit kDensity[] = {
    {.name = "Kilogram per Cubic Meter", .symbol = "kg/m³", .coefficient = "1.0", .baseNumerator = "1.0", .isBase = true},
    {.name = "Gram per Cubic Centimeter", .symbol = "g/cm³", .coefficient = "1000", .baseNumerator = "0.001"},
    {.name = "Gram per Milliliter", .symbol = "g/mL", .coefficient = "1000", .baseNumerator = "0.001"},
    {.name = "Kilogram per Liter", .symbol = "kg/L", .coefficient = "1000", .baseNumerator = "0.001"},
    {.name = "Pound per Cubic Foot", .symbol = "lb/ft³", .coefficient = "16.018463373960139579655070654556590536"},
    {.name = "Pound per Cubic Inch", .symbol = "lb/in³", .coefficient = "27679.904710203121193643962091073788447"},
    {.name = "Pound per US Gallon", .symbol = "lb/US gal", .coefficient = "119.82642731689662854391325580551423570"},
    {.name = "Pound per Imperial Gallon", .symbol = "lb/imp gal", .coefficient = "99.776372663101698382566117256807498312"},
    {.name = "Tonne per Cubic Meter", .symbol = "t/m³", .coefficient = "1000", .baseNumerator = "0.001"},
    {.name = "Ounce per US Gallon", .symbol = "oz/US gal", .coefficient = "7.4891517073060392839945784878446397312"},
    {.name = "Ounce per Imperial Gallon", .symbol = "oz/imp gal", .coefficient = "6.2360232914438561489103823285504686445"},
};

const Catalogue kCatalogues[] = {
    {"Mass", &TalUnitMass::allUnits, TalUnitMass{}.category(), TalUnitCategory::mass, "mass", kMass},
    {"MassConcentration", &TalUnitMassConcentration::allUnits, TalUnitMassConcentration{}.category(), TalUnitCategory::massConcentration, "massconcentration", kMassConcentration},
    {"Density", &TalUnitDensity::allUnits, TalUnitDensity{}.category(), TalUnitCategory::density, "density", kDensity},
};

INSTANTIATE_TEST_SUITE_P(Mass, EachCatalogue, ::testing::ValuesIn(kCatalogues), namedAfterTheCatalogue);

// Targets with a base numerator: the result is base value × base numerator.
const Conversion kReciprocalRoad[] = {
    {&TalUnitMass::allUnits, "1", "Pound", "Kilogram", "0.45359237"},
    {&TalUnitMass::allUnits, "1", "Chinese mainland jin, 500 g", "Kilogram", "0.5"},
    {&TalUnitMass::allUnits, "1", "Taiwan catty, 600 g", "Gram", "600"},
    {&TalUnitMass::allUnits, "1", "Hong Kong catty, ≈ 604.8 g", "Kilogram", "0.60478982"},
    {&TalUnitMass::allUnits, "1", "Hong Kong picul, ≈ 60.48 kg", "Kilogram", "60.478982"},
    {&TalUnitMass::allUnits, "1", "Taiwan catty, 600 g", "Chinese mainland jin, 500 g", "1.2"},
    {&TalUnitMass::allUnits, "1", "Troy Ounce", "Gram", "31.1035"},
    {&TalUnitMass::allUnits, "1", "Megadalton", "Kilogram", "1.6605390666E-21"},
    {&TalUnitMassConcentration::allUnits, "1", "Gram per Cubic Centimeter", "Gram per Liter", "1000"},
    {&TalUnitMassConcentration::allUnits, "1", "Microgram per Milliliter", "Gram per Liter", "0.001"},
    {&TalUnitMassConcentration::allUnits, "1", "Pound per Cubic Foot", "Kilogram per Cubic Meter", "16.0185"},
    {&TalUnitMassConcentration::allUnits, "1", "Milligram per Deciliter", "Gram per Deciliter", "0.001"},
    {&TalUnitDensity::allUnits, "1", "Tonne per Cubic Meter", "Kilogram per Cubic Meter", "1000"},
    {&TalUnitDensity::allUnits, "1", "Pound per Cubic Foot", "Kilogram per Cubic Meter", "16.018463373960139579655070654556590536"},
    {&TalUnitDensity::allUnits, "1", "Pound per Imperial Gallon", "Gram per Milliliter", "0.099776372663101698382566117256807498312"},
};

// Targets without one: base value ÷ target coefficient.
const Conversion kGenericRoad[] = {
    {&TalUnitMass::allUnits, "1", "Kilogram", "Pound", "2.2046226218487758072297380134502703385"},
    {&TalUnitMass::allUnits, "1", "Pound", "Ounce", "16"},
    {&TalUnitMass::allUnits, "1", "Stone", "Pound", "14"},
    {&TalUnitMass::allUnits, "1", "Hong Kong catty, ≈ 604.8 g", "Taiwan catty, 600 g", "1.0079830333333333333333333333333333333"},
    {&TalUnitMass::allUnits, "1", "Long Ton", "Short Ton", "1.12"},
    {&TalUnitMass::allUnits, "1", "Megadalton", "Kilodalton", "1000"},
    {&TalUnitMass::allUnits, "1", "Hong Kong picul, ≈ 60.48 kg", "Hong Kong catty, ≈ 604.8 g", "100"},
    {&TalUnitMass::allUnits, "1", "Chinese mainland liang, 50 g", "Taiwan tael, 37.5 g", "1.3333333333333333333333333333333333333"},
    {&TalUnitMassConcentration::allUnits, "1", "Gram per Liter", "Pound per US liquid gallon", "0.0083454342129420993774306077145193864437"},
    {&TalUnitMassConcentration::allUnits, "1", "Pound per Imperial Gallon", "Pound per Cubic Foot", "6.2288166807129256796828666853950120174"},
    {&TalUnitDensity::allUnits, "1", "Kilogram per Cubic Meter", "Pound per Cubic Foot", "0.062427960576144611956325455827222137799"},
    {&TalUnitDensity::allUnits, "1", "Pound per US Gallon", "Ounce per US Gallon", "16"},
    {&TalUnitDensity::allUnits, "1", "Gram per Cubic Centimeter", "Pound per Cubic Inch", "0.036127292000083687474725379529642440855"},
    {&TalUnitDensity::allUnits, "1", "Ounce per Imperial Gallon", "Pound per Imperial Gallon", "0.0625"},
};

INSTANTIATE_TEST_SUITE_P(Mass, TheReciprocalRoad, ::testing::ValuesIn(kReciprocalRoad));
INSTANTIATE_TEST_SUITE_P(Mass, TheGenericRoad, ::testing::ValuesIn(kGenericRoad));

// Mass concentration and density both list a kilogram per cubic metre: the two
// records differ by category and id, and do not convert into each other.
TEST(MassConcentrationAndDensity, KeepTheirKilogramPerCubicMeterApart) {
  const auto concentration = unitNamed(TalUnitMassConcentration::allUnits(), "Kilogram per Cubic Meter");
  const auto density = unitNamed(TalUnitDensity::allUnits(), "Kilogram per Cubic Meter");
  ASSERT_TRUE(concentration && density);
  EXPECT_EQ(concentration->symbol(), density->symbol());
  EXPECT_NE(*concentration, *density);
  EXPECT_EQ(concentration->id(), "massconcentration_kg/m³");
  EXPECT_EQ(density->id(), "density_kg/m³");
  EXPECT_FALSE(TalMeasurement::convert(Decimal(1), *concentration, *density).has_value());
}

}  // namespace
}  // namespace tal
