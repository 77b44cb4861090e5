#include "TalFoundation/platform/Unit.h"
#include "tests/support/JoinedThreads.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace tal::platform {
namespace {

using enum Dimension;

struct Row {
  Dimension dimension;
  const Unit& (*get)() noexcept;
  std::string_view member;
  std::string_view symbol;
  double coefficient;
  double offset;
};

// Typed from the symbols table; non-ASCII characters spelled as code points
// so that look-alikes (U+03BC for U+00B5, U+2126 for U+03A9) cannot slip in.
const Row kRows[] = {
    {acceleration, &UnitAcceleration::gravity, "gravity", "g", 9.81, 0},
    {acceleration, &UnitAcceleration::metersPerSecondSquared, "metersPerSecondSquared", "m/s\u00B2", 1.0, 0},
    {angle, &UnitAngle::arcMinutes, "arcMinutes", "\u02B9", 0.016666666666666666, 0},
    {angle, &UnitAngle::arcSeconds, "arcSeconds", "\u02B9\u02B9", 0.0002777777777777778, 0},
    {angle, &UnitAngle::degrees, "degrees", "\u00B0", 1.0, 0},
    {angle, &UnitAngle::gradians, "gradians", "grad", 0.9, 0},
    {angle, &UnitAngle::radians, "radians", "rad", 57.29577951308232, 0},
    {angle, &UnitAngle::revolutions, "revolutions", "rev", 360.0, 0},
    {area, &UnitArea::acres, "acres", "ac", 4046.86, 0},
    {area, &UnitArea::hectares, "hectares", "ha", 10000.0, 0},
    {area, &UnitArea::squareCentimeters, "squareCentimeters", "cm\u00B2", 1e-4, 0},
    {area, &UnitArea::squareFeet, "squareFeet", "ft\u00B2", 0.092903, 0},
    {area, &UnitArea::squareInches, "squareInches", "in\u00B2", 0.00064516, 0},
    {area, &UnitArea::squareKilometers, "squareKilometers", "km\u00B2", 1e6, 0},
    {area, &UnitArea::squareMegameters, "squareMegameters", "Mm\u00B2", 1e12, 0},
    {area, &UnitArea::squareMeters, "squareMeters", "m\u00B2", 1.0, 0},
    {area, &UnitArea::squareMicrometers, "squareMicrometers", "\u00B5m\u00B2", 1e-12, 0},
    {area, &UnitArea::squareMiles, "squareMiles", "mi\u00B2", 2.59e+6, 0},
    {area, &UnitArea::squareMillimeters, "squareMillimeters", "mm\u00B2", 1e-6, 0},
    {area, &UnitArea::squareYards, "squareYards", "yd\u00B2", 0.836127, 0},
    {concentrationMass, &UnitConcentrationMass::gramsPerLiter, "gramsPerLiter", "g/L", 1.0, 0},
    {concentrationMass, &UnitConcentrationMass::milligramsPerDeciliter, "milligramsPerDeciliter", "mg/dL", 0.01, 0},
    {duration, &UnitDuration::hours, "hours", "h", 3600.0, 0},
    {duration, &UnitDuration::microseconds, "microseconds", "\u00B5s", 1e-6, 0},
    {duration, &UnitDuration::milliseconds, "milliseconds", "ms", 1e-3, 0},
    {duration, &UnitDuration::minutes, "minutes", "m", 60.0, 0},
    {duration, &UnitDuration::nanoseconds, "nanoseconds", "ns", 1e-9, 0},
    {duration, &UnitDuration::picoseconds, "picoseconds", "ps", 1e-12, 0},
    {duration, &UnitDuration::seconds, "seconds", "s", 1.0, 0},
    {electricCharge, &UnitElectricCharge::ampereHours, "ampereHours", "Ah", 3600.0, 0},
    {electricCharge, &UnitElectricCharge::coulombs, "coulombs", "C", 1.0, 0},
    {electricCharge, &UnitElectricCharge::kiloampereHours, "kiloampereHours", "kAh", 3600000.0, 0},
    {electricCharge, &UnitElectricCharge::megaampereHours, "megaampereHours", "MAh", 3.6e9, 0},
    {electricCharge, &UnitElectricCharge::microampereHours, "microampereHours", "\u00B5Ah", 0.0036, 0},
    {electricCharge, &UnitElectricCharge::milliampereHours, "milliampereHours", "mAh", 3.6, 0},
    {electricCurrent, &UnitElectricCurrent::amperes, "amperes", "A", 1.0, 0},
    {electricCurrent, &UnitElectricCurrent::kiloamperes, "kiloamperes", "kA", 1e3, 0},
    {electricCurrent, &UnitElectricCurrent::megaamperes, "megaamperes", "MA", 1e6, 0},
    {electricCurrent, &UnitElectricCurrent::microamperes, "microamperes", "\u00B5A", 1e-6, 0},
    {electricCurrent, &UnitElectricCurrent::milliamperes, "milliamperes", "mA", 1e-3, 0},
    {electricPotentialDifference, &UnitElectricPotentialDifference::kilovolts, "kilovolts", "kV", 1e3, 0},
    {electricPotentialDifference, &UnitElectricPotentialDifference::megavolts, "megavolts", "MV", 1e6, 0},
    {electricPotentialDifference, &UnitElectricPotentialDifference::microvolts, "microvolts", "\u00B5V", 1e-6, 0},
    {electricPotentialDifference, &UnitElectricPotentialDifference::millivolts, "millivolts", "mV", 1e-3, 0},
    {electricPotentialDifference, &UnitElectricPotentialDifference::volts, "volts", "V", 1.0, 0},
    {electricResistance, &UnitElectricResistance::kiloohms, "kiloohms", "k\u03A9", 1e3, 0},
    {electricResistance, &UnitElectricResistance::megaohms, "megaohms", "M\u03A9", 1e6, 0},
    {electricResistance, &UnitElectricResistance::microohms, "microohms", "\u00B5\u03A9", 1e-6, 0},
    {electricResistance, &UnitElectricResistance::milliohms, "milliohms", "m\u03A9", 1e-3, 0},
    {electricResistance, &UnitElectricResistance::ohms, "ohms", "\u03A9", 1.0, 0},
    {frequency, &UnitFrequency::gigahertz, "gigahertz", "GHz", 1e9, 0},
    {frequency, &UnitFrequency::hertz, "hertz", "Hz", 1.0, 0},
    {frequency, &UnitFrequency::kilohertz, "kilohertz", "kHz", 1e3, 0},
    {frequency, &UnitFrequency::megahertz, "megahertz", "MHz", 1e6, 0},
    {frequency, &UnitFrequency::microhertz, "microhertz", "\u00B5Hz", 1e-6, 0},
    {frequency, &UnitFrequency::millihertz, "millihertz", "mHz", 1e-3, 0},
    {frequency, &UnitFrequency::nanohertz, "nanohertz", "nHz", 1e-9, 0},
    {frequency, &UnitFrequency::terahertz, "terahertz", "THz", 1e12, 0},
    {fuelEfficiency, &UnitFuelEfficiency::litersPer100Kilometers, "litersPer100Kilometers", "L/100km", 1.0, 0},
    {fuelEfficiency, &UnitFuelEfficiency::milesPerGallon, "milesPerGallon", "mpg", 235.215, 0},
    {fuelEfficiency, &UnitFuelEfficiency::milesPerImperialGallon, "milesPerImperialGallon", "mpg", 282.481, 0},
    {illuminance, &UnitIlluminance::lux, "lux", "lx", 1.0, 0},
    {informationStorage, &UnitInformationStorage::bits, "bits", "bit", 1.0, 0},
    {informationStorage, &UnitInformationStorage::bytes, "bytes", "B", 8.0, 0},
    {informationStorage, &UnitInformationStorage::exabits, "exabits", "Eb", 1e+18, 0},
    {informationStorage, &UnitInformationStorage::exabytes, "exabytes", "EB", 8e+18, 0},
    {informationStorage, &UnitInformationStorage::exbibits, "exbibits", "Eib", 1.152921504606847e+18, 0},
    {informationStorage, &UnitInformationStorage::exbibytes, "exbibytes", "EiB", 9.223372036854776e+18, 0},
    {informationStorage, &UnitInformationStorage::gibibits, "gibibits", "Gib", 1073741824.0, 0},
    {informationStorage, &UnitInformationStorage::gibibytes, "gibibytes", "GiB", 8589934592.0, 0},
    {informationStorage, &UnitInformationStorage::gigabits, "gigabits", "Gb", 1000000000.0, 0},
    {informationStorage, &UnitInformationStorage::gigabytes, "gigabytes", "GB", 8000000000.0, 0},
    {informationStorage, &UnitInformationStorage::kibibits, "kibibits", "Kib", 1024.0, 0},
    {informationStorage, &UnitInformationStorage::kibibytes, "kibibytes", "KiB", 8192.0, 0},
    {informationStorage, &UnitInformationStorage::kilobits, "kilobits", "kb", 1000.0, 0},
    {informationStorage, &UnitInformationStorage::kilobytes, "kilobytes", "kB", 8000.0, 0},
    {informationStorage, &UnitInformationStorage::mebibits, "mebibits", "Mib", 1048576.0, 0},
    {informationStorage, &UnitInformationStorage::mebibytes, "mebibytes", "MiB", 8388608.0, 0},
    {informationStorage, &UnitInformationStorage::megabits, "megabits", "Mb", 1000000.0, 0},
    {informationStorage, &UnitInformationStorage::megabytes, "megabytes", "MB", 8000000.0, 0},
    {informationStorage, &UnitInformationStorage::pebibits, "pebibits", "Pib", 1125899906842624.0, 0},
    {informationStorage, &UnitInformationStorage::pebibytes, "pebibytes", "PiB", 9007199254740992.0, 0},
    {informationStorage, &UnitInformationStorage::petabits, "petabits", "Pb", 1000000000000000.0, 0},
    {informationStorage, &UnitInformationStorage::petabytes, "petabytes", "PB", 8000000000000000.0, 0},
    {informationStorage, &UnitInformationStorage::tebibits, "tebibits", "Tib", 1099511627776.0, 0},
    {informationStorage, &UnitInformationStorage::tebibytes, "tebibytes", "TiB", 8796093022208.0, 0},
    {informationStorage, &UnitInformationStorage::terabits, "terabits", "Tb", 1000000000000.0, 0},
    {informationStorage, &UnitInformationStorage::terabytes, "terabytes", "TB", 8000000000000.0, 0},
    {informationStorage, &UnitInformationStorage::yobibits, "yobibits", "Yib", 1.2089258196146292e+24, 0},
    {informationStorage, &UnitInformationStorage::yobibytes, "yobibytes", "YiB", 9.671406556917033e+24, 0},
    {informationStorage, &UnitInformationStorage::yottabits, "yottabits", "Yb", 1e+24, 0},
    {informationStorage, &UnitInformationStorage::yottabytes, "yottabytes", "YB", 8e+24, 0},
    {informationStorage, &UnitInformationStorage::zebibits, "zebibits", "Zib", 1.1805916207174113e+21, 0},
    {informationStorage, &UnitInformationStorage::zebibytes, "zebibytes", "ZiB", 9.44473296573929e+21, 0},
    {informationStorage, &UnitInformationStorage::zettabits, "zettabits", "Zb", 1e+21, 0},
    {informationStorage, &UnitInformationStorage::zettabytes, "zettabytes", "ZB", 8e+21, 0},
    {length, &UnitLength::astronomicalUnits, "astronomicalUnits", "ua", 1.496e+11, 0},
    {length, &UnitLength::centimeters, "centimeters", "cm", 1e-2, 0},
    {length, &UnitLength::decameters, "decameters", "dam", 1e1, 0},
    {length, &UnitLength::decimeters, "decimeters", "dm", 1e-1, 0},
    {length, &UnitLength::fathoms, "fathoms", "ftm", 1.8288, 0},
    {length, &UnitLength::feet, "feet", "ft", 0.3048, 0},
    {length, &UnitLength::furlongs, "furlongs", "fur", 201.168, 0},
    {length, &UnitLength::hectometers, "hectometers", "hm", 1e2, 0},
    {length, &UnitLength::inches, "inches", "in", 0.0254, 0},
    {length, &UnitLength::kilometers, "kilometers", "km", 1e3, 0},
    {length, &UnitLength::lightyears, "lightyears", "ly", 9.461e+15, 0},
    {length, &UnitLength::megameters, "megameters", "Mm", 1e6, 0},
    {length, &UnitLength::meters, "meters", "m", 1.0, 0},
    {length, &UnitLength::micrometers, "micrometers", "\u00B5m", 1e-6, 0},
    {length, &UnitLength::miles, "miles", "mi", 1609.34, 0},
    {length, &UnitLength::millimeters, "millimeters", "mm", 1e-3, 0},
    {length, &UnitLength::nanometers, "nanometers", "nm", 1e-9, 0},
    {length, &UnitLength::nauticalMiles, "nauticalMiles", "NM", 1852.0, 0},
    {length, &UnitLength::parsecs, "parsecs", "pc", 3.086e+16, 0},
    {length, &UnitLength::picometers, "picometers", "pm", 1e-12, 0},
    {length, &UnitLength::scandinavianMiles, "scandinavianMiles", "smi", 10000.0, 0},
    {length, &UnitLength::yards, "yards", "yd", 0.9144, 0},
    {mass, &UnitMass::carats, "carats", "ct", 0.0002, 0},
    {mass, &UnitMass::centigrams, "centigrams", "cg", 1e-5, 0},
    {mass, &UnitMass::decigrams, "decigrams", "dg", 1e-4, 0},
    {mass, &UnitMass::grams, "grams", "g", 1e-3, 0},
    {mass, &UnitMass::kilograms, "kilograms", "kg", 1.0, 0},
    {mass, &UnitMass::metricTons, "metricTons", "t", 1000.0, 0},
    {mass, &UnitMass::micrograms, "micrograms", "\u00B5g", 1e-9, 0},
    {mass, &UnitMass::milligrams, "milligrams", "mg", 1e-6, 0},
    {mass, &UnitMass::nanograms, "nanograms", "ng", 1e-12, 0},
    {mass, &UnitMass::ounces, "ounces", "oz", 0.0283495, 0},
    {mass, &UnitMass::ouncesTroy, "ouncesTroy", "oz t", 0.03110348, 0},
    {mass, &UnitMass::picograms, "picograms", "pg", 1e-15, 0},
    {mass, &UnitMass::poundsMass, "poundsMass", "lb", 0.453592, 0},
    {mass, &UnitMass::shortTons, "shortTons", "ton", 907.185, 0},
    {mass, &UnitMass::slugs, "slugs", "slug", 14.5939, 0},
    {mass, &UnitMass::stones, "stones", "st", 0.157473, 0},
    {power, &UnitPower::femtowatts, "femtowatts", "fW", 1e-15, 0},
    {power, &UnitPower::gigawatts, "gigawatts", "GW", 1e9, 0},
    {power, &UnitPower::horsepower, "horsepower", "hp", 745.7, 0},
    {power, &UnitPower::kilowatts, "kilowatts", "kW", 1e3, 0},
    {power, &UnitPower::megawatts, "megawatts", "MW", 1e6, 0},
    {power, &UnitPower::microwatts, "microwatts", "\u00B5W", 1e-6, 0},
    {power, &UnitPower::milliwatts, "milliwatts", "mW", 1e-3, 0},
    {power, &UnitPower::nanowatts, "nanowatts", "nW", 1e-9, 0},
    {power, &UnitPower::picowatts, "picowatts", "pW", 1e-12, 0},
    {power, &UnitPower::terawatts, "terawatts", "TW", 1e12, 0},
    {power, &UnitPower::watts, "watts", "W", 1.0, 0},
    {pressure, &UnitPressure::bars, "bars", "bar", 1e5, 0},
    {pressure, &UnitPressure::gigapascals, "gigapascals", "GPa", 1e9, 0},
    {pressure, &UnitPressure::hectopascals, "hectopascals", "hPa", 1e2, 0},
    {pressure, &UnitPressure::inchesOfMercury, "inchesOfMercury", "inHg", 3386.39, 0},
    {pressure, &UnitPressure::kilopascals, "kilopascals", "kPa", 1e3, 0},
    {pressure, &UnitPressure::megapascals, "megapascals", "MPa", 1e6, 0},
    {pressure, &UnitPressure::millibars, "millibars", "mbar", 1e2, 0},
    {pressure, &UnitPressure::millimetersOfMercury, "millimetersOfMercury", "mmHg", 133.322, 0},
    {pressure, &UnitPressure::newtonsPerMetersSquared, "newtonsPerMetersSquared", "N/m\u00B2", 1.0, 0},
    {pressure, &UnitPressure::poundsForcePerSquareInch, "poundsForcePerSquareInch", "psi", 6894.76, 0},
    {speed, &UnitSpeed::kilometersPerHour, "kilometersPerHour", "km/h", 0.277778, 0},
    {speed, &UnitSpeed::knots, "knots", "kn", 0.514444, 0},
    {speed, &UnitSpeed::metersPerSecond, "metersPerSecond", "m/s", 1.0, 0},
    {speed, &UnitSpeed::milesPerHour, "milesPerHour", "mph", 0.44704, 0},
    {temperature, &UnitTemperature::celsius, "celsius", "\u00B0C", 1.0, 273.15},
    {temperature, &UnitTemperature::fahrenheit, "fahrenheit", "\u00B0F", 0.55555555555556, 255.37222222222427},
    {temperature, &UnitTemperature::kelvin, "kelvin", "K", 1.0, 0.0},
    {volume, &UnitVolume::acreFeet, "acreFeet", "af", 1.233e+6, 0},
    {volume, &UnitVolume::centiliters, "centiliters", "cL", 1e-2, 0},
    {volume, &UnitVolume::cubicCentimeters, "cubicCentimeters", "cm\u00B3", 1e-3, 0},
    {volume, &UnitVolume::cubicDecimeters, "cubicDecimeters", "dm\u00B3", 1.0, 0},
    {volume, &UnitVolume::cubicFeet, "cubicFeet", "ft\u00B3", 28.3168, 0},
    {volume, &UnitVolume::cubicInches, "cubicInches", "in\u00B3", 0.0163871, 0},
    {volume, &UnitVolume::cubicKilometers, "cubicKilometers", "km\u00B3", 1e12, 0},
    {volume, &UnitVolume::cubicMeters, "cubicMeters", "m\u00B3", 1000.0, 0},
    {volume, &UnitVolume::cubicMiles, "cubicMiles", "mi\u00B3", 4.168e+12, 0},
    {volume, &UnitVolume::cubicMillimeters, "cubicMillimeters", "mm\u00B3", 1e-6, 0},
    {volume, &UnitVolume::cubicYards, "cubicYards", "yd\u00B3", 764.555, 0},
    {volume, &UnitVolume::cups, "cups", "cup", 0.24, 0},
    {volume, &UnitVolume::deciliters, "deciliters", "dl", 1e-1, 0},
    {volume, &UnitVolume::fluidOunces, "fluidOunces", "fl oz", 0.0295735, 0},
    {volume, &UnitVolume::gallons, "gallons", "gal", 3.78541, 0},
    {volume, &UnitVolume::imperialFluidOunces, "imperialFluidOunces", "fl oz Imperial", 0.0284131, 0},
    {volume, &UnitVolume::imperialGallons, "imperialGallons", "gal Imperial", 4.54609, 0},
    {volume, &UnitVolume::imperialPints, "imperialPints", "pt Imperial", 0.568261, 0},
    {volume, &UnitVolume::imperialQuarts, "imperialQuarts", "qt Imperial", 1.13652, 0},
    {volume, &UnitVolume::imperialTablespoons, "imperialTablespoons", "tbsp Imperial", 0.0177582, 0},
    {volume, &UnitVolume::imperialTeaspoons, "imperialTeaspoons", "tsp Imperial", 0.00591939, 0},
    {volume, &UnitVolume::kiloliters, "kiloliters", "kL", 1e3, 0},
    {volume, &UnitVolume::liters, "liters", "L", 1.0, 0},
    {volume, &UnitVolume::megaliters, "megaliters", "ML", 1e6, 0},
    {volume, &UnitVolume::metricCups, "metricCups", "metric cup Imperial", 0.25, 0},
    {volume, &UnitVolume::milliliters, "milliliters", "mL", 1e-3, 0},
    {volume, &UnitVolume::pints, "pints", "pt", 0.473176, 0},
    {volume, &UnitVolume::quarts, "quarts", "qt", 0.946353, 0},
    {volume, &UnitVolume::tablespoons, "tablespoons", "tbsp", 0.0147868, 0},
    {volume, &UnitVolume::teaspoons, "teaspoons", "tsp", 0.00492892, 0},
};

void PrintTo(const Row& row, std::ostream* os) { *os << dimensionName(row.dimension) << "." << row.member; }

std::string rowName(const testing::TestParamInfo<Row>& info) {
  return std::string(dimensionName(info.param.dimension).substr(6)) + "_" + std::string(info.param.member);
}

class UnitRowTest : public testing::TestWithParam<Row> {};

TEST_P(UnitRowTest, MatchesTheSymbolsTable) {
  const Row& row = GetParam();
  const Unit& unit = row.get();
  EXPECT_EQ(unit.dimension(), row.dimension);
  EXPECT_EQ(unit.memberName(), row.member);
  EXPECT_EQ(unit.symbol(), row.symbol);
  EXPECT_EQ(unit.coefficient(), row.coefficient);
  EXPECT_EQ(unit.offset(), row.offset);
  EXPECT_EQ(unit.isReciprocal(), row.dimension == fuelEfficiency);
}

INSTANTIATE_TEST_SUITE_P(AllUnits, UnitRowTest, testing::ValuesIn(kRows), rowName);

struct ClassRow {
  Dimension dimension;
  std::string_view name;
  const Unit& (*base)() noexcept;
  std::size_t count;
};

const ClassRow kClasses[] = {
    {acceleration, "NSUnitAcceleration", &UnitAcceleration::metersPerSecondSquared, 2},
    {angle, "NSUnitAngle", &UnitAngle::degrees, 6},
    {area, "NSUnitArea", &UnitArea::squareMeters, 12},
    {concentrationMass, "NSUnitConcentrationMass", &UnitConcentrationMass::gramsPerLiter, 2},
    {duration, "NSUnitDuration", &UnitDuration::seconds, 7},
    {electricCharge, "NSUnitElectricCharge", &UnitElectricCharge::coulombs, 6},
    {electricCurrent, "NSUnitElectricCurrent", &UnitElectricCurrent::amperes, 5},
    {electricPotentialDifference, "NSUnitElectricPotentialDifference", &UnitElectricPotentialDifference::volts, 5},
    {electricResistance, "NSUnitElectricResistance", &UnitElectricResistance::ohms, 5},
    {frequency, "NSUnitFrequency", &UnitFrequency::hertz, 8},
    {fuelEfficiency, "NSUnitFuelEfficiency", &UnitFuelEfficiency::litersPer100Kilometers, 3},
    {illuminance, "NSUnitIlluminance", &UnitIlluminance::lux, 1},
    {informationStorage, "NSUnitInformationStorage", &UnitInformationStorage::bits, 34},
    {length, "NSUnitLength", &UnitLength::meters, 22},
    {mass, "NSUnitMass", &UnitMass::kilograms, 16},
    {power, "NSUnitPower", &UnitPower::watts, 11},
    {pressure, "NSUnitPressure", &UnitPressure::newtonsPerMetersSquared, 10},
    {speed, "NSUnitSpeed", &UnitSpeed::metersPerSecond, 4},
    {temperature, "NSUnitTemperature", &UnitTemperature::kelvin, 3},
    {volume, "NSUnitVolume", &UnitVolume::liters, 30},
};

TEST(PlatformUnit, DimensionsAreTheTwentyClassesInOrder) {
  ASSERT_EQ(allDimensions().size(), std::size(kClasses));
  for (std::size_t i = 0; i < std::size(kClasses); ++i) {
    EXPECT_EQ(allDimensions()[i], kClasses[i].dimension);
    EXPECT_EQ(dimensionName(kClasses[i].dimension), kClasses[i].name);
  }
}

TEST(PlatformUnit, EachClassListsExactlyItsUnitsAndNothingElse) {
  std::map<Dimension, std::set<const Unit*>> expected;
  for (const Row& row : kRows) expected[row.dimension].insert(&row.get());
  for (const ClassRow& cls : kClasses) {
    std::set<const Unit*> listed;
    for (const Unit& unit : allUnits(cls.dimension)) listed.insert(&unit);
    EXPECT_EQ(allUnits(cls.dimension).size(), cls.count) << cls.name;
    EXPECT_EQ(listed, expected[cls.dimension]) << cls.name;
  }
  EXPECT_EQ(std::size(kRows), 192u);
}

TEST(PlatformUnit, BaseUnitIsTheClassBaseAndTheOnlyOne) {
  for (const ClassRow& cls : kClasses) {
    EXPECT_EQ(&baseUnit(cls.dimension), &cls.base()) << cls.name;
    for (const Unit& unit : allUnits(cls.dimension))
      EXPECT_EQ(unit.isBaseUnit(), &unit == &cls.base()) << cls.name << "." << unit.memberName();
  }
}

TEST(PlatformUnit, SymbolsDifferWithinAClassExceptTheTwoMilesPerGallon) {
  std::vector<std::string> repeated;
  for (const Dimension dimension : allDimensions()) {
    std::set<std::string_view> seen;
    for (const Unit& unit : allUnits(dimension))
      if (!seen.insert(unit.symbol()).second) repeated.push_back(std::string(unit.memberName()));
  }
  EXPECT_EQ(repeated, std::vector<std::string>{"milesPerImperialGallon"});
}

// Decodes well-formed UTF-8; an empty result for anything malformed.
std::vector<char32_t> codePoints(std::string_view text) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : 0;
    if (length == 0 || i + length > text.size()) return {};
    char32_t cp = length == 1 ? lead : length == 2 ? (lead & 0x1Fu) : (lead & 0x0Fu);
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next >> 6) != 0x2) return {};
      cp = (cp << 6) | (next & 0x3Fu);
    }
    out.push_back(cp);
    i += length;
  }
  return out;
}

