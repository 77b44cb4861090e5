#include "TalFoundation/units/TalUnitCategory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace tal {
namespace {

struct Expected {
  TalUnitCategory category;
  std::string_view raw;
  std::string_view displayName;
  std::string_view icon;
};

// Typed from the category table, in declaration order.
const Expected kExpected[] = {
    {TalUnitCategory::currency, "currency", "Currency", "#currency.exchange"},
    {TalUnitCategory::length, "length", "Length", "ruler"},
    {TalUnitCategory::mass, "mass", "Mass", "scalemass"},
    {TalUnitCategory::duration, "duration", "Time", "timer"},
    {TalUnitCategory::temperature, "temperature", "Temperature", "thermometer"},
    {TalUnitCategory::speed, "speed", "Speed", "speedometer"},
    {TalUnitCategory::acceleration, "acceleration", "Acceleration", "#arrow.up.gauge.open"},
    {TalUnitCategory::angle, "angle", "Angle", "angle"},
    {TalUnitCategory::area, "area", "Area", "square"},
    {TalUnitCategory::volume, "volume", "Volume", "cube"},
    {TalUnitCategory::pressure, "pressure", "Pressure", "button.horizontal.top.press"},
    {TalUnitCategory::energy, "energy", "Energy", "battery.50percent"},
    {TalUnitCategory::power, "power", "Power", "power"},
    {TalUnitCategory::electricCurrent, "current", "Electric Current", "a.circle"},
    {TalUnitCategory::electricPotentialDifference, "voltage", "Electric Potential Difference", "v.circle"},
    {TalUnitCategory::electricResistance, "resistance", "Electric Resistance", "#resistor"},
    {TalUnitCategory::electricCharge, "charge", "Electric Charge", "ev.charger"},
    {TalUnitCategory::illuminance, "illuminance", "Illuminance", "sensor"},
    {TalUnitCategory::luminance, "luminance", "Luminance", "circle.lefthalf.filled"},
    {TalUnitCategory::luminousFlux, "luminousflux", "Luminous Flux", "light.max"},
    {TalUnitCategory::luminousIntensity, "luminousintensity", "Luminous Intensity", "light.beacon.max"},
    {TalUnitCategory::frequency, "frequency", "Frequency", "waveform"},
    {TalUnitCategory::massConcentration, "massconcentration", "Concentration Mass", "#scalemass.fill.flask"},
    {TalUnitCategory::fuelEfficiencyVolume, "fuelvolume", "Fuel Efficiency (Volume)", "car"},
    {TalUnitCategory::dataStorage, "datastorage", "Data Storage", "internaldrive"},
    {TalUnitCategory::force, "force", "Force", "#force"},
    {TalUnitCategory::density, "density", "Density", "#density3d"},
    {TalUnitCategory::torque, "torque", "Torque", "wrench.adjustable"},
    {TalUnitCategory::capacitance, "capacitance", "Capacitance", "#capacitor"},
    {TalUnitCategory::inductance, "inductance", "Inductance", "waveform.path.ecg"},
    {TalUnitCategory::volumetricFlowRate, "volumetricflowrate", "Volumetric Flow Rate", "#cube.gauge.open"},
    {TalUnitCategory::angularVelocity, "angularvelocity", "Angular Velocity", "gyroscope"},
    {TalUnitCategory::amountOfSubstance, "amountofsubstance", "Amount of Substance", "atom"},
    {TalUnitCategory::specificHeatCapacity, "specificheatcapacity", "Specific Heat Capacity", "thermometer.sun"},
    {TalUnitCategory::thermalConductivity, "thermalconductivity", "Thermal Conductivity",
      "thermometer.and.liquid.waves"},
    {TalUnitCategory::dynamicViscosity, "dynamicviscosity", "Dynamic Viscosity", "gearshape.2"},
    {TalUnitCategory::kinematicViscosity, "kinematicviscosity", "Kinematic Viscosity",
      "arrow.up.and.down.and.arrow.left.and.right"},
    {TalUnitCategory::magneticFlux, "magneticflux", "Magnetic Flux", "#magnetic.flux"},
    {TalUnitCategory::magneticFluxDensity, "magneticfluxdensity", "Magnetic Flux Density", "#magnetic.field"},
    {TalUnitCategory::conductance, "conductance", "Conductance", "powerplug"},
    {TalUnitCategory::resistivity, "resistivity", "Resistivity", "#rho.circle"},
    {TalUnitCategory::radioactivity, "radioactivity", "Radioactivity", "#radioactivity"},
    {TalUnitCategory::momentOfInertia, "momentofinertia", "Moment of Inertia", "circle.dotted"},
    {TalUnitCategory::angularAcceleration, "angularacceleration", "Angular Acceleration", "#angularacceleration"},
    {TalUnitCategory::entropy, "entropy", "Entropy", "rays"},
    {TalUnitCategory::enthalpy, "enthalpy", "Enthalpy", "flame.fill"},
    {TalUnitCategory::surfaceTension, "surfacetension", "Surface Tension", "circle.hexagongrid"},
    {TalUnitCategory::magneticFieldStrength, "magneticfieldstrength", "Magnetic Field Strength", "#magnet"},
    {TalUnitCategory::molarConcentration, "molarconcentration", "Molar Concentration", "#atom.flask"},
    {TalUnitCategory::absorbedDose, "absorbeddose", "Absorbed Dose", "sun.dust"},
    {TalUnitCategory::massFlowRate, "massflowrate", "Mass Flow Rate", "#scalemass.fill.gauge.open"},
    {TalUnitCategory::molarFlowRate, "molarflowrate", "Molar Flow Rate", "#atom.gauge.open"},
    {TalUnitCategory::conductivity, "conductivity", "Conductivity", "#sigma.circle"},
    {TalUnitCategory::electricFieldStrength, "electricfieldstrength", "Electric Field Strength", "bolt.fill"},
    {TalUnitCategory::irradiance, "irradiance", "Irradiance", "sun.max"},
    {TalUnitCategory::linearDensity, "lineardensity", "Linear Density", "line.3.horizontal"},
    {TalUnitCategory::impulse, "impulse", "Impulse", "burst"},
    {TalUnitCategory::momentum, "momentum", "Momentum", "move.3d"},
    {TalUnitCategory::angularMomentum, "angularmomentum", "Angular Momentum", "rotate.3d"},
    {TalUnitCategory::heatCapacity, "heatcapacity", "Heat Capacity", "cup.and.heat.waves"},
    {TalUnitCategory::heatTransferCoefficient, "heattransfercoefficient", "Heat Transfer Coefficient",
      "vent.heat.waves.upward"},
    {TalUnitCategory::thermalDiffusivity, "thermaldiffusivity", "Thermal Diffusivity", "heat.waves.gauge.open"},
    {TalUnitCategory::thermalResistance, "thermalresistance", "Thermal Resistance", "windshield.rear.and.heat.waves"},
    {TalUnitCategory::magneticMoment, "magneticmoment", "Magnetic Moment", "#magnetic.moment"},
    {TalUnitCategory::magnetization, "magnetization", "Magnetization", "#magnetization"},
    {TalUnitCategory::magnetomotiveForce, "magnetomotiveforce", "Magnetomotive Force", "circle.grid.cross.left.filled"},
    {TalUnitCategory::magneticPermeability, "magneticpermeability", "Magnetic Permeability", "#magnetic.permeability"},
    {TalUnitCategory::equivalentDose, "equivalentdose", "Equivalent Dose", "#radiation.scale"},
    {TalUnitCategory::effectiveDose, "effectivedose", "Effective Dose", "#radiation.heart"},
    {TalUnitCategory::exposure, "exposure", "Exposure", "#radiation.detector"},
    {TalUnitCategory::radiantFlux, "radiantflux", "Radiant Flux", "#radiation.flux"},
    {TalUnitCategory::radiantIntensity, "radiantintensity", "Radiant Intensity", "#radiation.intensity"},
    {TalUnitCategory::radiance, "radiance", "Radiance", "#radiation.radiance"},
    {TalUnitCategory::arealDensity, "arealdensity", "Areal Density", "circle.grid.3x3"},
};

void PrintTo(const Expected& row, std::ostream* os) { *os << row.raw; }

static_assert(TalUnitCategory::length == TalUnitCategory::Case::length);
static_assert(TalUnitCategory::length != TalUnitCategory::mass);
static_assert(sizeof(TalUnitCategory) == 1);

std::string paramName(const testing::TestParamInfo<Expected>& info) { return std::string(info.param.raw); }

class CategoryRow : public testing::TestWithParam<Expected> {};

TEST_P(CategoryRow, TextsMatchTheTable) {
  const Expected& e = GetParam();
  EXPECT_EQ(e.category.rawValue(), e.raw);
  EXPECT_EQ(e.category.id(), e.raw);
  EXPECT_EQ(e.category.displayName(), e.displayName);
  EXPECT_EQ(e.category.name(), e.displayName);
  EXPECT_EQ(e.category.icon(), e.icon);
  EXPECT_EQ(e.category.categoryNameLocalizeBaseKey(), "unit_" + std::string(e.raw));
  EXPECT_TRUE(e.category.doneStatus());
}

TEST_P(CategoryRow, RawValueRoundTrips) {
  const Expected& e = GetParam();
  EXPECT_EQ(TalUnitCategory::fromRawValue(e.raw), e.category);
  // A copy that does not share the table's storage must match too.
  const std::string copy(e.raw);
  EXPECT_EQ(TalUnitCategory::fromRawValue(copy), e.category);
}

TEST_P(CategoryRow, HashIsThatOfTheRawValueText) {
  const Expected& e = GetParam();
  EXPECT_EQ(std::hash<TalUnitCategory>{}(e.category), std::hash<std::string_view>{}(e.raw));
}

INSTANTIATE_TEST_SUITE_P(AllCategories, CategoryRow, testing::ValuesIn(kExpected), paramName);

TEST(TalUnitCategory, AllCasesAreTheSeventyFourInDeclarationOrder) {
  const auto all = TalUnitCategory::allCases();
  ASSERT_EQ(all.size(), std::size(kExpected));
  for (std::size_t i = 0; i < all.size(); ++i) {
    EXPECT_EQ(all[i], kExpected[i].category) << i;
    EXPECT_EQ(static_cast<std::size_t>(all[i].value()), i) << "ordinal of " << kExpected[i].raw;
  }
}

TEST(TalUnitCategory, AvailableCasesAreAllCasesSinceEveryCategoryIsDone) {
  const auto available = TalUnitCategory::availableCases();
  ASSERT_EQ(available.size(), 74u);
  EXPECT_EQ(available[0], TalUnitCategory::currency);
  EXPECT_EQ(available[1], TalUnitCategory::length);
  EXPECT_EQ(available[2], TalUnitCategory::mass);
  EXPECT_EQ(available[3], TalUnitCategory::duration);
  EXPECT_EQ(available[72], TalUnitCategory::radiance);
  EXPECT_EQ(available[73], TalUnitCategory::arealDensity);
  const auto all = TalUnitCategory::allCases();
  EXPECT_TRUE(std::equal(available.begin(), available.end(), all.begin(), all.end()));
}

TEST(TalUnitCategory, RawValuesThatDifferFromTheCaseName) {
  EXPECT_EQ(TalUnitCategory::fromRawValue("current"), TalUnitCategory::electricCurrent);
  EXPECT_EQ(TalUnitCategory::fromRawValue("voltage"), TalUnitCategory::electricPotentialDifference);
  EXPECT_EQ(TalUnitCategory::fromRawValue("fuelvolume"), TalUnitCategory::fuelEfficiencyVolume);
  EXPECT_EQ(TalUnitCategory::electricPotentialDifference.categoryNameLocalizeBaseKey(), "unit_voltage");
  EXPECT_EQ(TalUnitCategory::fuelEfficiencyVolume.categoryNameLocalizeBaseKey(), "unit_fuelvolume");
}

class RejectedRawValue : public testing::TestWithParam<std::string_view> {};

TEST_P(RejectedRawValue, IsAbsent) { EXPECT_EQ(TalUnitCategory::fromRawValue(GetParam()), std::nullopt); }

// Near misses of real raw values, texts outside the sorted range on either
// side, and an embedded NUL that a C-string comparison would cut off.
INSTANTIATE_TEST_SUITE_P(
    NearMisses, RejectedRawValue,
    testing::Values(std::string_view(" length"), std::string_view("length "), std::string_view("Length"),
                    std::string_view("LENGTH"), std::string_view("lengt"), std::string_view("lengths"),
                    std::string_view("electricCurrent"), std::string_view("fuelEfficiencyVolume"),
                    std::string_view("unit_length"), std::string_view(""), std::string_view("a"),
                    std::string_view("zzz"), std::string_view("current\0", 8)));

TEST(TalUnitCategory, WorksAsAHashKey) {
  std::unordered_set<TalUnitCategory> seen(TalUnitCategory::allCases().begin(), TalUnitCategory::allCases().end());
  EXPECT_EQ(seen.size(), 74u);
  EXPECT_TRUE(seen.contains(TalUnitCategory::Case::magneticFlux));
}

}  // namespace
}  // namespace tal
