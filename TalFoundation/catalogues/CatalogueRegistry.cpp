// The one switch from a category to its catalogue: TalUnitCategory's unit
// list and default unit.
#include <algorithm>

#include "TalFoundation/catalogues/TalUnitAbsorbedDose.h"
#include "TalFoundation/catalogues/TalUnitAcceleration.h"
#include "TalFoundation/catalogues/TalUnitAmountOfSubstance.h"
#include "TalFoundation/catalogues/TalUnitAngle.h"
#include "TalFoundation/catalogues/TalUnitAngularAcceleration.h"
#include "TalFoundation/catalogues/TalUnitAngularMomentum.h"
#include "TalFoundation/catalogues/TalUnitAngularVelocity.h"
#include "TalFoundation/catalogues/TalUnitArea.h"
#include "TalFoundation/catalogues/TalUnitArealDensity.h"
#include "TalFoundation/catalogues/TalUnitCapacitance.h"
#include "TalFoundation/catalogues/TalUnitConductance.h"
#include "TalFoundation/catalogues/TalUnitConductivity.h"
#include "TalFoundation/catalogues/TalUnitDataStorage.h"
#include "TalFoundation/catalogues/TalUnitDensity.h"
#include "TalFoundation/catalogues/TalUnitDuration.h"
#include "TalFoundation/catalogues/TalUnitDynamicViscosity.h"
#include "TalFoundation/catalogues/TalUnitEffectiveDose.h"
#include "TalFoundation/catalogues/TalUnitElectricCharge.h"
#include "TalFoundation/catalogues/TalUnitElectricCurrent.h"
#include "TalFoundation/catalogues/TalUnitElectricFieldStrength.h"
#include "TalFoundation/catalogues/TalUnitElectricPotentialDifference.h"
#include "TalFoundation/catalogues/TalUnitElectricResistance.h"
#include "TalFoundation/catalogues/TalUnitEnergy.h"
#include "TalFoundation/catalogues/TalUnitEnthalpy.h"
#include "TalFoundation/catalogues/TalUnitEntropy.h"
#include "TalFoundation/catalogues/TalUnitEquivalentDose.h"
#include "TalFoundation/catalogues/TalUnitExposure.h"
#include "TalFoundation/catalogues/TalUnitForce.h"
#include "TalFoundation/catalogues/TalUnitFrequency.h"
#include "TalFoundation/catalogues/TalUnitFuelEfficiencyVolume.h"
#include "TalFoundation/catalogues/TalUnitHeatCapacity.h"
#include "TalFoundation/catalogues/TalUnitHeatTransferCoefficient.h"
#include "TalFoundation/catalogues/TalUnitIlluminance.h"
#include "TalFoundation/catalogues/TalUnitImpulse.h"
#include "TalFoundation/catalogues/TalUnitInductance.h"
#include "TalFoundation/catalogues/TalUnitIrradiance.h"
#include "TalFoundation/catalogues/TalUnitKinematicViscosity.h"
#include "TalFoundation/catalogues/TalUnitLength.h"
#include "TalFoundation/catalogues/TalUnitLinearDensity.h"
#include "TalFoundation/catalogues/TalUnitLuminance.h"
#include "TalFoundation/catalogues/TalUnitLuminousFlux.h"
#include "TalFoundation/catalogues/TalUnitLuminousIntensity.h"
#include "TalFoundation/catalogues/TalUnitMagneticFieldStrength.h"
#include "TalFoundation/catalogues/TalUnitMagneticFlux.h"
#include "TalFoundation/catalogues/TalUnitMagneticFluxDensity.h"
#include "TalFoundation/catalogues/TalUnitMagneticMoment.h"
#include "TalFoundation/catalogues/TalUnitMagneticPermeability.h"
#include "TalFoundation/catalogues/TalUnitMagnetization.h"
#include "TalFoundation/catalogues/TalUnitMagnetomotiveForce.h"
#include "TalFoundation/catalogues/TalUnitMass.h"
#include "TalFoundation/catalogues/TalUnitMassConcentration.h"
#include "TalFoundation/catalogues/TalUnitMassFlowRate.h"
#include "TalFoundation/catalogues/TalUnitMolarConcentration.h"
#include "TalFoundation/catalogues/TalUnitMolarFlowRate.h"
#include "TalFoundation/catalogues/TalUnitMomentOfInertia.h"
#include "TalFoundation/catalogues/TalUnitMomentum.h"
#include "TalFoundation/catalogues/TalUnitPower.h"
#include "TalFoundation/catalogues/TalUnitPressure.h"
#include "TalFoundation/catalogues/TalUnitRadiance.h"
#include "TalFoundation/catalogues/TalUnitRadiantFlux.h"
#include "TalFoundation/catalogues/TalUnitRadiantIntensity.h"
#include "TalFoundation/catalogues/TalUnitRadioactivity.h"
#include "TalFoundation/catalogues/TalUnitResistivity.h"
#include "TalFoundation/catalogues/TalUnitSpecificHeatCapacity.h"
#include "TalFoundation/catalogues/TalUnitSpeed.h"
#include "TalFoundation/catalogues/TalUnitSurfaceTension.h"
#include "TalFoundation/catalogues/TalUnitTemperature.h"
#include "TalFoundation/catalogues/TalUnitThermalConductivity.h"
#include "TalFoundation/catalogues/TalUnitThermalDiffusivity.h"
#include "TalFoundation/catalogues/TalUnitThermalResistance.h"
#include "TalFoundation/catalogues/TalUnitTorque.h"
#include "TalFoundation/catalogues/TalUnitVolume.h"
#include "TalFoundation/catalogues/TalUnitVolumetricFlowRate.h"
#include "TalFoundation/currency/TalUnitCurrency.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

