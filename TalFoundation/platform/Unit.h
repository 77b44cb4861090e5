// Unit: the platform's class-level unit objects (NSUnitLength.kilometers and
// the rest of the twenty dimension classes), where the platform's own are not
// available. A catalogue unit keeps one as its platform counterpart, takes its
// symbol from it, and the angle road recognises the six angle units by
// address. Neighbours: Measurement.h (converting a double between two units).
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "TalFoundation/Export.h"

namespace tal::platform {

/// The platform's dimension classes, one per quantity, in alphabetical order
/// of the class name.
enum class Dimension {
  acceleration,
  angle,
  area,
  concentrationMass,
  duration,
  electricCharge,
  electricCurrent,
  electricPotentialDifference,
  electricResistance,
  frequency,
  fuelEfficiency,
  illuminance,
  informationStorage,
  length,
  mass,
  power,
  pressure,
  speed,
  temperature,
  volume,
};

inline constexpr std::size_t kDimensionCount = 20;

/// Every dimension, in declaration order.
[[nodiscard]] TAL_EXPORT std::span<const Dimension> allDimensions() noexcept;

/// The platform class name, e.g. "NSUnitLength".
[[nodiscard]] TAL_EXPORT std::string_view dimensionName(Dimension dimension) noexcept;

/// How a unit's value relates to its class's base unit.
enum class Conversion {
  /// base = value × coefficient + offset.
  linear,
  /// base = coefficient ÷ value (fuel efficiency: distance per volume
  /// against volume per distance).
  reciprocal,
};

/// One unit of one dimension class: a symbol and the way to the class's base
/// unit. The class-level units below are one object each for the whole
/// process, so callers compare them by address; a caller may make its own
/// (the platform lets apps define units of a dimension class) and keep it
/// alive for as long as it is used.
class TAL_EXPORT Unit {
 public:
  constexpr Unit(Dimension dimension, std::string_view memberName, std::string_view symbol, double coefficient,
                 double offset = 0.0, Conversion conversion = Conversion::linear) noexcept
      : dimension_(dimension),
        memberName_(memberName),
        symbol_(symbol),
        coefficient_(coefficient),
        offset_(offset),
        conversion_(conversion) {}

  // Identity is the address: no copies, no moves.
  Unit(const Unit&) = delete;
  Unit& operator=(const Unit&) = delete;

  [[nodiscard]] constexpr Dimension dimension() const noexcept { return dimension_; }
  /// The platform property name, e.g. "kilometers".
  [[nodiscard]] constexpr std::string_view memberName() const noexcept { return memberName_; }
  /// The platform's symbol text, UTF-8.
  [[nodiscard]] constexpr std::string_view symbol() const noexcept { return symbol_; }
  /// The linear factor, or the reciprocal converter's numerator.
  [[nodiscard]] constexpr double coefficient() const noexcept { return coefficient_; }
  /// Added after the factor; non-zero for temperature scales only.
  [[nodiscard]] constexpr double offset() const noexcept { return offset_; }
  [[nodiscard]] constexpr bool isReciprocal() const noexcept { return conversion_ == Conversion::reciprocal; }

  /// Whether this is its class's base unit (by address).
  [[nodiscard]] bool isBaseUnit() const noexcept;

  /// `value` of this unit expressed in the class's base unit. The base unit
  /// itself passes values through, even where its converter is reciprocal.
  [[nodiscard]] double toBaseValue(double value) const noexcept;
  /// The inverse of toBaseValue.
  [[nodiscard]] double fromBaseValue(double baseValue) const noexcept;

  /// Identity, not equal fields: two units with the same symbol and
  /// coefficient are still two units.
  friend bool operator==(const Unit& a, const Unit& b) noexcept { return &a == &b; }

