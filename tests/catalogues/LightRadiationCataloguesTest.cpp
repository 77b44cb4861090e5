// The light and radiation catalogues: every record field by field, and
// conversions on both roads these catalogues take.
#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <vector>

#include "TalFoundation/catalogues/TalUnitAbsorbedDose.h"
#include "TalFoundation/catalogues/TalUnitEffectiveDose.h"
#include "TalFoundation/catalogues/TalUnitEquivalentDose.h"
#include "TalFoundation/catalogues/TalUnitExposure.h"
#include "TalFoundation/catalogues/TalUnitIlluminance.h"
#include "TalFoundation/catalogues/TalUnitIrradiance.h"
#include "TalFoundation/catalogues/TalUnitLuminance.h"
#include "TalFoundation/catalogues/TalUnitLuminousFlux.h"
#include "TalFoundation/catalogues/TalUnitLuminousIntensity.h"
#include "TalFoundation/catalogues/TalUnitRadiance.h"
#include "TalFoundation/catalogues/TalUnitRadiantFlux.h"
#include "TalFoundation/catalogues/TalUnitRadiantIntensity.h"
#include "TalFoundation/catalogues/TalUnitRadioactivity.h"
#include "TalFoundation/units/TalMeasurement.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"
#include "tests/catalogues/CatalogueExpectations.h"