TEST(PlatformUnit, NonAsciiCharactersAreTheDocumentedOnes) {
  // Degree, superscript two and three, micro, modifier prime, omega.
  const std::set<char32_t> allowed = {0x00B0, 0x00B2, 0x00B3, 0x00B5, 0x02B9, 0x03A9};
  std::map<char32_t, int> uses;
  for (const Dimension dimension : allDimensions())
    for (const Unit& unit : allUnits(dimension)) {
      const std::vector<char32_t> cps = codePoints(unit.symbol());
      EXPECT_FALSE(cps.empty()) << unit.memberName();
      for (const char32_t cp : cps)
        if (cp >= 0x80) {
          EXPECT_TRUE(allowed.contains(cp)) << unit.memberName() << " U+" << std::hex << std::uint32_t{cp};
          ++uses[cp];
        }
    }
  // Counted by hand from the table, one per occurrence.
  const std::map<char32_t, int> expected = {{0x00B0, 3},  {0x00B2, 12}, {0x00B3, 9},
                                            {0x00B5, 10}, {0x02B9, 3},  {0x03A9, 5}};
  EXPECT_EQ(uses, expected);
}

TEST(PlatformUnit, AnAccessorReturnsOneObjectOnEveryCall) {
  for (const Row& row : kRows) EXPECT_EQ(&row.get(), &row.get()) << row.member;
}

TEST(PlatformUnit, AnAccessorReturnsOneObjectOnEveryThread) {
  constexpr int kThreads = 8;
  std::vector<std::vector<const Unit*>> seen(kThreads);
  {
    tal::test_support::JoinedThreads threads;
    for (int t = 0; t < kThreads; ++t)
      threads.emplace_back([&seen, t] {
        for (const Row& row : kRows) seen[static_cast<std::size_t>(t)].push_back(&row.get());
      });
  }
  std::vector<const Unit*> here;
  for (const Row& row : kRows) here.push_back(&row.get());
  for (const auto& addresses : seen) EXPECT_EQ(addresses, here);
}

TEST(PlatformUnit, EqualityIsIdentityNotEqualFields) {
  const Unit lookalike(length, "kilometers", "km", 1e3);
  EXPECT_TRUE(UnitLength::kilometers() == UnitLength::kilometers());
  EXPECT_FALSE(lookalike == UnitLength::kilometers());
  EXPECT_FALSE(lookalike.isBaseUnit());
  // Same symbol, different classes.
  EXPECT_FALSE(UnitMass::grams() == UnitAcceleration::gravity());
}

}  // namespace
}  // namespace tal::platform
