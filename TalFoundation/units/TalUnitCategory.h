// TalUnitCategory: the 74 measurement categories and the registry behind
// them: raw value, English name, icon, localisation key, unit list and
// default unit. Neighbours: TalUnit.h (the units), catalogues/ (the lists).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/detail/RawValues.h"

namespace tal {

class TalUnit;

/// The 74 categories of measurement, currency and one per catalogue; raw values are the unit ids' prefixes.
class TAL_EXPORT TalUnitCategory {
 public:
  /// Declaration order is the order of allCases and the case's ordinal.
  enum class Case : std::uint8_t {
    currency,
    length,
    mass,
    duration,
    temperature,
    speed,
    acceleration,
    angle,
    area,
    volume,
    pressure,
    energy,
    power,
    electricCurrent,
    electricPotentialDifference,
    electricResistance,
    electricCharge,
    illuminance,
    luminance,
    luminousFlux,
    luminousIntensity,
    frequency,
    massConcentration,
    fuelEfficiencyVolume,
    dataStorage,
    force,
    density,
    torque,
    capacitance,
    inductance,
    volumetricFlowRate,
    angularVelocity,
    amountOfSubstance,
    specificHeatCapacity,
    thermalConductivity,
    dynamicViscosity,
    kinematicViscosity,
    magneticFlux,
    magneticFluxDensity,
    conductance,
    resistivity,
    radioactivity,
    momentOfInertia,
    angularAcceleration,
    entropy,
    enthalpy,
    surfaceTension,
    magneticFieldStrength,
    molarConcentration,
    absorbedDose,
    massFlowRate,
    molarFlowRate,
    conductivity,
    electricFieldStrength,
    irradiance,
    linearDensity,
    impulse,
    momentum,
    angularMomentum,
    heatCapacity,
    heatTransferCoefficient,
    thermalDiffusivity,
    thermalResistance,
    magneticMoment,
    magnetization,
    magnetomotiveForce,
    magneticPermeability,
    equivalentDose,
    effectiveDose,
    exposure,
    radiantFlux,
    radiantIntensity,
    radiance,
    arealDensity,
  };

  /// A value cast to Case that names no case is read as the first case.
  // NOLINTNEXTLINE(google-explicit-constructor)
  constexpr TalUnitCategory(Case c) noexcept : case_(detail::caseInRange(c, Case::arealDensity)) {}

  static const TalUnitCategory currency;
  static const TalUnitCategory length;
  static const TalUnitCategory mass;
  static const TalUnitCategory duration;
  static const TalUnitCategory temperature;
  static const TalUnitCategory speed;
  static const TalUnitCategory acceleration;
  static const TalUnitCategory angle;
  static const TalUnitCategory area;
  static const TalUnitCategory volume;
  static const TalUnitCategory pressure;
  static const TalUnitCategory energy;
  static const TalUnitCategory power;
  static const TalUnitCategory electricCurrent;
  static const TalUnitCategory electricPotentialDifference;
  static const TalUnitCategory electricResistance;
  static const TalUnitCategory electricCharge;
  static const TalUnitCategory illuminance;
  static const TalUnitCategory luminance;
  static const TalUnitCategory luminousFlux;
  static const TalUnitCategory luminousIntensity;
  static const TalUnitCategory frequency;
  static const TalUnitCategory massConcentration;
  static const TalUnitCategory fuelEfficiencyVolume;
  static const TalUnitCategory dataStorage;
  static const TalUnitCategory force;
  static const TalUnitCategory density;
  static const TalUnitCategory torque;
  static const TalUnitCategory capacitance;
  static const TalUnitCategory inductance;
  static const TalUnitCategory volumetricFlowRate;
  static const TalUnitCategory angularVelocity;
  static const TalUnitCategory amountOfSubstance;
  static const TalUnitCategory specificHeatCapacity;
  static const TalUnitCategory thermalConductivity;
  static const TalUnitCategory dynamicViscosity;
  static const TalUnitCategory kinematicViscosity;
  static const TalUnitCategory magneticFlux;
  static const TalUnitCategory magneticFluxDensity;
  static const TalUnitCategory conductance;
  static const TalUnitCategory resistivity;
  static const TalUnitCategory radioactivity;
  static const TalUnitCategory momentOfInertia;
  static const TalUnitCategory angularAcceleration;
  static const TalUnitCategory entropy;
  static const TalUnitCategory enthalpy;
  static const TalUnitCategory surfaceTension;
  static const TalUnitCategory magneticFieldStrength;
  static const TalUnitCategory molarConcentration;
  static const TalUnitCategory absorbedDose;
  static const TalUnitCategory massFlowRate;
  static const TalUnitCategory molarFlowRate;
  static const TalUnitCategory conductivity;
  static const TalUnitCategory electricFieldStrength;
  static const TalUnitCategory irradiance;
  static const TalUnitCategory linearDensity;
  static const TalUnitCategory impulse;
  static const TalUnitCategory momentum;
  static const TalUnitCategory angularMomentum;
  static const TalUnitCategory heatCapacity;
  static const TalUnitCategory heatTransferCoefficient;
  static const TalUnitCategory thermalDiffusivity;
  static const TalUnitCategory thermalResistance;
  static const TalUnitCategory magneticMoment;
  static const TalUnitCategory magnetization;
  static const TalUnitCategory magnetomotiveForce;
  static const TalUnitCategory magneticPermeability;
  static const TalUnitCategory equivalentDose;
  static const TalUnitCategory effectiveDose;
  static const TalUnitCategory exposure;
  static const TalUnitCategory radiantFlux;
  static const TalUnitCategory radiantIntensity;
  static const TalUnitCategory radiance;
  static const TalUnitCategory arealDensity;