 private:
  Dimension dimension_;
  std::string_view memberName_;
  std::string_view symbol_;
  double coefficient_;
  double offset_;
  Conversion conversion_;
};

/// The class-level units of one dimension class, in alphabetical order of
/// member name.
[[nodiscard]] TAL_EXPORT std::span<const Unit> allUnits(Dimension dimension) noexcept;

/// The unit the class's coefficients are relative to.
[[nodiscard]] TAL_EXPORT const Unit& baseUnit(Dimension dimension) noexcept;

// One struct per platform class, one accessor per class-level unit. Each
// returns the same object on every call, from any thread.

/// NSUnitAcceleration: base unit metersPerSecondSquared.
struct TAL_EXPORT UnitAcceleration {
  static const Unit& gravity() noexcept;
  static const Unit& metersPerSecondSquared() noexcept;
};

/// NSUnitAngle: base unit degrees.
struct TAL_EXPORT UnitAngle {
  static const Unit& arcMinutes() noexcept;
  static const Unit& arcSeconds() noexcept;
  static const Unit& degrees() noexcept;
  static const Unit& gradians() noexcept;
  static const Unit& radians() noexcept;
  static const Unit& revolutions() noexcept;
};

/// NSUnitArea: base unit squareMeters.
struct TAL_EXPORT UnitArea {
  static const Unit& acres() noexcept;
  static const Unit& hectares() noexcept;
  static const Unit& squareCentimeters() noexcept;
  static const Unit& squareFeet() noexcept;
  static const Unit& squareInches() noexcept;
  static const Unit& squareKilometers() noexcept;
  static const Unit& squareMegameters() noexcept;
  static const Unit& squareMeters() noexcept;
  static const Unit& squareMicrometers() noexcept;
  static const Unit& squareMiles() noexcept;
  static const Unit& squareMillimeters() noexcept;
  static const Unit& squareYards() noexcept;
};

/// NSUnitConcentrationMass: base unit gramsPerLiter.
struct TAL_EXPORT UnitConcentrationMass {
  static const Unit& gramsPerLiter() noexcept;
  static const Unit& milligramsPerDeciliter() noexcept;
};

/// NSUnitDuration: base unit seconds.
struct TAL_EXPORT UnitDuration {
  static const Unit& hours() noexcept;
  static const Unit& microseconds() noexcept;
  static const Unit& milliseconds() noexcept;
  static const Unit& minutes() noexcept;
  static const Unit& nanoseconds() noexcept;
  static const Unit& picoseconds() noexcept;
  static const Unit& seconds() noexcept;
};

/// NSUnitElectricCharge: base unit coulombs.
struct TAL_EXPORT UnitElectricCharge {
  static const Unit& ampereHours() noexcept;
  static const Unit& coulombs() noexcept;
  static const Unit& kiloampereHours() noexcept;
  static const Unit& megaampereHours() noexcept;
  static const Unit& microampereHours() noexcept;
  static const Unit& milliampereHours() noexcept;
};

/// NSUnitElectricCurrent: base unit amperes.
struct TAL_EXPORT UnitElectricCurrent {
  static const Unit& amperes() noexcept;
  static const Unit& kiloamperes() noexcept;
  static const Unit& megaamperes() noexcept;
  static const Unit& microamperes() noexcept;
  static const Unit& milliamperes() noexcept;
};

/// NSUnitElectricPotentialDifference: base unit volts.
struct TAL_EXPORT UnitElectricPotentialDifference {
  static const Unit& kilovolts() noexcept;
  static const Unit& megavolts() noexcept;
  static const Unit& microvolts() noexcept;
  static const Unit& millivolts() noexcept;
  static const Unit& volts() noexcept;
};

/// NSUnitElectricResistance: base unit ohms.
struct TAL_EXPORT UnitElectricResistance {
  static const Unit& kiloohms() noexcept;
  static const Unit& megaohms() noexcept;
  static const Unit& microohms() noexcept;
  static const Unit& milliohms() noexcept;
  static const Unit& ohms() noexcept;
};

/// NSUnitFrequency: base unit hertz.
struct TAL_EXPORT UnitFrequency {
  static const Unit& gigahertz() noexcept;
  static const Unit& hertz() noexcept;
  static const Unit& kilohertz() noexcept;
  static const Unit& megahertz() noexcept;
  static const Unit& microhertz() noexcept;
  static const Unit& millihertz() noexcept;
  static const Unit& nanohertz() noexcept;
  static const Unit& terahertz() noexcept;
};

/// NSUnitFuelEfficiency: base unit litersPer100Kilometers.
struct TAL_EXPORT UnitFuelEfficiency {
  static const Unit& litersPer100Kilometers() noexcept;
  static const Unit& milesPerGallon() noexcept;
  static const Unit& milesPerImperialGallon() noexcept;
};

/// NSUnitIlluminance: base unit lux.
struct TAL_EXPORT UnitIlluminance {
  static const Unit& lux() noexcept;
};

/// NSUnitInformationStorage: base unit bits.
struct TAL_EXPORT UnitInformationStorage {
  static const Unit& bits() noexcept;
  static const Unit& bytes() noexcept;
  static const Unit& exabits() noexcept;
  static const Unit& exabytes() noexcept;
  static const Unit& exbibits() noexcept;
  static const Unit& exbibytes() noexcept;
  static const Unit& gibibits() noexcept;
  static const Unit& gibibytes() noexcept;
  static const Unit& gigabits() noexcept;
  static const Unit& gigabytes() noexcept;
  static const Unit& kibibits() noexcept;
  static const Unit& kibibytes() noexcept;
  static const Unit& kilobits() noexcept;
  static const Unit& kilobytes() noexcept;
  static const Unit& mebibits() noexcept;
  static const Unit& mebibytes() noexcept;
  static const Unit& megabits() noexcept;
  static const Unit& megabytes() noexcept;
  static const Unit& pebibits() noexcept;
  static const Unit& pebibytes() noexcept;
  static const Unit& petabits() noexcept;
  static const Unit& petabytes() noexcept;
  static const Unit& tebibits() noexcept;
  static const Unit& tebibytes() noexcept;
  static const Unit& terabits() noexcept;
  static const Unit& terabytes() noexcept;
  static const Unit& yobibits() noexcept;
  static const Unit& yobibytes() noexcept;
  static const Unit& yottabits() noexcept;
  static const Unit& yottabytes() noexcept;
  static const Unit& zebibits() noexcept;
  static const Unit& zebibytes() noexcept;
  static const Unit& zettabits() noexcept;
  static const Unit& zettabytes() noexcept;
};

/// NSUnitLength: base unit meters.
struct TAL_EXPORT UnitLength {
  static const Unit& astronomicalUnits() noexcept;
  static const Unit& centimeters() noexcept;
  static const Unit& decameters() noexcept;
  static const Unit& decimeters() noexcept;
  static const Unit& fathoms() noexcept;
  static const Unit& feet() noexcept;
  static const Unit& furlongs() noexcept;
  static const Unit& hectometers() noexcept;
  static const Unit& inches() noexcept;
  static const Unit& kilometers() noexcept;
  static const Unit& lightyears() noexcept;
  static const Unit& megameters() noexcept;
  static const Unit& meters() noexcept;
  static const Unit& micrometers() noexcept;
  static const Unit& miles() noexcept;
  static const Unit& millimeters() noexcept;
  static const Unit& nanometers() noexcept;
  static const Unit& nauticalMiles() noexcept;
  static const Unit& parsecs() noexcept;
  static const Unit& picometers() noexcept;
  static const Unit& scandinavianMiles() noexcept;
  static const Unit& yards() noexcept;
};

/// NSUnitMass: base unit kilograms.
struct TAL_EXPORT UnitMass {
  static const Unit& carats() noexcept;
  static const Unit& centigrams() noexcept;
  static const Unit& decigrams() noexcept;
  static const Unit& grams() noexcept;
  static const Unit& kilograms() noexcept;
  static const Unit& metricTons() noexcept;
  static const Unit& micrograms() noexcept;
  static const Unit& milligrams() noexcept;
  static const Unit& nanograms() noexcept;
  static const Unit& ounces() noexcept;
  static const Unit& ouncesTroy() noexcept;
  static const Unit& picograms() noexcept;
  static const Unit& poundsMass() noexcept;
  static const Unit& shortTons() noexcept;
  static const Unit& slugs() noexcept;
  static const Unit& stones() noexcept;
};

/// NSUnitPower: base unit watts.
struct TAL_EXPORT UnitPower {
  static const Unit& femtowatts() noexcept;
  static const Unit& gigawatts() noexcept;
  static const Unit& horsepower() noexcept;
  static const Unit& kilowatts() noexcept;
  static const Unit& megawatts() noexcept;
  static const Unit& microwatts() noexcept;
  static const Unit& milliwatts() noexcept;
  static const Unit& nanowatts() noexcept;
  static const Unit& picowatts() noexcept;
  static const Unit& terawatts() noexcept;
  static const Unit& watts() noexcept;
};

/// NSUnitPressure: base unit newtonsPerMetersSquared.
struct TAL_EXPORT UnitPressure {
  static const Unit& bars() noexcept;
  static const Unit& gigapascals() noexcept;
  static const Unit& hectopascals() noexcept;
  static const Unit& inchesOfMercury() noexcept;
  static const Unit& kilopascals() noexcept;
  static const Unit& megapascals() noexcept;
  static const Unit& millibars() noexcept;
  static const Unit& millimetersOfMercury() noexcept;
  static const Unit& newtonsPerMetersSquared() noexcept;
  static const Unit& poundsForcePerSquareInch() noexcept;
};

/// NSUnitSpeed: base unit metersPerSecond.
struct TAL_EXPORT UnitSpeed {
  static const Unit& kilometersPerHour() noexcept;
  static const Unit& knots() noexcept;
  static const Unit& metersPerSecond() noexcept;
  static const Unit& milesPerHour() noexcept;
};

/// NSUnitTemperature: base unit kelvin.
struct TAL_EXPORT UnitTemperature {
  static const Unit& celsius() noexcept;
  static const Unit& fahrenheit() noexcept;
  static const Unit& kelvin() noexcept;
};

/// NSUnitVolume: base unit liters.
struct TAL_EXPORT UnitVolume {
  static const Unit& acreFeet() noexcept;
  static const Unit& centiliters() noexcept;
  static const Unit& cubicCentimeters() noexcept;
  static const Unit& cubicDecimeters() noexcept;
  static const Unit& cubicFeet() noexcept;
  static const Unit& cubicInches() noexcept;
  static const Unit& cubicKilometers() noexcept;
  static const Unit& cubicMeters() noexcept;
  static const Unit& cubicMiles() noexcept;
  static const Unit& cubicMillimeters() noexcept;
  static const Unit& cubicYards() noexcept;
  static const Unit& cups() noexcept;
  static const Unit& deciliters() noexcept;
  static const Unit& fluidOunces() noexcept;
  static const Unit& gallons() noexcept;
  static const Unit& imperialFluidOunces() noexcept;
  static const Unit& imperialGallons() noexcept;
  static const Unit& imperialPints() noexcept;
  static const Unit& imperialQuarts() noexcept;
  static const Unit& imperialTablespoons() noexcept;
  static const Unit& imperialTeaspoons() noexcept;
  static const Unit& kiloliters() noexcept;
  static const Unit& liters() noexcept;
  static const Unit& megaliters() noexcept;
  static const Unit& metricCups() noexcept;
  static const Unit& milliliters() noexcept;
  static const Unit& pints() noexcept;
  static const Unit& quarts() noexcept;
  static const Unit& tablespoons() noexcept;
  static const Unit& teaspoons() noexcept;
};

}  // namespace tal::platform