std::vector<TalUnit> TalUnitCategory::getUnits() const {
  switch (value()) {
    case Case::currency: return TalUnitCurrency::allUnits();
    case Case::length: return TalUnitLength::allUnits();
    case Case::mass: return TalUnitMass::allUnits();
    case Case::duration: return TalUnitDuration::allUnits();
    case Case::temperature: return TalUnitTemperature::allUnits();
    case Case::speed: return TalUnitSpeed::allUnits();
    case Case::acceleration: return TalUnitAcceleration::allUnits();
    case Case::angle: return TalUnitAngle::allUnits();
    case Case::area: return TalUnitArea::allUnits();
    case Case::volume: return TalUnitVolume::allUnits();
    case Case::pressure: return TalUnitPressure::allUnits();
    case Case::energy: return TalUnitEnergy::allUnits();
    case Case::power: return TalUnitPower::allUnits();
    case Case::electricCurrent: return TalUnitElectricCurrent::allUnits();
    case Case::electricPotentialDifference: return TalUnitElectricPotentialDifference::allUnits();
    case Case::electricResistance: return TalUnitElectricResistance::allUnits();
    case Case::electricCharge: return TalUnitElectricCharge::allUnits();
    case Case::illuminance: return TalUnitIlluminance::allUnits();
    case Case::luminance: return TalUnitLuminance::allUnits();
    case Case::luminousFlux: return TalUnitLuminousFlux::allUnits();
    case Case::luminousIntensity: return TalUnitLuminousIntensity::allUnits();
    case Case::frequency: return TalUnitFrequency::allUnits();
    case Case::massConcentration: return TalUnitMassConcentration::allUnits();
    case Case::fuelEfficiencyVolume: return TalUnitFuelEfficiencyVolume::allUnits();
    case Case::dataStorage: return TalUnitDataStorage::allUnits();
    case Case::force: return TalUnitForce::allUnits();
    case Case::density: return TalUnitDensity::allUnits();
    case Case::torque: return TalUnitTorque::allUnits();
    case Case::capacitance: return TalUnitCapacitance::allUnits();
    case Case::inductance: return TalUnitInductance::allUnits();
    case Case::magneticFlux: return TalUnitMagneticFlux::allUnits();
    case Case::magneticFluxDensity: return TalUnitMagneticFluxDensity::allUnits();
    case Case::conductance: return TalUnitConductance::allUnits();
    case Case::resistivity: return TalUnitResistivity::allUnits();
    case Case::radioactivity: return TalUnitRadioactivity::allUnits();
    case Case::magneticFieldStrength: return TalUnitMagneticFieldStrength::allUnits();
    case Case::absorbedDose: return TalUnitAbsorbedDose::allUnits();
    case Case::conductivity: return TalUnitConductivity::allUnits();
    case Case::electricFieldStrength: return TalUnitElectricFieldStrength::allUnits();
    case Case::irradiance: return TalUnitIrradiance::allUnits();
    case Case::magneticMoment: return TalUnitMagneticMoment::allUnits();
    case Case::magnetization: return TalUnitMagnetization::allUnits();
    case Case::magnetomotiveForce: return TalUnitMagnetomotiveForce::allUnits();
    case Case::magneticPermeability: return TalUnitMagneticPermeability::allUnits();
    case Case::equivalentDose: return TalUnitEquivalentDose::allUnits();
    case Case::effectiveDose: return TalUnitEffectiveDose::allUnits();
    case Case::exposure: return TalUnitExposure::allUnits();
    case Case::radiantFlux: return TalUnitRadiantFlux::allUnits();
    case Case::radiantIntensity: return TalUnitRadiantIntensity::allUnits();
    case Case::radiance: return TalUnitRadiance::allUnits();
    case Case::specificHeatCapacity: return TalUnitSpecificHeatCapacity::allUnits();
    case Case::thermalConductivity: return TalUnitThermalConductivity::allUnits();
    case Case::heatCapacity: return TalUnitHeatCapacity::allUnits();
    case Case::heatTransferCoefficient: return TalUnitHeatTransferCoefficient::allUnits();
    case Case::thermalDiffusivity: return TalUnitThermalDiffusivity::allUnits();
    case Case::thermalResistance: return TalUnitThermalResistance::allUnits();
    case Case::entropy: return TalUnitEntropy::allUnits();
    case Case::enthalpy: return TalUnitEnthalpy::allUnits();
    case Case::volumetricFlowRate: return TalUnitVolumetricFlowRate::allUnits();
    case Case::massFlowRate: return TalUnitMassFlowRate::allUnits();
    case Case::molarFlowRate: return TalUnitMolarFlowRate::allUnits();
    case Case::amountOfSubstance: return TalUnitAmountOfSubstance::allUnits();
    case Case::molarConcentration: return TalUnitMolarConcentration::allUnits();
    case Case::dynamicViscosity: return TalUnitDynamicViscosity::allUnits();
    case Case::kinematicViscosity: return TalUnitKinematicViscosity::allUnits();
    case Case::angularVelocity: return TalUnitAngularVelocity::allUnits();
    case Case::angularAcceleration: return TalUnitAngularAcceleration::allUnits();
    case Case::angularMomentum: return TalUnitAngularMomentum::allUnits();
    case Case::momentOfInertia: return TalUnitMomentOfInertia::allUnits();
    case Case::momentum: return TalUnitMomentum::allUnits();
    case Case::impulse: return TalUnitImpulse::allUnits();
    case Case::surfaceTension: return TalUnitSurfaceTension::allUnits();
    case Case::linearDensity: return TalUnitLinearDensity::allUnits();
    case Case::arealDensity: return TalUnitArealDensity::allUnits();
  }
  // No default above: a category missing from the switch is a -Wswitch
  // warning. A Case never holds anything else (caseInRange), so this is not reached.
  return {};
}

std::optional<TalUnit> TalUnitCategory::defaultUnit() const {
  const std::vector<TalUnit> units = getUnits();
  const auto bySymbol = [&](std::string_view symbol) -> std::optional<TalUnit> {
    const auto it = std::find_if(units.begin(), units.end(), [&](const TalUnit& u) { return u.symbol() == symbol; });
    return it == units.end() ? std::nullopt : std::optional<TalUnit>(*it);
  };
  switch (value()) {
    case Case::currency: return std::nullopt;
    case Case::volume: return bySymbol("m³");
    case Case::frequency: return bySymbol("THz");
    case Case::massConcentration: return bySymbol("kg/m³");
    default: break;
  }
  const auto base = std::find_if(units.begin(), units.end(), [](const TalUnit& u) { return u.isBaseUnit(); });
  return base == units.end() ? std::nullopt : std::optional<TalUnit>(*base);
}

}  // namespace tal