  [[nodiscard]] constexpr Case value() const noexcept { return case_; }
  /// The stable text key: lower case without separators, e.g. "length",
  /// "current" for electricCurrent, "fuelvolume" for fuelEfficiencyVolume.
  [[nodiscard]] std::string_view rawValue() const noexcept;
  /// The identity is the raw value.
  [[nodiscard]] std::string_view id() const noexcept { return rawValue(); }
  /// The case whose raw value equals `raw` exactly (case-sensitive, no
  /// trimming); absent for any other text.
  [[nodiscard]] static std::optional<TalUnitCategory> fromRawValue(std::string_view raw) noexcept;
  /// All 74 cases in declaration order.
  [[nodiscard]] static std::span<const TalUnitCategory> allCases() noexcept;
  /// The cases whose doneStatus is true, in declaration order.
  [[nodiscard]] static std::span<const TalUnitCategory> availableCases() noexcept;

  /// English, not localised: "Time" for duration.
  [[nodiscard]] std::string_view displayName() const noexcept;
  /// The same text as displayName.
  [[nodiscard]] std::string_view name() const noexcept { return displayName(); }
  /// A platform system symbol name, or the app's own image when it begins
  /// with "#" (the "#" is part of the text).
  [[nodiscard]] std::string_view icon() const noexcept;
  /// "unit_" followed by the raw value, e.g. "unit_voltage".
  [[nodiscard]] std::string_view categoryNameLocalizeBaseKey() const noexcept;
  /// Whether the category is offered to the user; true for all of them.
  [[nodiscard]] bool doneStatus() const noexcept;

  /// The category's units in display order, as a fresh list; empty for
  /// currency until exchange rates have been applied.
  [[nodiscard]] std::vector<TalUnit> getUnits() const;
  /// The category's fixed default unit; absent for currency.
  [[nodiscard]] std::optional<TalUnit> defaultUnit() const;

  friend constexpr bool operator==(TalUnitCategory, TalUnitCategory) noexcept = default;

