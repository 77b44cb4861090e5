#include "TalFoundation/platform/Unit.h"

#include <array>
#include <numbers>

namespace tal::platform {

namespace {

// Exact for the powers of 1000 and 1024 below (up to one rounding at 1000^8),
// and usable in a constant expression, unlike std::pow.
constexpr double raised(double base, int exponent) {
  double result = 1.0;
  for (int i = 0; i < exponent; ++i) result *= base;
  return result;
}

// The rows of each class: member, symbol, coefficient to the base unit and,
// where there is one, the offset. Constant-initialised, so every accessor is
// safe from any static initialiser and the objects never die.
using enum Dimension;

constexpr Unit kAcceleration[] = {
    {acceleration, "gravity", "g", 9.81},
    {acceleration, "metersPerSecondSquared", "m/s²", 1.0},
};

constexpr Unit kAngle[] = {
    {angle, "arcMinutes", "ʹ", 1.0 / 60.0},
    {angle, "arcSeconds", "ʹʹ", 1.0 / 3600.0},
    {angle, "degrees", "°", 1.0},
    {angle, "gradians", "grad", 0.9},
    {angle, "radians", "rad", 180.0 / std::numbers::pi},
    {angle, "revolutions", "rev", 360.0},
};

constexpr Unit kArea[] = {
    {area, "acres", "ac", 4046.86},
    {area, "hectares", "ha", 10000.0},
    {area, "squareCentimeters", "cm²", 1e-4},
    {area, "squareFeet", "ft²", 0.092903},
    {area, "squareInches", "in²", 0.00064516},
    {area, "squareKilometers", "km²", 1e6},
    {area, "squareMegameters", "Mm²", 1e12},
    {area, "squareMeters", "m²", 1.0},
    {area, "squareMicrometers", "µm²", 1e-12},
    {area, "squareMiles", "mi²", 2.59e+6},
    {area, "squareMillimeters", "mm²", 1e-6},
    {area, "squareYards", "yd²", 0.836127},
};

constexpr Unit kConcentrationMass[] = {
    {concentrationMass, "gramsPerLiter", "g/L", 1.0},
    {concentrationMass, "milligramsPerDeciliter", "mg/dL", 0.01},
};

constexpr Unit kDuration[] = {
    {duration, "hours", "h", 3600.0},
    {duration, "microseconds", "µs", 1e-6},
    {duration, "milliseconds", "ms", 1e-3},
    {duration, "minutes", "m", 60.0},
    {duration, "nanoseconds", "ns", 1e-9},
    {duration, "picoseconds", "ps", 1e-12},
    {duration, "seconds", "s", 1.0},
};

constexpr Unit kElectricCharge[] = {
    {electricCharge, "ampereHours", "Ah", 3600.0},
    {electricCharge, "coulombs", "C", 1.0},
    {electricCharge, "kiloampereHours", "kAh", 3600000.0},
    {electricCharge, "megaampereHours", "MAh", 3.6e9},
    {electricCharge, "microampereHours", "µAh", 0.0036},
    {electricCharge, "milliampereHours", "mAh", 3.6},
};

constexpr Unit kElectricCurrent[] = {
    {electricCurrent, "amperes", "A", 1.0},
    {electricCurrent, "kiloamperes", "kA", 1e3},
    {electricCurrent, "megaamperes", "MA", 1e6},
    {electricCurrent, "microamperes", "µA", 1e-6},
    {electricCurrent, "milliamperes", "mA", 1e-3},
};

constexpr Unit kElectricPotentialDifference[] = {
    {electricPotentialDifference, "kilovolts", "kV", 1e3},
    {electricPotentialDifference, "megavolts", "MV", 1e6},
    {electricPotentialDifference, "microvolts", "µV", 1e-6},
    {electricPotentialDifference, "millivolts", "mV", 1e-3},
    {electricPotentialDifference, "volts", "V", 1.0},
};

constexpr Unit kElectricResistance[] = {
    {electricResistance, "kiloohms", "kΩ", 1e3},
    {electricResistance, "megaohms", "MΩ", 1e6},
    {electricResistance, "microohms", "µΩ", 1e-6},
    {electricResistance, "milliohms", "mΩ", 1e-3},
    {electricResistance, "ohms", "Ω", 1.0},
};

constexpr Unit kFrequency[] = {
    {frequency, "gigahertz", "GHz", 1e9},
    {frequency, "hertz", "Hz", 1.0},
    {frequency, "kilohertz", "kHz", 1e3},
    {frequency, "megahertz", "MHz", 1e6},
    {frequency, "microhertz", "µHz", 1e-6},
    {frequency, "millihertz", "mHz", 1e-3},
    {frequency, "nanohertz", "nHz", 1e-9},
    {frequency, "terahertz", "THz", 1e12},
};

constexpr Unit kFuelEfficiency[] = {
    {fuelEfficiency, "litersPer100Kilometers", "L/100km", 1.0, 0.0, Conversion::reciprocal},
    {fuelEfficiency, "milesPerGallon", "mpg", 235.215, 0.0, Conversion::reciprocal},
    {fuelEfficiency, "milesPerImperialGallon", "mpg", 282.481, 0.0, Conversion::reciprocal},
};

constexpr Unit kIlluminance[] = {
    {illuminance, "lux", "lx", 1.0},
};

constexpr Unit kInformationStorage[] = {
    {informationStorage, "bits", "bit", 1.0},
    {informationStorage, "bytes", "B", 8.0},
    {informationStorage, "exabits", "Eb", raised(1000.0, 6)},
    {informationStorage, "exabytes", "EB", 8.0 * raised(1000.0, 6)},
    {informationStorage, "exbibits", "Eib", raised(1024.0, 6)},
    {informationStorage, "exbibytes", "EiB", 8.0 * raised(1024.0, 6)},
    {informationStorage, "gibibits", "Gib", raised(1024.0, 3)},
    {informationStorage, "gibibytes", "GiB", 8.0 * raised(1024.0, 3)},
    {informationStorage, "gigabits", "Gb", raised(1000.0, 3)},
    {informationStorage, "gigabytes", "GB", 8.0 * raised(1000.0, 3)},
    {informationStorage, "kibibits", "Kib", 1024.0},
    {informationStorage, "kibibytes", "KiB", 8.0 * 1024.0},
    {informationStorage, "kilobits", "kb", 1000.0},
    {informationStorage, "kilobytes", "kB", 8.0 * 1000.0},
    {informationStorage, "mebibits", "Mib", raised(1024.0, 2)},
    {informationStorage, "mebibytes", "MiB", 8.0 * raised(1024.0, 2)},
    {informationStorage, "megabits", "Mb", raised(1000.0, 2)},
    {informationStorage, "megabytes", "MB", 8.0 * raised(1000.0, 2)},
    {informationStorage, "pebibits", "Pib", raised(1024.0, 5)},
    {informationStorage, "pebibytes", "PiB", 8.0 * raised(1024.0, 5)},
    {informationStorage, "petabits", "Pb", raised(1000.0, 5)},
    {informationStorage, "petabytes", "PB", 8.0 * raised(1000.0, 5)},
    {informationStorage, "tebibits", "Tib", raised(1024.0, 4)},
    {informationStorage, "tebibytes", "TiB", 8.0 * raised(1024.0, 4)},
    {informationStorage, "terabits", "Tb", raised(1000.0, 4)},
    {informationStorage, "terabytes", "TB", 8.0 * raised(1000.0, 4)},
    {informationStorage, "yobibits", "Yib", raised(1024.0, 8)},
    {informationStorage, "yobibytes", "YiB", 8.0 * raised(1024.0, 8)},
    {informationStorage, "yottabits", "Yb", raised(1000.0, 8)},
    {informationStorage, "yottabytes", "YB", 8.0 * raised(1000.0, 8)},
    {informationStorage, "zebibits", "Zib", raised(1024.0, 7)},
    {informationStorage, "zebibytes", "ZiB", 8.0 * raised(1024.0, 7)},
    {informationStorage, "zettabits", "Zb", raised(1000.0, 7)},
    {informationStorage, "zettabytes", "ZB", 8.0 * raised(1000.0, 7)},
};

constexpr Unit kLength[] = {
    {length, "astronomicalUnits", "ua", 1.496e+11},
    {length, "centimeters", "cm", 1e-2},
    {length, "decameters", "dam", 1e1},
    {length, "decimeters", "dm", 1e-1},
    {length, "fathoms", "ftm", 1.8288},
    {length, "feet", "ft", 0.3048},
    {length, "furlongs", "fur", 201.168},
    {length, "hectometers", "hm", 1e2},
    {length, "inches", "in", 0.0254},
    {length, "kilometers", "km", 1e3},
    {length, "lightyears", "ly", 9.461e+15},
    {length, "megameters", "Mm", 1e6},
    {length, "meters", "m", 1.0},
    {length, "micrometers", "µm", 1e-6},
    {length, "miles", "mi", 1609.34},
    {length, "millimeters", "mm", 1e-3},
    {length, "nanometers", "nm", 1e-9},
    {length, "nauticalMiles", "NM", 1852.0},
    {length, "parsecs", "pc", 3.086e+16},
    {length, "picometers", "pm", 1e-12},
    {length, "scandinavianMiles", "smi", 10000.0},
    {length, "yards", "yd", 0.9144},
};

constexpr Unit kMass[] = {
    {mass, "carats", "ct", 0.0002},
    {mass, "centigrams", "cg", 1e-5},
    {mass, "decigrams", "dg", 1e-4},
    {mass, "grams", "g", 1e-3},
    {mass, "kilograms", "kg", 1.0},
    {mass, "metricTons", "t", 1000.0},
    {mass, "micrograms", "µg", 1e-9},
    {mass, "milligrams", "mg", 1e-6},
    {mass, "nanograms", "ng", 1e-12},
    {mass, "ounces", "oz", 0.0283495},
    {mass, "ouncesTroy", "oz t", 0.03110348},
    {mass, "picograms", "pg", 1e-15},
    {mass, "poundsMass", "lb", 0.453592},
    {mass, "shortTons", "ton", 907.185},
    {mass, "slugs", "slug", 14.5939},
    {mass, "stones", "st", 0.157473},
};

constexpr Unit kPower[] = {
    {power, "femtowatts", "fW", 1e-15},
    {power, "gigawatts", "GW", 1e9},
    {power, "horsepower", "hp", 745.7},
    {power, "kilowatts", "kW", 1e3},
    {power, "megawatts", "MW", 1e6},
    {power, "microwatts", "µW", 1e-6},
    {power, "milliwatts", "mW", 1e-3},
    {power, "nanowatts", "nW", 1e-9},
    {power, "picowatts", "pW", 1e-12},
    {power, "terawatts", "TW", 1e12},
    {power, "watts", "W", 1.0},
};

constexpr Unit kPressure[] = {
    {pressure, "bars", "bar", 1e5},
    {pressure, "gigapascals", "GPa", 1e9},
    {pressure, "hectopascals", "hPa", 1e2},
    {pressure, "inchesOfMercury", "inHg", 3386.39},
    {pressure, "kilopascals", "kPa", 1e3},
    {pressure, "megapascals", "MPa", 1e6},
    {pressure, "millibars", "mbar", 1e2},
    {pressure, "millimetersOfMercury", "mmHg", 133.322},
    {pressure, "newtonsPerMetersSquared", "N/m²", 1.0},
    {pressure, "poundsForcePerSquareInch", "psi", 6894.76},
};

constexpr Unit kSpeed[] = {
    {speed, "kilometersPerHour", "km/h", 0.277778},
    {speed, "knots", "kn", 0.514444},
    {speed, "metersPerSecond", "m/s", 1.0},
    {speed, "milesPerHour", "mph", 0.44704},
};

constexpr Unit kTemperature[] = {
    {temperature, "celsius", "°C", 1.0, 273.15},
    {temperature, "fahrenheit", "°F", 0.55555555555556, 255.37222222222427},
    {temperature, "kelvin", "K", 1.0, 0.0},
};

constexpr Unit kVolume[] = {
    {volume, "acreFeet", "af", 1.233e+6},
    {volume, "centiliters", "cL", 1e-2},
    {volume, "cubicCentimeters", "cm³", 1e-3},
    {volume, "cubicDecimeters", "dm³", 1.0},
    {volume, "cubicFeet", "ft³", 28.3168},
    {volume, "cubicInches", "in³", 0.0163871},
    {volume, "cubicKilometers", "km³", 1e12},
    {volume, "cubicMeters", "m³", 1000.0},
    {volume, "cubicMiles", "mi³", 4.168e+12},
    {volume, "cubicMillimeters", "mm³", 1e-6},
    {volume, "cubicYards", "yd³", 764.555},
    {volume, "cups", "cup", 0.24},
    {volume, "deciliters", "dl", 1e-1},
    {volume, "fluidOunces", "fl oz", 0.0295735},
    {volume, "gallons", "gal", 3.78541},
    {volume, "imperialFluidOunces", "fl oz Imperial", 0.0284131},
    {volume, "imperialGallons", "gal Imperial", 4.54609},
    {volume, "imperialPints", "pt Imperial", 0.568261},
    {volume, "imperialQuarts", "qt Imperial", 1.13652},
    {volume, "imperialTablespoons", "tbsp Imperial", 0.0177582},
    {volume, "imperialTeaspoons", "tsp Imperial", 0.00591939},
    {volume, "kiloliters", "kL", 1e3},
    {volume, "liters", "L", 1.0},
    {volume, "megaliters", "ML", 1e6},
    {volume, "metricCups", "metric cup Imperial", 0.25},
    {volume, "milliliters", "mL", 1e-3},
    {volume, "pints", "pt", 0.473176},
    {volume, "quarts", "qt", 0.946353},
    {volume, "tablespoons", "tbsp", 0.0147868},
    {volume, "teaspoons", "tsp", 0.00492892},
};

// Looks a member up at compile time, so a misspelt accessor does not build.
template <std::size_t N>
consteval std::size_t row(const Unit (&table)[N], std::string_view member) {
  for (std::size_t i = 0; i < N; ++i)
    if (table[i].memberName() == member) return i;
  throw "no such member";
}

template <std::size_t N>
consteval const Unit& pick(const Unit (&table)[N], std::string_view member) {
  return table[row(table, member)];
}

struct DimensionClass {
  std::string_view name;
  std::span<const Unit> units;
  std::size_t base;
};

// Indexed by Dimension.
constexpr DimensionClass kClasses[] = {
    {"NSUnitAcceleration", kAcceleration, row(kAcceleration, "metersPerSecondSquared")},
    {"NSUnitAngle", kAngle, row(kAngle, "degrees")},
    {"NSUnitArea", kArea, row(kArea, "squareMeters")},
    {"NSUnitConcentrationMass", kConcentrationMass, row(kConcentrationMass, "gramsPerLiter")},
    {"NSUnitDuration", kDuration, row(kDuration, "seconds")},
    {"NSUnitElectricCharge", kElectricCharge, row(kElectricCharge, "coulombs")},
    {"NSUnitElectricCurrent", kElectricCurrent, row(kElectricCurrent, "amperes")},
    {"NSUnitElectricPotentialDifference", kElectricPotentialDifference, row(kElectricPotentialDifference, "volts")},
    {"NSUnitElectricResistance", kElectricResistance, row(kElectricResistance, "ohms")},
    {"NSUnitFrequency", kFrequency, row(kFrequency, "hertz")},
    {"NSUnitFuelEfficiency", kFuelEfficiency, row(kFuelEfficiency, "litersPer100Kilometers")},
    {"NSUnitIlluminance", kIlluminance, row(kIlluminance, "lux")},
    {"NSUnitInformationStorage", kInformationStorage, row(kInformationStorage, "bits")},
    {"NSUnitLength", kLength, row(kLength, "meters")},
    {"NSUnitMass", kMass, row(kMass, "kilograms")},
    {"NSUnitPower", kPower, row(kPower, "watts")},
    {"NSUnitPressure", kPressure, row(kPressure, "newtonsPerMetersSquared")},
    {"NSUnitSpeed", kSpeed, row(kSpeed, "metersPerSecond")},
    {"NSUnitTemperature", kTemperature, row(kTemperature, "kelvin")},
    {"NSUnitVolume", kVolume, row(kVolume, "liters")},
};
static_assert(std::size(kClasses) == kDimensionCount);

consteval bool tablesAreConsistent() {
  for (std::size_t d = 0; d < kDimensionCount; ++d) {
    const DimensionClass& cls = kClasses[d];
    const Unit& base = cls.units[cls.base];
    if (base.coefficient() != 1.0 || base.offset() != 0.0) return false;
    for (std::size_t i = 0; i < cls.units.size(); ++i) {
      if (cls.units[i].dimension() != static_cast<Dimension>(d)) return false;
      for (std::size_t j = 0; j < i; ++j)
        if (cls.units[i].memberName() == cls.units[j].memberName()) return false;
    }
  }
  return true;
}
static_assert(tablesAreConsistent(), "a unit sits in the wrong class, a member repeats, or a base unit is not 1");

constexpr std::array<Dimension, kDimensionCount> kDimensions = [] {
  std::array<Dimension, kDimensionCount> all{};
  for (std::size_t d = 0; d < kDimensionCount; ++d) all[d] = static_cast<Dimension>(d);
  return all;
}();

const DimensionClass& classOf(Dimension dimension) noexcept { return kClasses[static_cast<std::size_t>(dimension)]; }

}  // namespace

std::span<const Dimension> allDimensions() noexcept { return kDimensions; }

std::string_view dimensionName(Dimension dimension) noexcept { return classOf(dimension).name; }

std::span<const Unit> allUnits(Dimension dimension) noexcept { return classOf(dimension).units; }

const Unit& baseUnit(Dimension dimension) noexcept {
  const DimensionClass& cls = classOf(dimension);
  return cls.units[cls.base];
}

bool Unit::isBaseUnit() const noexcept { return this == &baseUnit(dimension_); }

double Unit::toBaseValue(double value) const noexcept {
  if (conversion_ == Conversion::linear) return value * coefficient_ + offset_;
  // The reciprocal base unit's converter would turn litres per 100 km into
  // their inverse; the base value of a base unit is the value itself.
  return isBaseUnit() ? value : coefficient_ / value;
}

double Unit::fromBaseValue(double baseValue) const noexcept {
  if (conversion_ == Conversion::linear) return (baseValue - offset_) / coefficient_;
  return isBaseUnit() ? baseValue : coefficient_ / baseValue;
}

const Unit& UnitAcceleration::gravity() noexcept { return pick(kAcceleration, "gravity"); }
const Unit& UnitAcceleration::metersPerSecondSquared() noexcept {
  return pick(kAcceleration, "metersPerSecondSquared");
}

const Unit& UnitAngle::arcMinutes() noexcept { return pick(kAngle, "arcMinutes"); }
const Unit& UnitAngle::arcSeconds() noexcept { return pick(kAngle, "arcSeconds"); }
const Unit& UnitAngle::degrees() noexcept { return pick(kAngle, "degrees"); }
const Unit& UnitAngle::gradians() noexcept { return pick(kAngle, "gradians"); }
const Unit& UnitAngle::radians() noexcept { return pick(kAngle, "radians"); }
const Unit& UnitAngle::revolutions() noexcept { return pick(kAngle, "revolutions"); }

const Unit& UnitArea::acres() noexcept { return pick(kArea, "acres"); }
const Unit& UnitArea::hectares() noexcept { return pick(kArea, "hectares"); }
const Unit& UnitArea::squareCentimeters() noexcept { return pick(kArea, "squareCentimeters"); }
const Unit& UnitArea::squareFeet() noexcept { return pick(kArea, "squareFeet"); }
const Unit& UnitArea::squareInches() noexcept { return pick(kArea, "squareInches"); }
const Unit& UnitArea::squareKilometers() noexcept { return pick(kArea, "squareKilometers"); }
const Unit& UnitArea::squareMegameters() noexcept { return pick(kArea, "squareMegameters"); }
const Unit& UnitArea::squareMeters() noexcept { return pick(kArea, "squareMeters"); }
const Unit& UnitArea::squareMicrometers() noexcept { return pick(kArea, "squareMicrometers"); }
const Unit& UnitArea::squareMiles() noexcept { return pick(kArea, "squareMiles"); }
const Unit& UnitArea::squareMillimeters() noexcept { return pick(kArea, "squareMillimeters"); }
const Unit& UnitArea::squareYards() noexcept { return pick(kArea, "squareYards"); }

const Unit& UnitConcentrationMass::gramsPerLiter() noexcept { return pick(kConcentrationMass, "gramsPerLiter"); }
const Unit& UnitConcentrationMass::milligramsPerDeciliter() noexcept {
  return pick(kConcentrationMass, "milligramsPerDeciliter");
}

const Unit& UnitDuration::hours() noexcept { return pick(kDuration, "hours"); }
const Unit& UnitDuration::microseconds() noexcept { return pick(kDuration, "microseconds"); }
const Unit& UnitDuration::milliseconds() noexcept { return pick(kDuration, "milliseconds"); }
const Unit& UnitDuration::minutes() noexcept { return pick(kDuration, "minutes"); }
const Unit& UnitDuration::nanoseconds() noexcept { return pick(kDuration, "nanoseconds"); }
const Unit& UnitDuration::picoseconds() noexcept { return pick(kDuration, "picoseconds"); }
const Unit& UnitDuration::seconds() noexcept { return pick(kDuration, "seconds"); }

const Unit& UnitElectricCharge::ampereHours() noexcept { return pick(kElectricCharge, "ampereHours"); }
const Unit& UnitElectricCharge::coulombs() noexcept { return pick(kElectricCharge, "coulombs"); }
const Unit& UnitElectricCharge::kiloampereHours() noexcept { return pick(kElectricCharge, "kiloampereHours"); }
const Unit& UnitElectricCharge::megaampereHours() noexcept { return pick(kElectricCharge, "megaampereHours"); }
const Unit& UnitElectricCharge::microampereHours() noexcept { return pick(kElectricCharge, "microampereHours"); }
const Unit& UnitElectricCharge::milliampereHours() noexcept { return pick(kElectricCharge, "milliampereHours"); }

const Unit& UnitElectricCurrent::amperes() noexcept { return pick(kElectricCurrent, "amperes"); }
const Unit& UnitElectricCurrent::kiloamperes() noexcept { return pick(kElectricCurrent, "kiloamperes"); }
const Unit& UnitElectricCurrent::megaamperes() noexcept { return pick(kElectricCurrent, "megaamperes"); }
const Unit& UnitElectricCurrent::microamperes() noexcept { return pick(kElectricCurrent, "microamperes"); }
const Unit& UnitElectricCurrent::milliamperes() noexcept { return pick(kElectricCurrent, "milliamperes"); }

const Unit& UnitElectricPotentialDifference::kilovolts() noexcept {
  return pick(kElectricPotentialDifference, "kilovolts");
}
const Unit& UnitElectricPotentialDifference::megavolts() noexcept {
  return pick(kElectricPotentialDifference, "megavolts");
}
const Unit& UnitElectricPotentialDifference::microvolts() noexcept {
  return pick(kElectricPotentialDifference, "microvolts");
}
const Unit& UnitElectricPotentialDifference::millivolts() noexcept {
  return pick(kElectricPotentialDifference, "millivolts");
}
const Unit& UnitElectricPotentialDifference::volts() noexcept { return pick(kElectricPotentialDifference, "volts"); }

const Unit& UnitElectricResistance::kiloohms() noexcept { return pick(kElectricResistance, "kiloohms"); }
const Unit& UnitElectricResistance::megaohms() noexcept { return pick(kElectricResistance, "megaohms"); }
const Unit& UnitElectricResistance::microohms() noexcept { return pick(kElectricResistance, "microohms"); }
const Unit& UnitElectricResistance::milliohms() noexcept { return pick(kElectricResistance, "milliohms"); }
const Unit& UnitElectricResistance::ohms() noexcept { return pick(kElectricResistance, "ohms"); }

const Unit& UnitFrequency::gigahertz() noexcept { return pick(kFrequency, "gigahertz"); }
const Unit& UnitFrequency::hertz() noexcept { return pick(kFrequency, "hertz"); }
const Unit& UnitFrequency::kilohertz() noexcept { return pick(kFrequency, "kilohertz"); }
const Unit& UnitFrequency::megahertz() noexcept { return pick(kFrequency, "megahertz"); }
const Unit& UnitFrequency::microhertz() noexcept { return pick(kFrequency, "microhertz"); }
const Unit& UnitFrequency::millihertz() noexcept { return pick(kFrequency, "millihertz"); }
const Unit& UnitFrequency::nanohertz() noexcept { return pick(kFrequency, "nanohertz"); }
const Unit& UnitFrequency::terahertz() noexcept { return pick(kFrequency, "terahertz"); }

const Unit& UnitFuelEfficiency::litersPer100Kilometers() noexcept {
  return pick(kFuelEfficiency, "litersPer100Kilometers");
}
const Unit& UnitFuelEfficiency::milesPerGallon() noexcept { return pick(kFuelEfficiency, "milesPerGallon"); }
const Unit& UnitFuelEfficiency::milesPerImperialGallon() noexcept {
  return pick(kFuelEfficiency, "milesPerImperialGallon");
}

const Unit& UnitIlluminance::lux() noexcept { return pick(kIlluminance, "lux"); }

const Unit& UnitInformationStorage::bits() noexcept { return pick(kInformationStorage, "bits"); }
const Unit& UnitInformationStorage::bytes() noexcept { return pick(kInformationStorage, "bytes"); }
const Unit& UnitInformationStorage::exabits() noexcept { return pick(kInformationStorage, "exabits"); }
const Unit& UnitInformationStorage::exabytes() noexcept { return pick(kInformationStorage, "exabytes"); }
const Unit& UnitInformationStorage::exbibits() noexcept { return pick(kInformationStorage, "exbibits"); }
const Unit& UnitInformationStorage::exbibytes() noexcept { return pick(kInformationStorage, "exbibytes"); }
const Unit& UnitInformationStorage::gibibits() noexcept { return pick(kInformationStorage, "gibibits"); }
const Unit& UnitInformationStorage::gibibytes() noexcept { return pick(kInformationStorage, "gibibytes"); }
const Unit& UnitInformationStorage::gigabits() noexcept { return pick(kInformationStorage, "gigabits"); }
const Unit& UnitInformationStorage::gigabytes() noexcept { return pick(kInformationStorage, "gigabytes"); }
const Unit& UnitInformationStorage::kibibits() noexcept { return pick(kInformationStorage, "kibibits"); }
const Unit& UnitInformationStorage::kibibytes() noexcept { return pick(kInformationStorage, "kibibytes"); }
const Unit& UnitInformationStorage::kilobits() noexcept { return pick(kInformationStorage, "kilobits"); }
const Unit& UnitInformationStorage::kilobytes() noexcept { return pick(kInformationStorage, "kilobytes"); }
const Unit& UnitInformationStorage::mebibits() noexcept { return pick(kInformationStorage, "mebibits"); }
const Unit& UnitInformationStorage::mebibytes() noexcept { return pick(kInformationStorage, "mebibytes"); }
const Unit& UnitInformationStorage::megabits() noexcept { return pick(kInformationStorage, "megabits"); }
const Unit& UnitInformationStorage::megabytes() noexcept { return pick(kInformationStorage, "megabytes"); }
const Unit& UnitInformationStorage::pebibits() noexcept { return pick(kInformationStorage, "pebibits"); }
const Unit& UnitInformationStorage::pebibytes() noexcept { return pick(kInformationStorage, "pebibytes"); }
const Unit& UnitInformationStorage::petabits() noexcept { return pick(kInformationStorage, "petabits"); }
const Unit& UnitInformationStorage::petabytes() noexcept { return pick(kInformationStorage, "petabytes"); }
const Unit& UnitInformationStorage::tebibits() noexcept { return pick(kInformationStorage, "tebibits"); }
const Unit& UnitInformationStorage::tebibytes() noexcept { return pick(kInformationStorage, "tebibytes"); }
const Unit& UnitInformationStorage::terabits() noexcept { return pick(kInformationStorage, "terabits"); }
const Unit& UnitInformationStorage::terabytes() noexcept { return pick(kInformationStorage, "terabytes"); }
const Unit& UnitInformationStorage::yobibits() noexcept { return pick(kInformationStorage, "yobibits"); }
const Unit& UnitInformationStorage::yobibytes() noexcept { return pick(kInformationStorage, "yobibytes"); }
const Unit& UnitInformationStorage::yottabits() noexcept { return pick(kInformationStorage, "yottabits"); }
const Unit& UnitInformationStorage::yottabytes() noexcept { return pick(kInformationStorage, "yottabytes"); }
const Unit& UnitInformationStorage::zebibits() noexcept { return pick(kInformationStorage, "zebibits"); }
const Unit& UnitInformationStorage::zebibytes() noexcept { return pick(kInformationStorage, "zebibytes"); }
const Unit& UnitInformationStorage::zettabits() noexcept { return pick(kInformationStorage, "zettabits"); }
const Unit& UnitInformationStorage::zettabytes() noexcept { return pick(kInformationStorage, "zettabytes"); }

const Unit& UnitLength::astronomicalUnits() noexcept { return pick(kLength, "astronomicalUnits"); }
const Unit& UnitLength::centimeters() noexcept { return pick(kLength, "centimeters"); }
const Unit& UnitLength::decameters() noexcept { return pick(kLength, "decameters"); }
const Unit& UnitLength::decimeters() noexcept { return pick(kLength, "decimeters"); }
const Unit& UnitLength::fathoms() noexcept { return pick(kLength, "fathoms"); }
const Unit& UnitLength::feet() noexcept { return pick(kLength, "feet"); }
const Unit& UnitLength::furlongs() noexcept { return pick(kLength, "furlongs"); }
const Unit& UnitLength::hectometers() noexcept { return pick(kLength, "hectometers"); }
const Unit& UnitLength::inches() noexcept { return pick(kLength, "inches"); }
const Unit& UnitLength::kilometers() noexcept { return pick(kLength, "kilometers"); }
const Unit& UnitLength::lightyears() noexcept { return pick(kLength, "lightyears"); }
const Unit& UnitLength::megameters() noexcept { return pick(kLength, "megameters"); }
const Unit& UnitLength::meters() noexcept { return pick(kLength, "meters"); }
const Unit& UnitLength::micrometers() noexcept { return pick(kLength, "micrometers"); }
const Unit& UnitLength::miles() noexcept { return pick(kLength, "miles"); }
const Unit& UnitLength::millimeters() noexcept { return pick(kLength, "millimeters"); }
const Unit& UnitLength::nanometers() noexcept { return pick(kLength, "nanometers"); }
const Unit& UnitLength::nauticalMiles() noexcept { return pick(kLength, "nauticalMiles"); }
const Unit& UnitLength::parsecs() noexcept { return pick(kLength, "parsecs"); }
const Unit& UnitLength::picometers() noexcept { return pick(kLength, "picometers"); }
const Unit& UnitLength::scandinavianMiles() noexcept { return pick(kLength, "scandinavianMiles"); }
const Unit& UnitLength::yards() noexcept { return pick(kLength, "yards"); }

const Unit& UnitMass::carats() noexcept { return pick(kMass, "carats"); }
const Unit& UnitMass::centigrams() noexcept { return pick(kMass, "centigrams"); }
const Unit& UnitMass::decigrams() noexcept { return pick(kMass, "decigrams"); }
const Unit& UnitMass::grams() noexcept { return pick(kMass, "grams"); }
const Unit& UnitMass::kilograms() noexcept { return pick(kMass, "kilograms"); }
const Unit& UnitMass::metricTons() noexcept { return pick(kMass, "metricTons"); }
const Unit& UnitMass::micrograms() noexcept { return pick(kMass, "micrograms"); }
const Unit& UnitMass::milligrams() noexcept { return pick(kMass, "milligrams"); }
const Unit& UnitMass::nanograms() noexcept { return pick(kMass, "nanograms"); }
const Unit& UnitMass::ounces() noexcept { return pick(kMass, "ounces"); }
const Unit& UnitMass::ouncesTroy() noexcept { return pick(kMass, "ouncesTroy"); }
const Unit& UnitMass::picograms() noexcept { return pick(kMass, "picograms"); }
const Unit& UnitMass::poundsMass() noexcept { return pick(kMass, "poundsMass"); }
const Unit& UnitMass::shortTons() noexcept { return pick(kMass, "shortTons"); }
const Unit& UnitMass::slugs() noexcept { return pick(kMass, "slugs"); }
const Unit& UnitMass::stones() noexcept { return pick(kMass, "stones"); }

const Unit& UnitPower::femtowatts() noexcept { return pick(kPower, "femtowatts"); }
const Unit& UnitPower::gigawatts() noexcept { return pick(kPower, "gigawatts"); }
const Unit& UnitPower::horsepower() noexcept { return pick(kPower, "horsepower"); }
const Unit& UnitPower::kilowatts() noexcept { return pick(kPower, "kilowatts"); }
const Unit& UnitPower::megawatts() noexcept { return pick(kPower, "megawatts"); }
const Unit& UnitPower::microwatts() noexcept { return pick(kPower, "microwatts"); }
const Unit& UnitPower::milliwatts() noexcept { return pick(kPower, "milliwatts"); }
const Unit& UnitPower::nanowatts() noexcept { return pick(kPower, "nanowatts"); }
const Unit& UnitPower::picowatts() noexcept { return pick(kPower, "picowatts"); }
const Unit& UnitPower::terawatts() noexcept { return pick(kPower, "terawatts"); }
const Unit& UnitPower::watts() noexcept { return pick(kPower, "watts"); }

const Unit& UnitPressure::bars() noexcept { return pick(kPressure, "bars"); }
const Unit& UnitPressure::gigapascals() noexcept { return pick(kPressure, "gigapascals"); }
const Unit& UnitPressure::hectopascals() noexcept { return pick(kPressure, "hectopascals"); }
const Unit& UnitPressure::inchesOfMercury() noexcept { return pick(kPressure, "inchesOfMercury"); }
const Unit& UnitPressure::kilopascals() noexcept { return pick(kPressure, "kilopascals"); }
const Unit& UnitPressure::megapascals() noexcept { return pick(kPressure, "megapascals"); }
const Unit& UnitPressure::millibars() noexcept { return pick(kPressure, "millibars"); }
const Unit& UnitPressure::millimetersOfMercury() noexcept { return pick(kPressure, "millimetersOfMercury"); }
const Unit& UnitPressure::newtonsPerMetersSquared() noexcept { return pick(kPressure, "newtonsPerMetersSquared"); }
const Unit& UnitPressure::poundsForcePerSquareInch() noexcept { return pick(kPressure, "poundsForcePerSquareInch"); }

const Unit& UnitSpeed::kilometersPerHour() noexcept { return pick(kSpeed, "kilometersPerHour"); }
const Unit& UnitSpeed::knots() noexcept { return pick(kSpeed, "knots"); }
const Unit& UnitSpeed::metersPerSecond() noexcept { return pick(kSpeed, "metersPerSecond"); }
const Unit& UnitSpeed::milesPerHour() noexcept { return pick(kSpeed, "milesPerHour"); }

const Unit& UnitTemperature::celsius() noexcept { return pick(kTemperature, "celsius"); }
const Unit& UnitTemperature::fahrenheit() noexcept { return pick(kTemperature, "fahrenheit"); }
const Unit& UnitTemperature::kelvin() noexcept { return pick(kTemperature, "kelvin"); }

const Unit& UnitVolume::acreFeet() noexcept { return pick(kVolume, "acreFeet"); }
const Unit& UnitVolume::centiliters() noexcept { return pick(kVolume, "centiliters"); }
const Unit& UnitVolume::cubicCentimeters() noexcept { return pick(kVolume, "cubicCentimeters"); }
const Unit& UnitVolume::cubicDecimeters() noexcept { return pick(kVolume, "cubicDecimeters"); }
const Unit& UnitVolume::cubicFeet() noexcept { return pick(kVolume, "cubicFeet"); }
const Unit& UnitVolume::cubicInches() noexcept { return pick(kVolume, "cubicInches"); }
const Unit& UnitVolume::cubicKilometers() noexcept { return pick(kVolume, "cubicKilometers"); }
const Unit& UnitVolume::cubicMeters() noexcept { return pick(kVolume, "cubicMeters"); }
const Unit& UnitVolume::cubicMiles() noexcept { return pick(kVolume, "cubicMiles"); }
const Unit& UnitVolume::cubicMillimeters() noexcept { return pick(kVolume, "cubicMillimeters"); }
const Unit& UnitVolume::cubicYards() noexcept { return pick(kVolume, "cubicYards"); }
const Unit& UnitVolume::cups() noexcept { return pick(kVolume, "cups"); }
const Unit& UnitVolume::deciliters() noexcept { return pick(kVolume, "deciliters"); }
const Unit& UnitVolume::fluidOunces() noexcept { return pick(kVolume, "fluidOunces"); }
const Unit& UnitVolume::gallons() noexcept { return pick(kVolume, "gallons"); }
const Unit& UnitVolume::imperialFluidOunces() noexcept { return pick(kVolume, "imperialFluidOunces"); }
const Unit& UnitVolume::imperialGallons() noexcept { return pick(kVolume, "imperialGallons"); }
const Unit& UnitVolume::imperialPints() noexcept { return pick(kVolume, "imperialPints"); }
const Unit& UnitVolume::imperialQuarts() noexcept { return pick(kVolume, "imperialQuarts"); }
const Unit& UnitVolume::imperialTablespoons() noexcept { return pick(kVolume, "imperialTablespoons"); }
const Unit& UnitVolume::imperialTeaspoons() noexcept { return pick(kVolume, "imperialTeaspoons"); }
const Unit& UnitVolume::kiloliters() noexcept { return pick(kVolume, "kiloliters"); }
const Unit& UnitVolume::liters() noexcept { return pick(kVolume, "liters"); }
const Unit& UnitVolume::megaliters() noexcept { return pick(kVolume, "megaliters"); }
const Unit& UnitVolume::metricCups() noexcept { return pick(kVolume, "metricCups"); }
const Unit& UnitVolume::milliliters() noexcept { return pick(kVolume, "milliliters"); }
const Unit& UnitVolume::pints() noexcept { return pick(kVolume, "pints"); }
const Unit& UnitVolume::quarts() noexcept { return pick(kVolume, "quarts"); }
const Unit& UnitVolume::tablespoons() noexcept { return pick(kVolume, "tablespoons"); }
const Unit& UnitVolume::teaspoons() noexcept { return pick(kVolume, "teaspoons"); }

}  // namespace tal::platform
