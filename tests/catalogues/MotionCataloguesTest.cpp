// The duration, speed, acceleration, frequency, fuel efficiency and data
// storage catalogues: every record field by field, and conversions on each
// road they take — through a base numerator, by the target coefficient, and
// through the reciprocal relation of the distance-per-volume units.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "TalFoundation/catalogues/TalUnitAcceleration.h"
#include "TalFoundation/catalogues/TalUnitDataStorage.h"
#include "TalFoundation/catalogues/TalUnitDuration.h"
#include "TalFoundation/catalogues/TalUnitFrequency.h"
#include "TalFoundation/catalogues/TalUnitFuelEfficiencyVolume.h"
#include "TalFoundation/catalogues/TalUnitSpeed.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"
#include "TalFoundation/units/TalUnitCustomaryNameStrategy.h"
#include "tests/catalogues/CatalogueExpectations.h"

namespace tal {
namespace {

using namespace tal::testing;

// TalUnitDuration: category duration, raw value "duration".
constexpr ExpectedUnit kDuration[] = {
    {.name = "Attosecond", .symbol = "as", .coefficient = "1E-18", .baseNumerator = "1E+18", .key = "unit_duration_as"},
    {.name = "Femtosecond", .symbol = "fs", .coefficient = "1E-15", .baseNumerator = "1E+15", .key = "unit_duration_fs"},
    {.name = "Picosecond", .symbol = "ps", .coefficient = "1E-12", .baseNumerator = "1E+12", .platformBacked = true},
    {.name = "Nanosecond", .symbol = "ns", .coefficient = "1E-9", .baseNumerator = "1E+9", .platformBacked = true},
    {.name = "Microsecond", .symbol = "µs", .coefficient = "0.000001", .baseNumerator = "1000000", .platformBacked = true},
    {.name = "Millisecond", .symbol = "ms", .coefficient = "0.001", .baseNumerator = "1000", .platformBacked = true},
    {.name = "Second", .symbol = "s", .coefficient = "1.0", .baseNumerator = "1.0", .platformBacked = true, .isBase = true},
    {.name = "Minute", .symbol = "m", .coefficient = "60.0", .platformBacked = true},
    {.name = "Hour", .symbol = "h", .coefficient = "3600.0", .platformBacked = true},
    {.name = "Mean Solar Day", .symbol = "d", .coefficient = "86400", .key = "unit_duration_d"},
    {.name = "Week", .symbol = "wk", .coefficient = "604800.0", .key = "unit_duration_$Week"},
    {.name = "Julian Year", .symbol = "a", .coefficient = "31557600.00", .key = "unit_duration_a"},
    {.name = "Gregorian Year", .symbol = "a_g", .coefficient = "31556952.0000", .key = "unit_duration_a_g"},
};

// TalUnitSpeed: category speed, raw value "speed".
constexpr ExpectedUnit kSpeed[] = {
    {.name = "Meter per Second", .symbol = "m/s", .coefficient = "1.0", .baseNumerator = "1.0", .platformBacked = true, .isBase = true},
    {.name = "Kilometer per Hour", .symbol = "km/h", .coefficient = "0.27777777777777777777777777777777777778", .baseNumerator = "3.6", .platformBacked = true},
    {.name = "Mile per Hour", .symbol = "mph", .coefficient = "0.44704", .platformBacked = true},
    {.name = "Knot", .symbol = "kn", .coefficient = "0.51444444444444444444444444444444444444", .platformBacked = true},
};

// TalUnitAcceleration: category acceleration, raw value "acceleration".
constexpr ExpectedUnit kAcceleration[] = {
    {.name = "Gravity", .symbol = "g", .coefficient = "9.80665", .platformBacked = true},
    {.name = "Meter per Second Squared", .symbol = "m/s²", .coefficient = "1.0", .baseNumerator = "1.0", .platformBacked = true, .isBase = true},
    {.name = "Gal", .symbol = "Gal", .coefficient = "0.01", .baseNumerator = "100", .key = "unit_acceleration_Gal"},
    {.name = "Centimeter per Second Squared", .symbol = "cm/s²", .coefficient = "0.01", .baseNumerator = "100", .key = "unit_acceleration_cm/s²"},
    {.name = "Foot per Second Squared", .symbol = "ft/s²", .coefficient = "0.3048", .key = "unit_acceleration_ft/s²"},
    {.name = "Mile per Hour per Second", .symbol = "mph/s", .coefficient = "0.44704", .key = "unit_acceleration_mph/s"},
    {.name = "Kilometer per Hour per Second", .symbol = "km/(h·s)", .coefficient = "0.27777777777777777777777777777777777778", .baseNumerator = "3.6", .key = "unit_acceleration_km/(h·s)"},
};

// TalUnitFrequency: category frequency, raw value "frequency".
constexpr ExpectedUnit kFrequency[] = {
    {.name = "Terahertz", .symbol = "THz", .coefficient = "1E+12", .baseNumerator = "1E-12", .platformBacked = true},
    {.name = "Gigahertz", .symbol = "GHz", .coefficient = "1E+9", .baseNumerator = "1E-9", .platformBacked = true},
    {.name = "Megahertz", .symbol = "MHz", .coefficient = "1000000", .baseNumerator = "0.000001", .platformBacked = true},
    {.name = "Kilohertz", .symbol = "kHz", .coefficient = "1000", .baseNumerator = "0.001", .platformBacked = true},
    {.name = "Hertz", .symbol = "Hz", .coefficient = "1.0", .baseNumerator = "1.0", .platformBacked = true, .uiBase = true},
    {.name = "Millihertz", .symbol = "mHz", .coefficient = "0.001", .baseNumerator = "1000", .platformBacked = true},
    {.name = "Microhertz", .symbol = "µHz", .coefficient = "0.000001", .baseNumerator = "1000000", .platformBacked = true},
    {.name = "Nanohertz", .symbol = "nHz", .coefficient = "1E-9", .baseNumerator = "1E+9", .platformBacked = true},
    {.name = "Inverse Second", .symbol = "s⁻¹", .coefficient = "1.0", .baseNumerator = "1.0", .key = "unit_frequency_s⁻¹"},
    {.name = "Revolution per Minute", .symbol = "rpm", .coefficient = "0.016666666666666666666666666666666666667", .baseNumerator = "60.0", .key = "unit_share_rpm"},
    {.name = "Revolution per Second", .symbol = "rps", .coefficient = "1.0", .baseNumerator = "1.0", .key = "unit_share_rps"},
    {.name = "Revolution per Millisecond", .symbol = "r/ms", .coefficient = "1000", .baseNumerator = "0.001", .key = "unit_share_r/ms"},
    {.name = "Revolution per Hour", .symbol = "rph", .coefficient = "0.00027777777777777777777777777777777777778", .baseNumerator = "3600.0", .key = "unit_share_rph"},
};

// TalUnitFuelEfficiencyVolume: category fuelEfficiencyVolume, raw value "fuelvolume".
constexpr ExpectedUnit kFuelEfficiencyVolume[] = {
    {.name = "Liter per 100 Kilometers", .symbol = "L/100km", .coefficient = "1.0", .baseNumerator = "1.0", .platformBacked = true, .isBase = true, .numsInName = "100", .numsInSymbol = "100"},
    {.name = "Kilometer per Liter", .symbol = "km/L", .coefficient = "100", .inverse = true, .key = "unit_fuelvolume_km/L"},
    {.name = "Mile per Imperial Gallon", .symbol = "imp mpg", .coefficient = "282.48093633182215859381213711922373340", .platformBacked = true, .inverse = true, .key = "unit_fuelvolume_imp mpg"},
    {.name = "Mile per US Gallon", .symbol = "US mpg", .coefficient = "235.21458333333333333333333333333333333", .platformBacked = true, .inverse = true, .key = "unit_fuelvolume_US mpg"},
    {.name = "US Gallon per 100 Mile", .symbol = "US gal/100mi", .coefficient = "2.3521458333333333333333333333333333333", .key = "unit_fuelvolume_US gal/100mi", .numsInName = "100", .numsInSymbol = "100"},
    {.name = "Imperial Gallon per 100 Mile", .symbol = "Imp gal/100mi", .coefficient = "2.8248093633182215859381213711922373340", .key = "unit_fuelvolume_Imp gal/100mi", .numsInName = "100", .numsInSymbol = "100"},
};

// TalUnitDataStorage: category dataStorage, raw value "datastorage".
constexpr ExpectedUnit kDataStorage[] = {
    {.name = "Byte", .symbol = "B", .coefficient = "8.0", .platformBacked = true, .key = "unit_datastorage_B", .symbolKey = "unit_datastorage_B"},
    {.name = "Bit", .symbol = "bit", .coefficient = "1.0", .platformBacked = true, .isBase = true, .key = "unit_datastorage_b", .symbolKey = "unit_datastorage_b"},
    {.name = "Kilobit", .symbol = "kb", .coefficient = "1000.0", .platformBacked = true, .symbolKey = "unit_datastorage_kb"},
    {.name = "Megabit", .symbol = "Mb", .coefficient = "1000000.00", .platformBacked = true, .symbolKey = "unit_datastorage_Mb"},
    {.name = "Gigabit", .symbol = "Gb", .coefficient = "1000000000.000", .platformBacked = true, .symbolKey = "unit_datastorage_Gb"},
    {.name = "Terabit", .symbol = "Tb", .coefficient = "1000000000000.0000", .platformBacked = true, .symbolKey = "unit_datastorage_Tb"},
    {.name = "Petabit", .symbol = "Pb", .coefficient = "1000000000000000.00000", .platformBacked = true, .symbolKey = "unit_datastorage_Pb"},
    {.name = "Exabit", .symbol = "Eb", .coefficient = "1000000000000000000.000000", .platformBacked = true, .symbolKey = "unit_datastorage_Eb"},
    {.name = "Zettabit", .symbol = "Zb", .coefficient = "1000000000000000000000.0000000", .platformBacked = true, .symbolKey = "unit_datastorage_Zb"},
    {.name = "Yottabit", .symbol = "Yb", .coefficient = "1000000000000000000000000.00000000", .platformBacked = true, .symbolKey = "unit_datastorage_Yb"},
    {.name = "Kilobyte", .symbol = "kB", .coefficient = "8000.00", .platformBacked = true, .symbolKey = "unit_datastorage_kB"},
    {.name = "Megabyte", .symbol = "MB", .coefficient = "8000000.000", .platformBacked = true, .symbolKey = "unit_datastorage_MB"},
    {.name = "Gigabyte", .symbol = "GB", .coefficient = "8000000000.0000", .platformBacked = true, .symbolKey = "unit_datastorage_GB"},
    {.name = "Terabyte", .symbol = "TB", .coefficient = "8000000000000.00000", .platformBacked = true, .symbolKey = "unit_datastorage_TB"},
    {.name = "Petabyte", .symbol = "PB", .coefficient = "8000000000000000.000000", .platformBacked = true, .symbolKey = "unit_datastorage_PB"},
    {.name = "Exabyte", .symbol = "EB", .coefficient = "8000000000000000000.0000000", .platformBacked = true, .symbolKey = "unit_datastorage_EB"},
    {.name = "Zettabyte", .symbol = "ZB", .coefficient = "8000000000000000000000.00000000", .platformBacked = true, .symbolKey = "unit_datastorage_ZB"},
    {.name = "Yottabyte", .symbol = "YB", .coefficient = "8000000000000000000000000.000000000", .platformBacked = true, .symbolKey = "unit_datastorage_YB"},
    {.name = "Kibibit", .symbol = "Kib", .coefficient = "1024.0", .platformBacked = true, .symbolKey = "unit_datastorage_Kib"},
    {.name = "Mebibit", .symbol = "Mib", .coefficient = "1048576.00", .platformBacked = true, .symbolKey = "unit_datastorage_Mib"},
    {.name = "Gibibit", .symbol = "Gib", .coefficient = "1073741824.000", .platformBacked = true, .symbolKey = "unit_datastorage_Gib"},
    {.name = "Tebibit", .symbol = "Tib", .coefficient = "1099511627776.0000", .platformBacked = true, .symbolKey = "unit_datastorage_Tib"},
    {.name = "Pebibit", .symbol = "Pib", .coefficient = "1125899906842624.00000", .platformBacked = true, .symbolKey = "unit_datastorage_Pib"},
    {.name = "Exbibit", .symbol = "Eib", .coefficient = "1152921504606846976.000000", .platformBacked = true, .symbolKey = "unit_datastorage_Eib"},
    {.name = "Zebibit", .symbol = "Zib", .coefficient = "1180591620717411303424.0000000", .platformBacked = true, .symbolKey = "unit_datastorage_Zib"},
    {.name = "Yobibit", .symbol = "Yib", .coefficient = "1208925819614629174706176.00000000", .platformBacked = true, .symbolKey = "unit_datastorage_Yib"},
    {.name = "Kibibyte", .symbol = "KiB", .coefficient = "8192.00", .platformBacked = true, .symbolKey = "unit_datastorage_KiB"},
    {.name = "Mebibyte", .symbol = "MiB", .coefficient = "8388608.000", .platformBacked = true, .symbolKey = "unit_datastorage_MiB"},
    {.name = "Gibibyte", .symbol = "GiB", .coefficient = "8589934592.0000", .platformBacked = true, .symbolKey = "unit_datastorage_GiB"},
    {.name = "Tebibyte", .symbol = "TiB", .coefficient = "8796093022208.00000", .platformBacked = true, .symbolKey = "unit_datastorage_TiB"},
    {.name = "Pebibyte", .symbol = "PiB", .coefficient = "9007199254740992.000000", .platformBacked = true, .symbolKey = "unit_datastorage_PiB"},
    {.name = "Exbibyte", .symbol = "EiB", .coefficient = "9223372036854775808.0000000", .platformBacked = true, .symbolKey = "unit_datastorage_EiB"},
    {.name = "Zebibyte", .symbol = "ZiB", .coefficient = "9444732965739290427392.00000000", .platformBacked = true, .symbolKey = "unit_datastorage_ZiB"},
    {.name = "Yobibyte", .symbol = "YiB", .coefficient = "9671406556917033397649408.000000000", .platformBacked = true, .symbolKey = "unit_datastorage_YiB"},
};

const Catalogue kCatalogues[] = {
    {"Duration", &TalUnitDuration::allUnits, TalUnitDuration{}.category(), TalUnitCategory::duration, "duration", kDuration},
    {"Speed", &TalUnitSpeed::allUnits, TalUnitSpeed{}.category(), TalUnitCategory::speed, "speed", kSpeed},
    {"Acceleration", &TalUnitAcceleration::allUnits, TalUnitAcceleration{}.category(), TalUnitCategory::acceleration, "acceleration", kAcceleration},
    {"Frequency", &TalUnitFrequency::allUnits, TalUnitFrequency{}.category(), TalUnitCategory::frequency, "frequency", kFrequency},
    {"FuelEfficiencyVolume", &TalUnitFuelEfficiencyVolume::allUnits, TalUnitFuelEfficiencyVolume{}.category(), TalUnitCategory::fuelEfficiencyVolume, "fuelvolume", kFuelEfficiencyVolume},
    {"DataStorage", &TalUnitDataStorage::allUnits, TalUnitDataStorage{}.category(), TalUnitCategory::dataStorage, "datastorage", kDataStorage},
};

INSTANTIATE_TEST_SUITE_P(Motion, EachCatalogue, ::testing::ValuesIn(kCatalogues), namedAfterTheCatalogue);

// The week is the one unit whose customary name is its display name; no other
// unit of the duration catalogue picks a customary name at all.
TEST(DurationCatalogue, OnlyTheWeekUsesItsDisplayNameAsCustomaryName) {
  for (const TalUnit& unit : TalUnitDuration::allUnits()) {
    if (unit.name() == "Week") {
      EXPECT_EQ(unit.useCustomaryName(), std::optional(TalUnitCustomaryNameStrategy::thatSameAsDisplayName));
    } else {
      EXPECT_FALSE(unit.useCustomaryName().has_value()) << unit.name();
    }
  }
}

// Targets with a base numerator: the result is base value × base numerator.
const Conversion kReciprocalRoad[] = {
    {&TalUnitDuration::allUnits, "1", "Hour", "Second", "3600"},
    {&TalUnitDuration::allUnits, "1", "Week", "Second", "604800"},
    {&TalUnitDuration::allUnits, "1", "Second", "Attosecond", "1E+18"},
    {&TalUnitDuration::allUnits, "1", "Minute", "Millisecond", "60000"},
    {&TalUnitSpeed::allUnits, "1", "Meter per Second", "Kilometer per Hour", "3.6"},
    {&TalUnitSpeed::allUnits, "1", "Knot", "Kilometer per Hour", "1.8520000000000000000000000000000000000"},
    {&TalUnitSpeed::allUnits, "1", "Mile per Hour", "Meter per Second", "0.44704"},
    {&TalUnitAcceleration::allUnits, "1", "Gravity", "Gal", "980.665"},
    {&TalUnitAcceleration::allUnits, "1", "Mile per Hour per Second", "Kilometer per Hour per Second", "1.609344"},
    {&TalUnitAcceleration::allUnits, "1", "Kilometer per Hour per Second", "Meter per Second Squared", "0.27777777777777777777777777777777777778"},
    {&TalUnitFrequency::allUnits, "1", "Gigahertz", "Megahertz", "1000"},
    {&TalUnitFrequency::allUnits, "1", "Hertz", "Revolution per Minute", "60"},
    {&TalUnitFrequency::allUnits, "1", "Revolution per Minute", "Hertz", "0.016666666666666666666666666666666666667"},
    {&TalUnitFrequency::allUnits, "120", "Revolution per Minute", "Revolution per Second", "2"},
    {&TalUnitFrequency::allUnits, "1", "Revolution per Hour", "Revolution per Minute", "0.016666666666666666666666666666666666667"},
    {&TalUnitFrequency::allUnits, "1", "Terahertz", "Revolution per Millisecond", "1E+9"},
    {&TalUnitFuelEfficiencyVolume::allUnits, "1", "US Gallon per 100 Mile", "Liter per 100 Kilometers", "2.3521458333333333333333333333333333333"},
};

// Targets without one: base value ÷ target coefficient.
const Conversion kGenericRoad[] = {
    {&TalUnitDuration::allUnits, "90", "Minute", "Hour", "1.5"},
    {&TalUnitDuration::allUnits, "1", "Mean Solar Day", "Hour", "24"},
    {&TalUnitDuration::allUnits, "1", "Julian Year", "Mean Solar Day", "365.25"},
    {&TalUnitDuration::allUnits, "1", "Gregorian Year", "Week", "52.1775"},
    {&TalUnitSpeed::allUnits, "1", "Kilometer per Hour", "Mile per Hour", "0.62137119223733396961743418436331822159"},
    {&TalUnitAcceleration::allUnits, "1", "Gravity", "Foot per Second Squared", "32.174048556430446194225721784776902887"},
    {&TalUnitFuelEfficiencyVolume::allUnits, "5", "Liter per 100 Kilometers", "US Gallon per 100 Mile", "2.1257185371513600170057482972108801361"},
    {&TalUnitFuelEfficiencyVolume::allUnits, "1", "Imperial Gallon per 100 Mile", "US Gallon per 100 Mile", "1.2009499255048549296744092346281975858"},
    {&TalUnitDataStorage::allUnits, "1", "Byte", "Bit", "8"},
    {&TalUnitDataStorage::allUnits, "1", "Kibibyte", "Byte", "1024"},
    {&TalUnitDataStorage::allUnits, "1", "Gibibyte", "Byte", "1073741824"},
    {&TalUnitDataStorage::allUnits, "1", "Gigabyte", "Mebibyte", "953.67431640625"},
    {&TalUnitDataStorage::allUnits, "1", "Megabit", "Kilobyte", "125"},
    {&TalUnitDataStorage::allUnits, "1", "Gibibit", "Gigabit", "1.073741824"},
    {&TalUnitDataStorage::allUnits, "1", "Yobibyte", "Yottabyte", "1.208925819614629174706176"},
};

// A distance-per-volume unit on either side: base = coefficient ÷ value from
// it, result = coefficient ÷ base into it.
const Conversion kInverseRoad[] = {
    {&TalUnitFuelEfficiencyVolume::allUnits, "20", "Kilometer per Liter", "Liter per 100 Kilometers", "5"},
    {&TalUnitFuelEfficiencyVolume::allUnits, "5", "Liter per 100 Kilometers", "Kilometer per Liter", "20"},
    {&TalUnitFuelEfficiencyVolume::allUnits, "10", "Liter per 100 Kilometers", "Mile per US Gallon", "23.521458333333333333333333333333333333"},
    {&TalUnitFuelEfficiencyVolume::allUnits, "10", "Liter per 100 Kilometers", "Mile per Imperial Gallon", "28.24809363318221585938121371192237334"},
    {&TalUnitFuelEfficiencyVolume::allUnits, "30", "Mile per US Gallon", "Liter per 100 Kilometers", "7.8404861111111111111111111111111111110"},
    {&TalUnitFuelEfficiencyVolume::allUnits, "30", "Mile per Imperial Gallon", "Liter per 100 Kilometers", "9.4160312110607386197937379039741244467"},
    {&TalUnitFuelEfficiencyVolume::allUnits, "30", "Mile per US Gallon", "Mile per Imperial Gallon", "36.028497765145647890232277038845927575"},
    {&TalUnitFuelEfficiencyVolume::allUnits, "20", "Kilometer per Liter", "Mile per US Gallon", "47.042916666666666666666666666666666666"},
    {&TalUnitFuelEfficiencyVolume::allUnits, "1", "US Gallon per 100 Mile", "Mile per US Gallon", "100"},
    {&TalUnitFuelEfficiencyVolume::allUnits, "1", "Imperial Gallon per 100 Mile", "Mile per Imperial Gallon", "100"},
};

INSTANTIATE_TEST_SUITE_P(Motion, TheReciprocalRoad, ::testing::ValuesIn(kReciprocalRoad));
INSTANTIATE_TEST_SUITE_P(Motion, TheGenericRoad, ::testing::ValuesIn(kGenericRoad));

class FuelEfficiencyInverseRoad : public ::testing::TestWithParam<Conversion> {};

TEST_P(FuelEfficiencyInverseRoad, DividesTheInverseCoefficientByTheValue) {
  const Converted out = convert(GetParam());
  ASSERT_TRUE(out.to.has_value()) << "unknown unit";
  ASSERT_TRUE(out.from->inverse() || out.to->inverse()) << "case belongs to another road";
  ASSERT_TRUE(out.result.has_value());
  tal::testing::expectDecimal(*out.result, GetParam().expected, std::string(GetParam().to));
}

INSTANTIATE_TEST_SUITE_P(FuelEfficiency, FuelEfficiencyInverseRoad, ::testing::ValuesIn(kInverseRoad));

// A zero on the way to or from an inverse unit divides by zero: the result is
// NaN, and it is still a result.
const Conversion kZeroDivisor[] = {
    {&TalUnitFuelEfficiencyVolume::allUnits, "0", "Kilometer per Liter", "Liter per 100 Kilometers", "NaN"},
    {&TalUnitFuelEfficiencyVolume::allUnits, "0", "Liter per 100 Kilometers", "Mile per US Gallon", "NaN"},
    {&TalUnitFuelEfficiencyVolume::allUnits, "0", "Mile per Imperial Gallon", "US Gallon per 100 Mile", "NaN"},
};

class FuelEfficiencyZeroDivisor : public ::testing::TestWithParam<Conversion> {};

TEST_P(FuelEfficiencyZeroDivisor, GivesNaNReturnedAsPresent) {
  const Converted out = convert(GetParam());
  ASSERT_TRUE(out.to.has_value()) << "unknown unit";
  ASSERT_TRUE(out.result.has_value());
  EXPECT_TRUE(out.result->isNaN()) << out.result->description();
}

INSTANTIATE_TEST_SUITE_P(FuelEfficiency, FuelEfficiencyZeroDivisor, ::testing::ValuesIn(kZeroDivisor));

}  // namespace
}  // namespace tal
