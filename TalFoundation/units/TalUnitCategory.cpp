#include "TalFoundation/units/TalUnitCategory.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

namespace tal {
namespace {

using Case = TalUnitCategory::Case;

struct Row {
  Case c;
  std::string_view raw;
  std::string_view displayName;
  std::string_view icon;
};

// One row per case, in case order.
constexpr std::array kRows{
    Row{Case::currency, "currency", "Currency", "#currency.exchange"},
    Row{Case::length, "length", "Length", "ruler"},
    Row{Case::mass, "mass", "Mass", "scalemass"},
    Row{Case::duration, "duration", "Time", "timer"},
    Row{Case::temperature, "temperature", "Temperature", "thermometer"},
    Row{Case::speed, "speed", "Speed", "speedometer"},
    Row{Case::acceleration, "acceleration", "Acceleration", "#arrow.up.gauge.open"},
    Row{Case::angle, "angle", "Angle", "angle"},
    Row{Case::area, "area", "Area", "square"},
    Row{Case::volume, "volume", "Volume", "cube"},
    Row{Case::pressure, "pressure", "Pressure", "button.horizontal.top.press"},
    Row{Case::energy, "energy", "Energy", "battery.50percent"},
    Row{Case::power, "power", "Power", "power"},
    Row{Case::electricCurrent, "current", "Electric Current", "a.circle"},
    Row{Case::electricPotentialDifference, "voltage", "Electric Potential Difference", "v.circle"},
    Row{Case::electricResistance, "resistance", "Electric Resistance", "#resistor"},
    Row{Case::electricCharge, "charge", "Electric Charge", "ev.charger"},
    Row{Case::illuminance, "illuminance", "Illuminance", "sensor"},
    Row{Case::luminance, "luminance", "Luminance", "circle.lefthalf.filled"},
    Row{Case::luminousFlux, "luminousflux", "Luminous Flux", "light.max"},
    Row{Case::luminousIntensity, "luminousintensity", "Luminous Intensity", "light.beacon.max"},
    Row{Case::frequency, "frequency", "Frequency", "waveform"},
    Row{Case::massConcentration, "massconcentration", "Concentration Mass", "#scalemass.fill.flask"},
    Row{Case::fuelEfficiencyVolume, "fuelvolume", "Fuel Efficiency (Volume)", "car"},
    Row{Case::dataStorage, "datastorage", "Data Storage", "internaldrive"},
    Row{Case::force, "force", "Force", "#force"},
    Row{Case::density, "density", "Density", "#density3d"},
    Row{Case::torque, "torque", "Torque", "wrench.adjustable"},
    Row{Case::capacitance, "capacitance", "Capacitance", "#capacitor"},
    Row{Case::inductance, "inductance", "Inductance", "waveform.path.ecg"},
    Row{Case::volumetricFlowRate, "volumetricflowrate", "Volumetric Flow Rate", "#cube.gauge.open"},
    Row{Case::angularVelocity, "angularvelocity", "Angular Velocity", "gyroscope"},
    Row{Case::amountOfSubstance, "amountofsubstance", "Amount of Substance", "atom"},
    Row{Case::specificHeatCapacity, "specificheatcapacity", "Specific Heat Capacity", "thermometer.sun"},
    Row{Case::thermalConductivity, "thermalconductivity", "Thermal Conductivity", "thermometer.and.liquid.waves"},
    Row{Case::dynamicViscosity, "dynamicviscosity", "Dynamic Viscosity", "gearshape.2"},
    Row{Case::kinematicViscosity, "kinematicviscosity", "Kinematic Viscosity",
        "arrow.up.and.down.and.arrow.left.and.right"},
    Row{Case::magneticFlux, "magneticflux", "Magnetic Flux", "#magnetic.flux"},
    Row{Case::magneticFluxDensity, "magneticfluxdensity", "Magnetic Flux Density", "#magnetic.field"},
    Row{Case::conductance, "conductance", "Conductance", "powerplug"},
    Row{Case::resistivity, "resistivity", "Resistivity", "#rho.circle"},
    Row{Case::radioactivity, "radioactivity", "Radioactivity", "#radioactivity"},
    Row{Case::momentOfInertia, "momentofinertia", "Moment of Inertia", "circle.dotted"},
    Row{Case::angularAcceleration, "angularacceleration", "Angular Acceleration", "#angularacceleration"},
    Row{Case::entropy, "entropy", "Entropy", "rays"},
    Row{Case::enthalpy, "enthalpy", "Enthalpy", "flame.fill"},
    Row{Case::surfaceTension, "surfacetension", "Surface Tension", "circle.hexagongrid"},
    Row{Case::magneticFieldStrength, "magneticfieldstrength", "Magnetic Field Strength", "#magnet"},
    Row{Case::molarConcentration, "molarconcentration", "Molar Concentration", "#atom.flask"},
    Row{Case::absorbedDose, "absorbeddose", "Absorbed Dose", "sun.dust"},
    Row{Case::massFlowRate, "massflowrate", "Mass Flow Rate", "#scalemass.fill.gauge.open"},
    Row{Case::molarFlowRate, "molarflowrate", "Molar Flow Rate", "#atom.gauge.open"},
    Row{Case::conductivity, "conductivity", "Conductivity", "#sigma.circle"},
    Row{Case::electricFieldStrength, "electricfieldstrength", "Electric Field Strength", "bolt.fill"},
    Row{Case::irradiance, "irradiance", "Irradiance", "sun.max"},
    Row{Case::linearDensity, "lineardensity", "Linear Density", "line.3.horizontal"},
    Row{Case::impulse, "impulse", "Impulse", "burst"},
    Row{Case::momentum, "momentum", "Momentum", "move.3d"},
    Row{Case::angularMomentum, "angularmomentum", "Angular Momentum", "rotate.3d"},
    Row{Case::heatCapacity, "heatcapacity", "Heat Capacity", "cup.and.heat.waves"},
    Row{Case::heatTransferCoefficient, "heattransfercoefficient", "Heat Transfer Coefficient",
        "vent.heat.waves.upward"},
    Row{Case::thermalDiffusivity, "thermaldiffusivity", "Thermal Diffusivity", "heat.waves.gauge.open"},
    Row{Case::thermalResistance, "thermalresistance", "Thermal Resistance", "windshield.rear.and.heat.waves"},
    Row{Case::magneticMoment, "magneticmoment", "Magnetic Moment", "#magnetic.moment"},
    Row{Case::magnetization, "magnetization", "Magnetization", "#magnetization"},
    Row{Case::magnetomotiveForce, "magnetomotiveforce", "Magnetomotive Force", "circle.grid.cross.left.filled"},
    Row{Case::magneticPermeability, "magneticpermeability", "Magnetic Permeability", "#magnetic.permeability"},
    Row{Case::equivalentDose, "equivalentdose", "Equivalent Dose", "#radiation.scale"},
    Row{Case::effectiveDose, "effectivedose", "Effective Dose", "#radiation.heart"},
    Row{Case::exposure, "exposure", "Exposure", "#radiation.detector"},
    Row{Case::radiantFlux, "radiantflux", "Radiant Flux", "#radiation.flux"},
    Row{Case::radiantIntensity, "radiantintensity", "Radiant Intensity", "#radiation.intensity"},
    Row{Case::radiance, "radiance", "Radiance", "#radiation.radiance"},
    Row{Case::arealDensity, "arealdensity", "Areal Density", "circle.grid.3x3"},
};
constexpr std::size_t kCount = kRows.size();

static_assert(kCount == 74);
static_assert([] {
  for (std::size_t i = 0; i < kCount; ++i) {
    if (static_cast<std::size_t>(kRows[i].c) != i) return false;
  }
  return true;
}(), "rows are indexed by the case's ordinal");

constexpr const Row& rowOf(Case c) noexcept { return kRows[static_cast<std::size_t>(c)]; }

// Every category is finished; a category under construction would return
// false here and drop out of availableCases.
constexpr bool isDone(Case) noexcept { return true; }

template <std::size_t... I>
constexpr std::array<TalUnitCategory, sizeof...(I)> casesInOrder(std::index_sequence<I...>) {
  return {TalUnitCategory(kRows[I].c)...};
}
constexpr auto kAll = casesInOrder(std::make_index_sequence<kCount>{});

constexpr std::size_t kAvailableCount = static_cast<std::size_t>(
    std::count_if(kRows.begin(), kRows.end(), [](const Row& row) { return isDone(row.c); }));

template <std::size_t... I>
constexpr std::array<TalUnitCategory, sizeof...(I)> availableInOrder(std::index_sequence<I...>) {
  std::array<std::size_t, kAvailableCount> picked{};
  std::size_t n = 0;
  for (const Row& row : kRows) {
    if (isDone(row.c)) picked[n++] = static_cast<std::size_t>(row.c);
  }
  return {TalUnitCategory(kRows[picked[I]].c)...};
}
constexpr auto kAvailable = availableInOrder(std::make_index_sequence<kAvailableCount>{});

// The base keys, "unit_" + raw value, laid end to end at compile time so
// that they can be handed out as views without a second table to keep in step.
constexpr std::string_view kKeyPrefix = "unit_";

struct KeyTable {
  static constexpr std::size_t kBytes = [] {
    std::size_t n = 0;
    for (const Row& row : kRows) n += kKeyPrefix.size() + row.raw.size();
    return n;
  }();
  std::array<char, kBytes> text{};
  std::array<std::size_t, kCount + 1> start{};
};

constexpr KeyTable kKeys = [] {
  KeyTable keys;
  std::size_t at = 0;
  for (std::size_t i = 0; i < kCount; ++i) {
    keys.start[i] = at;
    for (const char ch : kKeyPrefix) keys.text[at++] = ch;
    for (const char ch : kRows[i].raw) keys.text[at++] = ch;
  }
  keys.start[kCount] = at;
  return keys;
}();

// Raw values ordered by length, then text, for a binary search in
// fromRawValue: most steps compare two lengths and never touch the text.
constexpr bool rawBefore(std::string_view a, std::string_view b) noexcept {
  return a.size() != b.size() ? a.size() < b.size() : a < b;
}
constexpr std::array<Case, kCount> kByRaw = [] {
  std::array<Case, kCount> order{};
  for (std::size_t i = 0; i < kCount; ++i) order[i] = kRows[i].c;
  std::sort(order.begin(), order.end(), [](Case a, Case b) { return rawBefore(rowOf(a).raw, rowOf(b).raw); });
  return order;
}();

static_assert([] {
  for (std::size_t i = 1; i < kCount; ++i) {
    if (rowOf(kByRaw[i - 1]).raw == rowOf(kByRaw[i]).raw) return false;
  }
  return true;
}(), "raw values are unique");

}  // namespace

std::string_view TalUnitCategory::rawValue() const noexcept { return rowOf(case_).raw; }

std::optional<TalUnitCategory> TalUnitCategory::fromRawValue(std::string_view raw) noexcept {
  const auto it = std::lower_bound(kByRaw.begin(), kByRaw.end(), raw,
                                   [](Case c, std::string_view text) { return rawBefore(rowOf(c).raw, text); });
  if (it == kByRaw.end() || rowOf(*it).raw != raw) return std::nullopt;
  return TalUnitCategory(*it);
}

std::span<const TalUnitCategory> TalUnitCategory::allCases() noexcept { return kAll; }

std::span<const TalUnitCategory> TalUnitCategory::availableCases() noexcept { return kAvailable; }

std::string_view TalUnitCategory::displayName() const noexcept { return rowOf(case_).displayName; }

std::string_view TalUnitCategory::icon() const noexcept { return rowOf(case_).icon; }

std::string_view TalUnitCategory::categoryNameLocalizeBaseKey() const noexcept {
  const auto i = static_cast<std::size_t>(case_);
  return {kKeys.text.data() + kKeys.start[i], kKeys.start[i + 1] - kKeys.start[i]};
}

bool TalUnitCategory::doneStatus() const noexcept { return isDone(case_); }

}  // namespace tal
