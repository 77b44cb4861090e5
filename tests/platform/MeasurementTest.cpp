#include "TalFoundation/platform/Measurement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "TalFoundation/platform/Unit.h"

namespace tal::platform {
namespace {

struct Conversion {
  std::string_view name;
  const Unit& (*from)() noexcept;
  const Unit& (*to)() noexcept;
  double value;
  double expected;  // worked out by hand from the coefficients
};

const Conversion kConversions[] = {
    {"KilometerToMeters", &UnitLength::kilometers, &UnitLength::meters, 1.0, 1000.0},
    {"MileToKilometers", &UnitLength::miles, &UnitLength::kilometers, 1.0, 1.60934},
    {"FootToInches", &UnitLength::feet, &UnitLength::inches, 1.0, 12.0},
    {"HalfTurnOfDegreesToRadians", &UnitAngle::degrees, &UnitAngle::radians, 180.0, 3.141592653589793},
    {"RevolutionToRadians", &UnitAngle::revolutions, &UnitAngle::radians, 1.0, 6.283185307179586},
    {"ArcSecondsToArcMinutes", &UnitAngle::arcSeconds, &UnitAngle::arcMinutes, 90.0, 1.5},
    {"BoilingCelsiusToKelvin", &UnitTemperature::celsius, &UnitTemperature::kelvin, 100.0, 373.15},
    {"BoilingFahrenheitToCelsius", &UnitTemperature::fahrenheit, &UnitTemperature::celsius, 212.0, 100.0},
    {"AbsoluteZeroToCelsius", &UnitTemperature::kelvin, &UnitTemperature::celsius, 0.0, -273.15},
    {"HourToMinutes", &UnitDuration::hours, &UnitDuration::minutes, 1.0, 60.0},
    {"GibibyteToBits", &UnitInformationStorage::gibibytes, &UnitInformationStorage::bits, 1.0, 8589934592.0},
    {"GibibyteToMebibytes", &UnitInformationStorage::gibibytes, &UnitInformationStorage::mebibytes, 1.0, 1024.0},
    {"MilesPerGallonToLitersPer100Km", &UnitFuelEfficiency::milesPerGallon,
     &UnitFuelEfficiency::litersPer100Kilometers, 20.0, 11.76075},
    {"LitersPer100KmToMilesPerGallon", &UnitFuelEfficiency::litersPer100Kilometers,
     &UnitFuelEfficiency::milesPerGallon, 11.76075, 20.0},
    {"UsToImperialMilesPerGallon", &UnitFuelEfficiency::milesPerGallon, &UnitFuelEfficiency::milesPerImperialGallon,
     10.0, 12.0094806878813},
};

void PrintTo(const Conversion& c, std::ostream* os) { *os << c.name; }

class MeasurementConversionTest : public testing::TestWithParam<Conversion> {};

TEST_P(MeasurementConversionTest, ConvertsThroughTheBaseUnit) {
  const Conversion& c = GetParam();
  const std::optional<Measurement> converted = Measurement(c.value, c.from()).convertedTo(c.to());
  ASSERT_TRUE(converted.has_value());
  EXPECT_EQ(&converted->unit(), &c.to());
  EXPECT_NEAR(converted->value(), c.expected, std::abs(c.expected) * 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Examples, MeasurementConversionTest, testing::ValuesIn(kConversions),
                         [](const testing::TestParamInfo<Conversion>& info) { return std::string(info.param.name); });

TEST(PlatformMeasurement, ConvertingToItsOwnUnitKeepsTheValueExactly) {
  const auto same = Measurement(98.6, UnitTemperature::fahrenheit()).convertedTo(UnitTemperature::fahrenheit());
  ASSERT_TRUE(same.has_value());
  EXPECT_EQ(same->value(), 98.6);
  EXPECT_EQ(&same->unit(), &UnitTemperature::fahrenheit());
}

TEST(PlatformMeasurement, AnotherDimensionClassGivesNoResult) {
  EXPECT_FALSE(Measurement(1.0, UnitLength::kilometers()).convertedTo(UnitMass::kilograms()).has_value());
  EXPECT_FALSE(Measurement(1.0, UnitAngle::degrees()).convertedTo(UnitTemperature::celsius()).has_value());
  EXPECT_FALSE(Measurement(1.0, UnitFuelEfficiency::milesPerGallon()).convertedTo(UnitVolume::liters()).has_value());
}

TEST(PlatformMeasurement, EveryUnitRoundTripsThroughEveryUnitOfItsClass) {
  constexpr double kValue = 3.75;
  for (const Dimension dimension : allDimensions())
    for (const Unit& from : allUnits(dimension))
      for (const Unit& to : allUnits(dimension)) {
        const auto there = Measurement(kValue, from).convertedTo(to);
        ASSERT_TRUE(there.has_value());
        const auto back = there->convertedTo(from);
        ASSERT_TRUE(back.has_value());
        EXPECT_NEAR(back->value(), kValue, kValue * 1e-12) << from.memberName() << " via " << to.memberName();
      }
}

TEST(PlatformMeasurement, ACallersOwnUnitConvertsWithTheClassUnits) {
  // The NATO mil: 6400 to the turn, so 0.05625 degrees each.
  const Unit mils(Dimension::angle, "mils", "mil", 360.0 / 6400.0);
  const auto degrees = Measurement(1600.0, mils).convertedTo(UnitAngle::degrees());
  ASSERT_TRUE(degrees.has_value());
  EXPECT_EQ(degrees->value(), 90.0);
  const auto back = Measurement(90.0, UnitAngle::degrees()).convertedTo(mils);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->value(), 1600.0);
}

TEST(PlatformMeasurement, TheFuelBaseUnitIsNotInvertedOnItsOwn) {
  EXPECT_EQ(UnitFuelEfficiency::litersPer100Kilometers().toBaseValue(8.0), 8.0);
  EXPECT_EQ(UnitFuelEfficiency::litersPer100Kilometers().fromBaseValue(8.0), 8.0);
  EXPECT_EQ(UnitFuelEfficiency::milesPerGallon().toBaseValue(10.0), 23.5215);
  EXPECT_EQ(UnitFuelEfficiency::milesPerGallon().fromBaseValue(23.5215), 10.0);
}

}  // namespace
}  // namespace tal::platform