 private:
  Case case_;
};

inline constexpr TalUnitCategory TalUnitCategory::currency{Case::currency};
inline constexpr TalUnitCategory TalUnitCategory::length{Case::length};
inline constexpr TalUnitCategory TalUnitCategory::mass{Case::mass};
inline constexpr TalUnitCategory TalUnitCategory::duration{Case::duration};
inline constexpr TalUnitCategory TalUnitCategory::temperature{Case::temperature};
inline constexpr TalUnitCategory TalUnitCategory::speed{Case::speed};
inline constexpr TalUnitCategory TalUnitCategory::acceleration{Case::acceleration};
inline constexpr TalUnitCategory TalUnitCategory::angle{Case::angle};
inline constexpr TalUnitCategory TalUnitCategory::area{Case::area};
inline constexpr TalUnitCategory TalUnitCategory::volume{Case::volume};
inline constexpr TalUnitCategory TalUnitCategory::pressure{Case::pressure};
inline constexpr TalUnitCategory TalUnitCategory::energy{Case::energy};
inline constexpr TalUnitCategory TalUnitCategory::power{Case::power};
inline constexpr TalUnitCategory TalUnitCategory::electricCurrent{Case::electricCurrent};
inline constexpr TalUnitCategory TalUnitCategory::electricPotentialDifference{Case::electricPotentialDifference};
inline constexpr TalUnitCategory TalUnitCategory::electricResistance{Case::electricResistance};
inline constexpr TalUnitCategory TalUnitCategory::electricCharge{Case::electricCharge};
inline constexpr TalUnitCategory TalUnitCategory::illuminance{Case::illuminance};
inline constexpr TalUnitCategory TalUnitCategory::luminance{Case::luminance};
inline constexpr TalUnitCategory TalUnitCategory::luminousFlux{Case::luminousFlux};
inline constexpr TalUnitCategory TalUnitCategory::luminousIntensity{Case::luminousIntensity};
inline constexpr TalUnitCategory TalUnitCategory::frequency{Case::frequency};
inline constexpr TalUnitCategory TalUnitCategory::massConcentration{Case::massConcentration};
inline constexpr TalUnitCategory TalUnitCategory::fuelEfficiencyVolume{Case::fuelEfficiencyVolume};
inline constexpr TalUnitCategory TalUnitCategory::dataStorage{Case::dataStorage};
inline constexpr TalUnitCategory TalUnitCategory::force{Case::force};
inline constexpr TalUnitCategory TalUnitCategory::density{Case::density};
inline constexpr TalUnitCategory TalUnitCategory::torque{Case::torque};
inline constexpr TalUnitCategory TalUnitCategory::capacitance{Case::capacitance};
inline constexpr TalUnitCategory TalUnitCategory::inductance{Case::inductance};
inline constexpr TalUnitCategory TalUnitCategory::volumetricFlowRate{Case::volumetricFlowRate};
inline constexpr TalUnitCategory TalUnitCategory::angularVelocity{Case::angularVelocity};
inline constexpr TalUnitCategory TalUnitCategory::amountOfSubstance{Case::amountOfSubstance};
inline constexpr TalUnitCategory TalUnitCategory::specificHeatCapacity{Case::specificHeatCapacity};
inline constexpr TalUnitCategory TalUnitCategory::thermalConductivity{Case::thermalConductivity};
inline constexpr TalUnitCategory TalUnitCategory::dynamicViscosity{Case::dynamicViscosity};
inline constexpr TalUnitCategory TalUnitCategory::kinematicViscosity{Case::kinematicViscosity};
inline constexpr TalUnitCategory TalUnitCategory::magneticFlux{Case::magneticFlux};
inline constexpr TalUnitCategory TalUnitCategory::magneticFluxDensity{Case::magneticFluxDensity};
inline constexpr TalUnitCategory TalUnitCategory::conductance{Case::conductance};
inline constexpr TalUnitCategory TalUnitCategory::resistivity{Case::resistivity};
inline constexpr TalUnitCategory TalUnitCategory::radioactivity{Case::radioactivity};
inline constexpr TalUnitCategory TalUnitCategory::momentOfInertia{Case::momentOfInertia};
inline constexpr TalUnitCategory TalUnitCategory::angularAcceleration{Case::angularAcceleration};
inline constexpr TalUnitCategory TalUnitCategory::entropy{Case::entropy};
inline constexpr TalUnitCategory TalUnitCategory::enthalpy{Case::enthalpy};
inline constexpr TalUnitCategory TalUnitCategory::surfaceTension{Case::surfaceTension};
inline constexpr TalUnitCategory TalUnitCategory::magneticFieldStrength{Case::magneticFieldStrength};
inline constexpr TalUnitCategory TalUnitCategory::molarConcentration{Case::molarConcentration};
inline constexpr TalUnitCategory TalUnitCategory::absorbedDose{Case::absorbedDose};
inline constexpr TalUnitCategory TalUnitCategory::massFlowRate{Case::massFlowRate};
inline constexpr TalUnitCategory TalUnitCategory::molarFlowRate{Case::molarFlowRate};
inline constexpr TalUnitCategory TalUnitCategory::conductivity{Case::conductivity};
inline constexpr TalUnitCategory TalUnitCategory::electricFieldStrength{Case::electricFieldStrength};
inline constexpr TalUnitCategory TalUnitCategory::irradiance{Case::irradiance};
inline constexpr TalUnitCategory TalUnitCategory::linearDensity{Case::linearDensity};
inline constexpr TalUnitCategory TalUnitCategory::impulse{Case::impulse};
inline constexpr TalUnitCategory TalUnitCategory::momentum{Case::momentum};
inline constexpr TalUnitCategory TalUnitCategory::angularMomentum{Case::angularMomentum};
inline constexpr TalUnitCategory TalUnitCategory::heatCapacity{Case::heatCapacity};
inline constexpr TalUnitCategory TalUnitCategory::heatTransferCoefficient{Case::heatTransferCoefficient};
inline constexpr TalUnitCategory TalUnitCategory::thermalDiffusivity{Case::thermalDiffusivity};
inline constexpr TalUnitCategory TalUnitCategory::thermalResistance{Case::thermalResistance};
inline constexpr TalUnitCategory TalUnitCategory::magneticMoment{Case::magneticMoment};
inline constexpr TalUnitCategory TalUnitCategory::magnetization{Case::magnetization};
inline constexpr TalUnitCategory TalUnitCategory::magnetomotiveForce{Case::magnetomotiveForce};
inline constexpr TalUnitCategory TalUnitCategory::magneticPermeability{Case::magneticPermeability};
inline constexpr TalUnitCategory TalUnitCategory::equivalentDose{Case::equivalentDose};
inline constexpr TalUnitCategory TalUnitCategory::effectiveDose{Case::effectiveDose};
inline constexpr TalUnitCategory TalUnitCategory::exposure{Case::exposure};
inline constexpr TalUnitCategory TalUnitCategory::radiantFlux{Case::radiantFlux};
inline constexpr TalUnitCategory TalUnitCategory::radiantIntensity{Case::radiantIntensity};
inline constexpr TalUnitCategory TalUnitCategory::radiance{Case::radiance};
inline constexpr TalUnitCategory TalUnitCategory::arealDensity{Case::arealDensity};

}  // namespace tal

// Hashes the raw value text, which equality agrees with.
template <>
struct std::hash<tal::TalUnitCategory> {
  std::size_t operator()(tal::TalUnitCategory c) const noexcept { return std::hash<std::string_view>{}(c.rawValue()); }
};
