// The energy, power, pressure, force and torque catalogues: every record
// field by field, and conversions on both roads they take.
#include <gtest/gtest.h>

#include <optional>

#include "TalFoundation/catalogues/TalUnitEnergy.h"
#include "TalFoundation/catalogues/TalUnitForce.h"
#include "TalFoundation/catalogues/TalUnitPower.h"
#include "TalFoundation/catalogues/TalUnitPressure.h"
#include "TalFoundation/catalogues/TalUnitTorque.h"
#include "TalFoundation/platform/Unit.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"
#include "tests/catalogues/CatalogueExpectations.h"

namespace tal {
namespace {

using namespace tal::testing;

// TalUnitEnergy: category energy, raw value "energy".
constexpr ExpectedUnit kEnergy[] = {
    {.name = "Electronvolt", .symbol = "eV", .coefficient = "1.602176634E-19"},
    {.name = "Erg", .symbol = "erg", .coefficient = "1E-7"},
    {.name = "Joule", .symbol = "J", .coefficient = "1.0", .baseNumerator = "1.0", .isBase = true},
    {.name = "Kilojoule", .symbol = "kJ", .coefficient = "1000", .baseNumerator = "0.001"},
    {.name = "Calorie (international table)", .symbol = "cal_IT", .coefficient = "4.1868"},
    {.name = "Kilocalorie (international table)", .symbol = "kcal_IT", .coefficient = "4186.8000"},
    {.name = "BTU (international table)", .symbol = "BTU_IT", .coefficient = "1055.05585262"},
    {.name = "MMBTU (international table)", .symbol = "MMBTU_IT", .coefficient = "1055055852.62"},
    {.name = "Calorie (thermochemical)", .symbol = "cal_th", .coefficient = "4.184"},
    {.name = "Kilocalorie (thermochemical)", .symbol = "kcal_th", .coefficient = "4184"},
    {.name = "BTU (thermochemical)", .symbol = "BTU_th", .coefficient = "1054.35026444"},
    {.name = "MMBTU (thermochemical)", .symbol = "MMBTU_th", .coefficient = "1054350264.44"},
    {.name = "Calorie (15°C)", .symbol = "cal_15", .coefficient = "4.1855", .numsInName = "15", .numsInSymbol = "15"},
    {.name = "Kilocalorie (15°C)", .symbol = "kcal_15", .coefficient = "4185.5000", .numsInName = "15", .numsInSymbol = "15"},
    {.name = "BTU (15°C)", .symbol = "BTU_15", .coefficient = "1054.804", .numsInName = "15", .numsInSymbol = "15"},
    {.name = "MMBTU (15°C)", .symbol = "MMBTU_15", .coefficient = "1054804000", .numsInName = "15", .numsInSymbol = "15"},
    {.name = "Calorie (20°C)", .symbol = "cal_20", .coefficient = "4.1816", .numsInName = "20", .numsInSymbol = "20"},
    {.name = "Kilocalorie (20°C)", .symbol = "kcal_20", .coefficient = "4181.6000", .numsInName = "20", .numsInSymbol = "20"},
    {.name = "BTU (20°C)", .symbol = "BTU_20", .coefficient = "1054.68", .numsInName = "20", .numsInSymbol = "20"},
    {.name = "MMBTU (20°C)", .symbol = "MMBTU_20", .coefficient = "1054680000", .numsInName = "20", .numsInSymbol = "20"},
    {.name = "Kilowatt Hour", .symbol = "kWh", .coefficient = "3600000"},
    {.name = "Tonne of oil equivalent", .symbol = "toe", .coefficient = "41868000000"},
    {.name = "Tonne of coal equivalent", .symbol = "tce", .coefficient = "29307600000"},
    {.name = "Tonne of TNT equivalent", .symbol = "tTNT", .coefficient = "4184000000"},
    {.name = "Foot-pound", .symbol = "ft·lb", .coefficient = "1.3558179483314004"},
};

// TalUnitPower: category power, raw value "power".
constexpr ExpectedUnit kPower[] = {
    {.name = "Terawatt", .symbol = "TW", .coefficient = "1E+12", .baseNumerator = "1E-12", .platformBacked = true},
    {.name = "Gigawatt", .symbol = "GW", .coefficient = "1E+9", .baseNumerator = "1E-9", .platformBacked = true},
    {.name = "Megawatt", .symbol = "MW", .coefficient = "1000000", .baseNumerator = "0.000001", .platformBacked = true},
    {.name = "Kilowatt", .symbol = "kW", .coefficient = "1000", .baseNumerator = "0.001", .platformBacked = true},
    {.name = "Watt", .symbol = "W", .coefficient = "1.0", .baseNumerator = "1.0", .platformBacked = true, .isBase = true},
    {.name = "Milliwatt", .symbol = "mW", .coefficient = "0.001", .baseNumerator = "1000", .platformBacked = true},
    {.name = "Microwatt", .symbol = "µW", .coefficient = "0.000001", .baseNumerator = "1000000", .platformBacked = true},
    {.name = "Nanowatt", .symbol = "nW", .coefficient = "1E-9", .baseNumerator = "1E+9", .platformBacked = true},
    {.name = "Picowatt", .symbol = "pW", .coefficient = "1E-12", .baseNumerator = "1E+12", .platformBacked = true},
    {.name = "Femtowatt", .symbol = "fW", .coefficient = "1E-15", .baseNumerator = "1E+15", .platformBacked = true},
    {.name = "Imperial Horsepower", .symbol = "hp(I)", .coefficient = "745.69987158227022", .platformBacked = true, .key = "unit_power_hp(I)"},
    {.name = "Metric Horsepower", .symbol = "hp(M)", .coefficient = "735.49875", .key = "unit_power_hp(M)"},
    {.name = "Electrical Horsepower", .symbol = "hp(E)", .coefficient = "746.0", .key = "unit_power_hp(E)"},
    {.name = "Boiler Horsepower", .symbol = "hp(S)", .coefficient = "9809.5", .key = "unit_power_hp(S)"},
};

// TalUnitPressure: category pressure, raw value "pressure".
constexpr ExpectedUnit kPressure[] = {
    {.name = "Newton per Square Meter", .symbol = "N/m²", .coefficient = "1.0", .baseNumerator = "1.0", .platformBacked = true, .isBase = true, .key = "unit_pressure_N/m²"},
    {.name = "Pascal", .symbol = "Pa", .coefficient = "1.0", .baseNumerator = "1.0", .platformBacked = true, .key = "unit_pressure_Pa"},
    {.name = "Gigapascal", .symbol = "GPa", .coefficient = "1E+9", .baseNumerator = "1E-9", .platformBacked = true, .key = "unit_pressure_GPa"},
    {.name = "Megapascal", .symbol = "MPa", .coefficient = "1000000", .baseNumerator = "0.000001", .platformBacked = true},
    {.name = "Kilopascal", .symbol = "kPa", .coefficient = "1000", .baseNumerator = "0.001", .platformBacked = true},
    {.name = "Hectopascal", .symbol = "hPa", .coefficient = "100", .baseNumerator = "0.01", .platformBacked = true},
    {.name = "Bar", .symbol = "bar", .coefficient = "100000", .baseNumerator = "0.00001", .platformBacked = true},
    {.name = "Millibar", .symbol = "mbar", .coefficient = "100", .baseNumerator = "0.01", .platformBacked = true},
    {.name = "Millimeter of Mercury", .symbol = "mmHg", .coefficient = "133.322387415", .platformBacked = true},
    {.name = "Millimeter of Water", .symbol = "mmH₂O", .coefficient = "9.80665", .key = "unit_pressure_mmH₂O"},
    {.name = "Inch of Mercury", .symbol = "inHg", .coefficient = "3386.388640", .platformBacked = true},
    {.name = "Inch of Water", .symbol = "inH₂O", .coefficient = "249.08891", .key = "unit_pressure_inH₂O"},
    {.name = "Pound Force per Square Inch", .symbol = "psi", .coefficient = "6894.76", .platformBacked = true},
    {.name = "Standard atmosphere", .symbol = "atm", .coefficient = "101325"},
    {.name = "Torr", .symbol = "Torr", .coefficient = "133.32236842105263157894736842105263158"},
};

// TalUnitForce: category force, raw value "force".
constexpr ExpectedUnit kForce[] = {
    {.name = "Newton", .symbol = "N", .coefficient = "1.0", .baseNumerator = "1.0", .isBase = true},
    {.name = "Kilonewton", .symbol = "kN", .coefficient = "1000", .baseNumerator = "0.001"},
    {.name = "Dyne", .symbol = "dyn", .coefficient = "0.00001", .baseNumerator = "100000"},
    {.name = "Kilogram-Force", .symbol = "kgf", .coefficient = "9.80665"},
    {.name = "Gram-Force", .symbol = "gf", .coefficient = "0.00980665"},
    {.name = "Pound-Force", .symbol = "lbf", .coefficient = "4.4482216152605"},
    {.name = "Ounce-Force", .symbol = "ozf", .coefficient = "0.27801385095378125"},
    {.name = "Tonne-force (metric)", .symbol = "tf", .coefficient = "9806.65000"},
    {.name = "UK ton-force (long)", .symbol = "tonf (UK)", .coefficient = "9964.0164181835200", .key = "unit_mass_$Long_Ton_Force"},
    {.name = "US ton-force (short)", .symbol = "tonf (US)", .coefficient = "8896.4432305210000", .key = "unit_mass_$Short_Ton_Force"},
};

// TalUnitTorque: category torque, raw value "torque".
constexpr ExpectedUnit kTorque[] = {
    {.name = "Newton Meter", .symbol = "N·m", .coefficient = "1.0", .baseNumerator = "1.0", .isBase = true},
    {.name = "Kilonewton Meter", .symbol = "kN·m", .coefficient = "1000", .baseNumerator = "0.001"},
    {.name = "Kilogram-Force Meter", .symbol = "kgf·m", .coefficient = "9.80665"},
    {.name = "Kilogram-Force Centimeter", .symbol = "kgf·cm", .coefficient = "0.0980665"},
    {.name = "Gram-Force Meter", .symbol = "gf·m", .coefficient = "0.00980665"},
    {.name = "Gram-Force Centimeter", .symbol = "gf·cm", .coefficient = "0.0000980665"},
    {.name = "Pound-Force Foot", .symbol = "lbf·ft", .coefficient = "1.35581794833140040"},
    {.name = "Pound-Force Inch", .symbol = "lbf·in", .coefficient = "0.11298482902761670"},
    {.name = "Ounce-Force Inch", .symbol = "ozf·in", .coefficient = "0.007061551814226043750"},
    {.name = "Millinewton Meter", .symbol = "mN·m", .coefficient = "0.001", .baseNumerator = "1000"},
    {.name = "Centinewton Meter", .symbol = "cN·m", .coefficient = "0.01", .baseNumerator = "100"},
};

const Catalogue kCatalogues[] = {
    {"Energy", &TalUnitEnergy::allUnits, TalUnitEnergy{}.category(), TalUnitCategory::energy, "energy", kEnergy},
    {"Power", &TalUnitPower::allUnits, TalUnitPower{}.category(), TalUnitCategory::power, "power", kPower},
    {"Pressure", &TalUnitPressure::allUnits, TalUnitPressure{}.category(), TalUnitCategory::pressure, "pressure", kPressure},
    {"Force", &TalUnitForce::allUnits, TalUnitForce{}.category(), TalUnitCategory::force, "force", kForce},
    {"Torque", &TalUnitTorque::allUnits, TalUnitTorque{}.category(), TalUnitCategory::torque, "torque", kTorque},
};

INSTANTIATE_TEST_SUITE_P(Mechanics, EachCatalogue, ::testing::ValuesIn(kCatalogues), namedAfterTheCatalogue);

// Targets with a base numerator: the result is base value × base numerator.
const Conversion kReciprocalRoad[] = {
    {&TalUnitEnergy::allUnits, "1", "Kilowatt Hour", "Joule", "3600000"},
    {&TalUnitEnergy::allUnits, "1", "Kilocalorie (international table)", "Joule", "4186.8"},
    {&TalUnitEnergy::allUnits, "1", "Kilocalorie (thermochemical)", "Joule", "4184"},
    {&TalUnitEnergy::allUnits, "1", "Kilowatt Hour", "Kilojoule", "3600"},
    {&TalUnitEnergy::allUnits, "1", "Foot-pound", "Joule", "1.3558179483314004"},
    {&TalUnitPower::allUnits, "1", "Imperial Horsepower", "Watt", "745.69987158227022"},
    {&TalUnitPower::allUnits, "1", "Megawatt", "Kilowatt", "1000"},
    {&TalUnitPower::allUnits, "1", "Boiler Horsepower", "Kilowatt", "9.8095"},
    {&TalUnitPressure::allUnits, "1", "Standard atmosphere", "Pascal", "101325"},
    {&TalUnitPressure::allUnits, "1", "Torr", "Newton per Square Meter", "133.32236842105263157894736842105263158"},
    {&TalUnitPressure::allUnits, "1", "Bar", "Kilopascal", "100"},
    {&TalUnitPressure::allUnits, "1", "Pound Force per Square Inch", "Kilopascal", "6.89476"},
    {&TalUnitPressure::allUnits, "1", "Inch of Water", "Hectopascal", "2.4908891"},
    {&TalUnitForce::allUnits, "1", "Pound-Force", "Newton", "4.4482216152605"},
    {&TalUnitForce::allUnits, "1", "Newton", "Dyne", "100000"},
    {&TalUnitForce::allUnits, "1", "Tonne-force (metric)", "Kilonewton", "9.80665"},
    {&TalUnitTorque::allUnits, "1", "Kilogram-Force Meter", "Newton Meter", "9.80665"},
    {&TalUnitTorque::allUnits, "1", "Newton Meter", "Millinewton Meter", "1000"},
    {&TalUnitTorque::allUnits, "1", "Kilogram-Force Centimeter", "Centinewton Meter", "9.80665"},
};

// Targets without one: base value ÷ target coefficient.
const Conversion kGenericRoad[] = {
    {&TalUnitEnergy::allUnits, "1", "Joule", "Electronvolt", "6241509074460762607.7762409809304458999"},
    {&TalUnitEnergy::allUnits, "1", "MMBTU (international table)", "BTU (international table)", "1000000"},
    {&TalUnitEnergy::allUnits, "1", "BTU (international table)", "Kilocalorie (international table)", "0.25199576111111111111111111111111111111"},
    {&TalUnitEnergy::allUnits, "1", "Tonne of oil equivalent", "Kilowatt Hour", "11630"},
    {&TalUnitEnergy::allUnits, "1", "Kilocalorie (15°C)", "Calorie (20°C)", "1000.9326573560359670939353357566481729"},
    {&TalUnitPower::allUnits, "1", "Kilowatt", "Metric Horsepower", "1.3596216173039043234267903242527604568"},
    {&TalUnitPower::allUnits, "1", "Electrical Horsepower", "Imperial Horsepower", "1.0004024788378908390055440372152850919"},
    // 101325 ÷ (101325 ÷ 760): the rounded torr leaves its trace.
    {&TalUnitPressure::allUnits, "1", "Standard atmosphere", "Torr", "759.99999999999999999999999999999999999"},
    {&TalUnitPressure::allUnits, "1", "Inch of Mercury", "Millimeter of Mercury", "25.399999997442290026366311901226165123"},
    {&TalUnitPressure::allUnits, "1", "Standard atmosphere", "Millimeter of Water", "10332.274527998857917841464720368321496"},
    {&TalUnitForce::allUnits, "1", "Kilogram-Force", "Pound-Force", "2.2046226218487758072297380134502703385"},
    {&TalUnitForce::allUnits, "1", "UK ton-force (long)", "Pound-Force", "2240"},
    {&TalUnitForce::allUnits, "1", "Pound-Force", "Ounce-Force", "16"},
    {&TalUnitTorque::allUnits, "1", "Pound-Force Foot", "Pound-Force Inch", "12"},
    {&TalUnitTorque::allUnits, "1", "Pound-Force Inch", "Ounce-Force Inch", "16"},
    {&TalUnitTorque::allUnits, "1", "Newton Meter", "Pound-Force Foot", "0.73756214927726536387808206497105469239"},
};

INSTANTIATE_TEST_SUITE_P(Mechanics, TheReciprocalRoad, ::testing::ValuesIn(kReciprocalRoad));
INSTANTIATE_TEST_SUITE_P(Mechanics, TheGenericRoad, ::testing::ValuesIn(kGenericRoad));

// The base unit and the pascal stand for the same platform unit, yet only the
// base unit shows its symbol, so the two stay distinct records.
TEST(PressureCatalogue, PascalSharesThePlatformUnitOfTheBaseUnit) {
  const auto units = TalUnitPressure::allUnits();
  const auto base = unitNamed(units, "Newton per Square Meter");
  const auto pascal = unitNamed(units, "Pascal");
  ASSERT_TRUE(base && pascal);
  EXPECT_EQ(base->dimension(), &platform::UnitPressure::newtonsPerMetersSquared());
  EXPECT_EQ(pascal->dimension(), &platform::UnitPressure::newtonsPerMetersSquared());
  EXPECT_EQ(base->symbol(), platform::UnitPressure::newtonsPerMetersSquared().symbol());
  EXPECT_NE(*base, *pascal);
}

}  // namespace
}  // namespace tal