namespace tal {
namespace {

using namespace tal::testing;

// TalUnitIlluminance: category illuminance, raw value "illuminance".
constexpr ExpectedUnit kIlluminance[] = {
    {.name = "Lux", .symbol = "lx", .coefficient = "1.0", .baseNumerator = "1.0", .platformBacked = true, .isBase = true},
    {.name = "Foot-candle", .symbol = "fc", .coefficient = "10.764", .key = "unit_illuminance_fc"},
    {.name = "Phot", .symbol = "ph", .coefficient = "10000.0", .baseNumerator = "0.0001", .key = "unit_illuminance_ph"},
};

// TalUnitLuminance: category luminance, raw value "luminance".
constexpr ExpectedUnit kLuminance[] = {
    {.name = "Candela per square meter", .symbol = "cd/m²", .coefficient = "1.0", .baseNumerator = "1.0", .isBase = true, .key = "unit_luminance_cd/m²"},
    {.name = "Nit", .symbol = "nt", .coefficient = "1.0", .baseNumerator = "1.0", .key = "unit_luminance_nt"},
    {.name = "Candela per square foot", .symbol = "cd/ft²", .coefficient = "10.763910416709722308333505555900000689", .baseNumerator = "0.09290304", .key = "unit_luminance_cd/ft²"},
    {.name = "Candela per square inch", .symbol = "cd/in²", .coefficient = "1550.0031000062000124000248000496000992", .baseNumerator = "0.00064516", .key = "unit_luminance_cd/in²"},
    {.name = "Foot-Lambert", .symbol = "fL", .coefficient = "3.4262590996353905269167459616502185942", .baseNumerator = "0.29186350796015870482462449674255098763", .key = "unit_luminance_fL"},
};

// TalUnitLuminousFlux: category luminousFlux, raw value "luminousflux".
constexpr ExpectedUnit kLuminousFlux[] = {
    {.name = "Lumen", .symbol = "lm", .coefficient = "1.0", .baseNumerator = "1.0", .isBase = true, .key = "unit_luminousflux_lm"},
    {.name = "Kilolumen", .symbol = "klm", .coefficient = "1000", .baseNumerator = "0.001", .key = "unit_luminousflux_klm"},
    {.name = "Megalumen", .symbol = "Mlm", .coefficient = "1000000", .baseNumerator = "0.000001", .key = "unit_luminousflux_Mlm"},
    {.name = "Millilumen", .symbol = "mlm", .coefficient = "0.001", .baseNumerator = "1000", .key = "unit_luminousflux_mlm"},
    {.name = "Candela Steradian", .symbol = "cd·sr", .coefficient = "1.0", .baseNumerator = "1.0", .key = "unit_luminousflux_cd·sr"},
    {.name = "Mean Spherical Candlepower", .symbol = "MSCP", .coefficient = "12.566370614359172953850573533118011537", .key = "unit_luminousflux_MSCP"},
};

// TalUnitLuminousIntensity: category luminousIntensity, raw value "luminousintensity".
constexpr ExpectedUnit kLuminousIntensity[] = {
    {.name = "Candela", .symbol = "cd", .coefficient = "1.0", .baseNumerator = "1.0", .isBase = true, .key = "unit_luminousintensity_cd"},
    {.name = "Millicandela", .symbol = "mcd", .coefficient = "0.001", .baseNumerator = "1000", .key = "unit_luminousintensity_mcd"},
    {.name = "Kilocandela", .symbol = "kcd", .coefficient = "1000", .baseNumerator = "0.001", .key = "unit_luminousintensity_kcd"},
    {.name = "Candlepower", .symbol = "cp", .coefficient = "0.981", .key = "unit_luminousintensity_cp"},
    {.name = "Hefnerkerze", .symbol = "HK", .coefficient = "0.903", .key = "unit_luminousintensity_HK"},
    {.name = "Violle", .symbol = "Violle", .coefficient = "20.17", .key = "unit_luminousintensity_Violle"},
    {.name = "Carcel", .symbol = "Carcel", .coefficient = "9.61", .key = "unit_luminousintensity_Carcel"},
};

// TalUnitIrradiance: category irradiance, raw value "irradiance".
constexpr ExpectedUnit kIrradiance[] = {
    {.name = "Watt per square meter", .symbol = "W/m²", .coefficient = "1", .baseNumerator = "1", .isBase = true},
    {.name = "Milliwatt per square centimeter", .symbol = "mW/cm²", .coefficient = "10"},
    {.name = "Microwatt per square centimeter", .symbol = "μW/cm²", .coefficient = "0.01"},
    {.name = "Kilowatt per square meter", .symbol = "kW/m²", .coefficient = "1000"},
    {.name = "Erg per square centimeter-second", .symbol = "erg/(cm²·s)", .coefficient = "0.001"},
};

// TalUnitRadiance: category radiance, raw value "radiance".
constexpr ExpectedUnit kRadiance[] = {
    {.name = "Watt per square meter steradian", .symbol = "W/(m²·sr)", .coefficient = "1", .isBase = true},
    {.name = "Watt per square centimeter steradian", .symbol = "W/(cm²·sr)", .coefficient = "10000"},
};

// TalUnitRadiantFlux: category radiantFlux, raw value "radiantflux".
constexpr ExpectedUnit kRadiantFlux[] = {
    {.name = "Watt", .symbol = "W", .coefficient = "1", .isBase = true, .key = "unit_power_W"},
    {.name = "Milliwatt", .symbol = "mW", .coefficient = "0.001", .key = "unit_power_mW"},
    {.name = "Kilowatt", .symbol = "kW", .coefficient = "1000", .key = "unit_power_kW"},
};

// TalUnitRadiantIntensity: category radiantIntensity, raw value "radiantintensity".
constexpr ExpectedUnit kRadiantIntensity[] = {
    {.name = "Watt per steradian", .symbol = "W/sr", .coefficient = "1", .isBase = true},
    {.name = "Milliwatt per steradian", .symbol = "mW/sr", .coefficient = "0.001"},
};

// TalUnitRadioactivity: category radioactivity, raw value "radioactivity".
constexpr ExpectedUnit kRadioactivity[] = {
    {.name = "Becquerel", .symbol = "Bq", .coefficient = "1", .baseNumerator = "1", .isBase = true},
    {.name = "Kilobecquerel", .symbol = "kBq", .coefficient = "1000", .baseNumerator = "0.001"},
    {.name = "Megabecquerel", .symbol = "MBq", .coefficient = "1000000", .baseNumerator = "0.000001"},
    {.name = "Curie", .symbol = "Ci", .coefficient = "3.7e10"},
    {.name = "Millicurie", .symbol = "mCi", .coefficient = "3.7e7"},
    {.name = "Microcurie", .symbol = "μCi", .coefficient = "37000"},
    {.name = "Rutherford", .symbol = "Rd", .coefficient = "1000000", .baseNumerator = "0.000001"},
};

// TalUnitAbsorbedDose: category absorbedDose, raw value "absorbeddose".
constexpr ExpectedUnit kAbsorbedDose[] = {
    {.name = "Gray", .symbol = "Gy", .coefficient = "1", .baseNumerator = "1", .isBase = true},
    {.name = "Milligray", .symbol = "mGy", .coefficient = "0.001"},
    {.name = "Microgray", .symbol = "μGy", .coefficient = "0.000001"},
    {.name = "Rad", .symbol = "rad", .coefficient = "0.01"},
    {.name = "Kilorad", .symbol = "krad", .coefficient = "10"},
};

// TalUnitEquivalentDose: category equivalentDose, raw value "equivalentdose".
constexpr ExpectedUnit kEquivalentDose[] = {
    {.name = "Sievert", .symbol = "Sv", .coefficient = "1", .isBase = true, .key = "unit_share_Sv"},
    {.name = "Millisievert", .symbol = "mSv", .coefficient = "0.001", .key = "unit_share_mSv"},
    {.name = "Microsievert", .symbol = "μSv", .coefficient = "0.000001", .key = "unit_share_μSv"},
    {.name = "Rem", .symbol = "rem", .coefficient = "0.01", .key = "unit_share_rem"},
    {.name = "Millirem", .symbol = "mrem", .coefficient = "0.00001", .key = "unit_share_mrem"},
};

// TalUnitEffectiveDose: category effectiveDose, raw value "effectivedose".
constexpr ExpectedUnit kEffectiveDose[] = {
    {.name = "Sievert", .symbol = "Sv", .coefficient = "1", .isBase = true, .key = "unit_share_Sv"},
    {.name = "Millisievert", .symbol = "mSv", .coefficient = "0.001", .key = "unit_share_mSv"},
    {.name = "Microsievert", .symbol = "μSv", .coefficient = "0.000001", .key = "unit_share_μSv"},
    {.name = "Rem", .symbol = "rem", .coefficient = "0.01", .key = "unit_share_rem"},
    {.name = "Millirem", .symbol = "mrem", .coefficient = "0.00001", .key = "unit_share_mrem"},
};

// TalUnitExposure: category exposure, raw value "exposure".
constexpr ExpectedUnit kExposure[] = {
    {.name = "Coulomb per kilogram", .symbol = "C/kg", .coefficient = "1", .isBase = true},
    {.name = "Millicoulomb per kilogram", .symbol = "mC/kg", .coefficient = "0.001"},
    {.name = "Microcoulomb per kilogram", .symbol = "μC/kg", .coefficient = "0.000001"},
    {.name = "Roentgen", .symbol = "R", .coefficient = "0.000258"},
    {.name = "Milliroentgen", .symbol = "mR", .coefficient = "0.000000258"},
};

const Catalogue kCatalogues[] = {
    {"Illuminance", &TalUnitIlluminance::allUnits, TalUnitIlluminance{}.category(), TalUnitCategory::illuminance, "illuminance", kIlluminance},
    {"Luminance", &TalUnitLuminance::allUnits, TalUnitLuminance{}.category(), TalUnitCategory::luminance, "luminance", kLuminance},
    {"LuminousFlux", &TalUnitLuminousFlux::allUnits, TalUnitLuminousFlux{}.category(), TalUnitCategory::luminousFlux, "luminousflux", kLuminousFlux},
    {"LuminousIntensity", &TalUnitLuminousIntensity::allUnits, TalUnitLuminousIntensity{}.category(), TalUnitCategory::luminousIntensity, "luminousintensity", kLuminousIntensity},
    {"Irradiance", &TalUnitIrradiance::allUnits, TalUnitIrradiance{}.category(), TalUnitCategory::irradiance, "irradiance", kIrradiance},
    {"Radiance", &TalUnitRadiance::allUnits, TalUnitRadiance{}.category(), TalUnitCategory::radiance, "radiance", kRadiance},
    {"RadiantFlux", &TalUnitRadiantFlux::allUnits, TalUnitRadiantFlux{}.category(), TalUnitCategory::radiantFlux, "radiantflux", kRadiantFlux},
    {"RadiantIntensity", &TalUnitRadiantIntensity::allUnits, TalUnitRadiantIntensity{}.category(), TalUnitCategory::radiantIntensity, "radiantintensity", kRadiantIntensity},
    {"Radioactivity", &TalUnitRadioactivity::allUnits, TalUnitRadioactivity{}.category(), TalUnitCategory::radioactivity, "radioactivity", kRadioactivity},
    {"AbsorbedDose", &TalUnitAbsorbedDose::allUnits, TalUnitAbsorbedDose{}.category(), TalUnitCategory::absorbedDose, "absorbeddose", kAbsorbedDose},
    {"EquivalentDose", &TalUnitEquivalentDose::allUnits, TalUnitEquivalentDose{}.category(), TalUnitCategory::equivalentDose, "equivalentdose", kEquivalentDose},
    {"EffectiveDose", &TalUnitEffectiveDose::allUnits, TalUnitEffectiveDose{}.category(), TalUnitCategory::effectiveDose, "effectivedose", kEffectiveDose},
    {"Exposure", &TalUnitExposure::allUnits, TalUnitExposure{}.category(), TalUnitCategory::exposure, "exposure", kExposure},
};

INSTANTIATE_TEST_SUITE_P(LightRadiation, EachCatalogue, ::testing::ValuesIn(kCatalogues), namedAfterTheCatalogue);

// Targets with a base numerator: the result is base value × base numerator.
// The noted cases are those where dividing by the target's coefficient would
// round differently.
const Conversion kReciprocalRoad[] = {
    {&TalUnitIlluminance::allUnits, "1", "Phot", "Lux", "10000"},
    {&TalUnitIlluminance::allUnits, "1", "Foot-candle", "Lux", "10.764"},
    {&TalUnitIlluminance::allUnits, "1", "Lux", "Phot", "0.0001"},
    {&TalUnitLuminance::allUnits, "1", "Candela per square foot", "Candela per square meter", "10.763910416709722308333505555900000689"},
    {&TalUnitLuminance::allUnits, "1", "Candela per square meter", "Candela per square foot", "0.09290304"},  // ÷ coefficient: 0.092903039999999999999999999999999999999
    {&TalUnitLuminance::allUnits, "1", "Candela per square meter", "Foot-Lambert", "0.29186350796015870482462449674255098763"},
    {&TalUnitLuminance::allUnits, "1", "Foot-Lambert", "Candela per square foot", "0.31830988618379067153776752674502872407"},  // ÷ coefficient: 0.31830988618379067153776752674502872406
    {&TalUnitLuminance::allUnits, "1", "Candela per square foot", "Foot-Lambert", "3.1415926535897932384626433832795028842"},  // ÷ coefficient: 3.1415926535897932384626433832795028843
    {&TalUnitLuminance::allUnits, "1", "Candela per square inch", "Nit", "1550.0031000062000124000248000496000992"},
    {&TalUnitLuminousFlux::allUnits, "1", "Mean Spherical Candlepower", "Lumen", "12.566370614359172953850573533118011537"},
    {&TalUnitLuminousFlux::allUnits, "1", "Megalumen", "Kilolumen", "1000"},
    {&TalUnitLuminousFlux::allUnits, "1", "Millilumen", "Candela Steradian", "0.001"},
    {&TalUnitLuminousIntensity::allUnits, "1", "Candlepower", "Candela", "0.981"},
    {&TalUnitLuminousIntensity::allUnits, "1", "Kilocandela", "Millicandela", "1000000"},
    {&TalUnitIrradiance::allUnits, "1", "Milliwatt per square centimeter", "Watt per square meter", "10"},
    {&TalUnitRadioactivity::allUnits, "1", "Curie", "Becquerel", "37000000000"},
    {&TalUnitRadioactivity::allUnits, "1", "Microcurie", "Becquerel", "37000"},
    {&TalUnitRadioactivity::allUnits, "1", "Curie", "Rutherford", "37000"},
    {&TalUnitAbsorbedDose::allUnits, "1", "Rad", "Gray", "0.01"},
};

// Targets without one: base value ÷ target coefficient.
const Conversion kGenericRoad[] = {
    {&TalUnitIlluminance::allUnits, "1", "Lux", "Foot-candle", "0.092902266815310293571163136380527684876"},
    {&TalUnitLuminousFlux::allUnits, "1", "Lumen", "Mean Spherical Candlepower", "0.079577471545947667884441881686257181016"},
    {&TalUnitLuminousIntensity::allUnits, "1", "Violle", "Carcel", "2.0988553590010405827263267429760665973"},
    {&TalUnitLuminousIntensity::allUnits, "1", "Candela", "Hefnerkerze", "1.1074197120708748615725359911406423034"},
    {&TalUnitIrradiance::allUnits, "1", "Watt per square meter", "Microwatt per square centimeter", "100"},
    {&TalUnitIrradiance::allUnits, "1", "Kilowatt per square meter", "Milliwatt per square centimeter", "100"},
    {&TalUnitIrradiance::allUnits, "1", "Erg per square centimeter-second", "Microwatt per square centimeter", "0.1"},
    {&TalUnitRadiance::allUnits, "1", "Watt per square centimeter steradian", "Watt per square meter steradian", "10000"},
    {&TalUnitRadiance::allUnits, "1", "Watt per square meter steradian", "Watt per square centimeter steradian", "0.0001"},
    {&TalUnitRadiantFlux::allUnits, "1", "Kilowatt", "Milliwatt", "1000000"},
    {&TalUnitRadiantFlux::allUnits, "1", "Milliwatt", "Watt", "0.001"},
    {&TalUnitRadiantIntensity::allUnits, "1", "Milliwatt per steradian", "Watt per steradian", "0.001"},
    {&TalUnitRadioactivity::allUnits, "1", "Megabecquerel", "Millicurie", "0.027027027027027027027027027027027027027"},
    {&TalUnitAbsorbedDose::allUnits, "1", "Kilorad", "Milligray", "10000"},
    {&TalUnitEquivalentDose::allUnits, "1", "Rem", "Sievert", "0.01"},
    {&TalUnitEquivalentDose::allUnits, "1", "Sievert", "Millirem", "100000"},
    {&TalUnitEffectiveDose::allUnits, "1", "Rem", "Sievert", "0.01"},
    {&TalUnitEffectiveDose::allUnits, "1", "Millisievert", "Microsievert", "1000"},
    {&TalUnitExposure::allUnits, "1", "Roentgen", "Coulomb per kilogram", "0.000258"},
    {&TalUnitExposure::allUnits, "1", "Roentgen", "Milliroentgen", "1000"},
    {&TalUnitExposure::allUnits, "1", "Coulomb per kilogram", "Roentgen", "3875.968992248062015503875968992248062"},
};

INSTANTIATE_TEST_SUITE_P(LightRadiation, TheReciprocalRoad, ::testing::ValuesIn(kReciprocalRoad));
INSTANTIATE_TEST_SUITE_P(LightRadiation, TheGenericRoad, ::testing::ValuesIn(kGenericRoad));

// The two dose catalogues list the same five units under different
// categories: the records differ by category and id, and do not convert into
// each other.
TEST(DoseCatalogues, KeepEquivalentAndEffectiveDoseApart) {
  const std::vector<TalUnit> equivalent = TalUnitEquivalentDose::allUnits();
  const std::vector<TalUnit> effective = TalUnitEffectiveDose::allUnits();
  ASSERT_EQ(equivalent.size(), effective.size());
  for (std::size_t i = 0; i < equivalent.size(); ++i) {
    EXPECT_EQ(equivalent[i].symbol(), effective[i].symbol());
    EXPECT_NE(equivalent[i], effective[i]);
    EXPECT_NE(equivalent[i].id(), effective[i].id());
  }
  const auto rem = unitNamed(equivalent, "Rem");
  const auto sievert = unitNamed(effective, "Sievert");
  ASSERT_TRUE(rem && sievert);
  EXPECT_FALSE(TalMeasurement::convert(Decimal(1), *rem, *sievert).has_value());
}

}  // namespace
}  // namespace tal
