// The electricity and magnetism catalogues: every record field by field,
// and conversions on both roads these catalogues take.
#include <gtest/gtest.h>

#include "TalFoundation/catalogues/TalUnitCapacitance.h"
#include "TalFoundation/catalogues/TalUnitConductance.h"
#include "TalFoundation/catalogues/TalUnitConductivity.h"
#include "TalFoundation/catalogues/TalUnitElectricCharge.h"
#include "TalFoundation/catalogues/TalUnitElectricCurrent.h"
#include "TalFoundation/catalogues/TalUnitElectricFieldStrength.h"
#include "TalFoundation/catalogues/TalUnitElectricPotentialDifference.h"
#include "TalFoundation/catalogues/TalUnitElectricResistance.h"
#include "TalFoundation/catalogues/TalUnitInductance.h"
#include "TalFoundation/catalogues/TalUnitMagneticFieldStrength.h"
#include "TalFoundation/catalogues/TalUnitMagneticFlux.h"
#include "TalFoundation/catalogues/TalUnitMagneticFluxDensity.h"
#include "TalFoundation/catalogues/TalUnitMagneticMoment.h"
#include "TalFoundation/catalogues/TalUnitMagneticPermeability.h"
#include "TalFoundation/catalogues/TalUnitMagnetization.h"
#include "TalFoundation/catalogues/TalUnitMagnetomotiveForce.h"
#include "TalFoundation/catalogues/TalUnitResistivity.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"
#include "tests/catalogues/CatalogueExpectations.h"

namespace tal {
namespace {

using namespace tal::testing;

// TalUnitElectricCurrent: category electricCurrent, raw value "current".
constexpr ExpectedUnit kElectricCurrent[] = {
    {.name = "Megaampere", .symbol = "MA", .coefficient = "1000000", .baseNumerator = "0.000001", .platformBacked = true},
    {.name = "Kiloampere", .symbol = "kA", .coefficient = "1000", .baseNumerator = "0.001", .platformBacked = true},
    {.name = "Ampere", .symbol = "A", .coefficient = "1.0", .baseNumerator = "1.0", .platformBacked = true, .isBase = true},
    {.name = "Milliampere", .symbol = "mA", .coefficient = "0.001", .baseNumerator = "1000", .platformBacked = true},
    {.name = "Microampere", .symbol = "µA", .coefficient = "0.000001", .baseNumerator = "1000000", .platformBacked = true},
    {.name = "Nanoampere", .symbol = "nA", .coefficient = "1e-9", .baseNumerator = "1e9", .key = "unit_current_nA"},
};

// TalUnitElectricPotentialDifference: category electricPotentialDifference, raw value "voltage".
constexpr ExpectedUnit kElectricPotentialDifference[] = {
    {.name = "Megavolt", .symbol = "MV", .coefficient = "1000000", .baseNumerator = "0.000001", .platformBacked = true},
    {.name = "Kilovolt", .symbol = "kV", .coefficient = "1000", .baseNumerator = "0.001", .platformBacked = true},
    {.name = "Volt", .symbol = "V", .coefficient = "1.0", .baseNumerator = "1.0", .platformBacked = true, .isBase = true},
    {.name = "Millivolt", .symbol = "mV", .coefficient = "0.001", .baseNumerator = "1000", .platformBacked = true},
    {.name = "Microvolt", .symbol = "µV", .coefficient = "0.000001", .baseNumerator = "1000000", .platformBacked = true},
};

// TalUnitElectricResistance: category electricResistance, raw value "resistance".
constexpr ExpectedUnit kElectricResistance[] = {
    {.name = "Megaohm", .symbol = "MΩ", .coefficient = "1000000", .baseNumerator = "0.000001", .platformBacked = true},
    {.name = "Kiloohm", .symbol = "kΩ", .coefficient = "1000", .baseNumerator = "0.001", .platformBacked = true},
    {.name = "Ohm", .symbol = "Ω", .coefficient = "1.0", .baseNumerator = "1.0", .platformBacked = true, .isBase = true},
    {.name = "Milliohm", .symbol = "mΩ", .coefficient = "0.001", .baseNumerator = "1000", .platformBacked = true},
    {.name = "Microohm", .symbol = "µΩ", .coefficient = "0.000001", .baseNumerator = "1000000", .platformBacked = true},
};

// TalUnitElectricCharge: category electricCharge, raw value "charge".
constexpr ExpectedUnit kElectricCharge[] = {
    {.name = "Coulomb", .symbol = "C", .coefficient = "1.0", .baseNumerator = "1.0", .platformBacked = true, .isBase = true},
    {.name = "Megaampere Hour", .symbol = "MAh", .coefficient = "3.6e9", .platformBacked = true},
    {.name = "Kiloampere Hour", .symbol = "kAh", .coefficient = "3.6e6", .platformBacked = true},
    {.name = "Ampere Hour", .symbol = "Ah", .coefficient = "3600", .platformBacked = true},
    {.name = "Milliampere Hour", .symbol = "mAh", .coefficient = "3.6", .platformBacked = true},
    {.name = "Microampere Hour", .symbol = "µAh", .coefficient = "0.0036", .platformBacked = true, .key = "unit_charge_µAh"},
};

// TalUnitCapacitance: category capacitance, raw value "capacitance".
constexpr ExpectedUnit kCapacitance[] = {
    {.name = "Farad", .symbol = "F", .coefficient = "1.0", .baseNumerator = "1.0", .isBase = true},
    {.name = "Millifarad", .symbol = "mF", .coefficient = "0.001", .baseNumerator = "1000"},
    {.name = "Microfarad", .symbol = "μF", .coefficient = "0.000001", .baseNumerator = "1000000"},
    {.name = "Nanofarad", .symbol = "nF", .coefficient = "1e-9", .baseNumerator = "1e9"},
    {.name = "Picofarad", .symbol = "pF", .coefficient = "1e-12", .baseNumerator = "1e12"},
};

// TalUnitInductance: category inductance, raw value "inductance".
constexpr ExpectedUnit kInductance[] = {
    {.name = "Kilohenry", .symbol = "kH", .coefficient = "1000", .baseNumerator = "0.001"},
    {.name = "Henry", .symbol = "H", .coefficient = "1.0", .baseNumerator = "1.0", .isBase = true},
    {.name = "Millihenry", .symbol = "mH", .coefficient = "0.001", .baseNumerator = "1000"},
    {.name = "Microhenry", .symbol = "μH", .coefficient = "0.000001", .baseNumerator = "1000000"},
    {.name = "Nanohenry", .symbol = "nH", .coefficient = "1e-9", .baseNumerator = "1e9"},
};

// TalUnitConductance: category conductance, raw value "conductance".
constexpr ExpectedUnit kConductance[] = {
    {.name = "Siemens", .symbol = "S", .coefficient = "1", .baseNumerator = "1", .isBase = true},
    {.name = "Millisiemens", .symbol = "mS", .coefficient = "0.001", .baseNumerator = "1000"},
    {.name = "Microsiemens", .symbol = "μS", .coefficient = "0.000001", .baseNumerator = "1000000"},
    {.name = "Mho", .symbol = "℧", .coefficient = "1", .baseNumerator = "1"},
};

// TalUnitResistivity: category resistivity, raw value "resistivity".
constexpr ExpectedUnit kResistivity[] = {
    {.name = "Ohm meter", .symbol = "Ω·m", .coefficient = "1", .baseNumerator = "1", .isBase = true},
    {.name = "Ohm centimeter", .symbol = "Ω·cm", .coefficient = "0.01", .baseNumerator = "100"},
    {.name = "Ohm square millimeter per meter", .symbol = "Ω·mm²/m", .coefficient = "0.000001", .baseNumerator = "1000000"},
    {.name = "Microhm centimeter", .symbol = "μΩ·cm", .coefficient = "1e-8", .baseNumerator = "1e8"},
};

// TalUnitConductivity: category conductivity, raw value "conductivity".
constexpr ExpectedUnit kConductivity[] = {
    {.name = "Siemens per meter", .symbol = "S/m", .coefficient = "1", .baseNumerator = "1", .isBase = true},
    {.name = "Millisiemens per meter", .symbol = "mS/m", .coefficient = "0.001"},
    {.name = "Microsiemens per meter", .symbol = "μS/m", .coefficient = "0.000001"},
    {.name = "Mho per centimeter", .symbol = "℧/cm", .coefficient = "100"},
    {.name = "Siemens per centimeter", .symbol = "S/cm", .coefficient = "100"},
};

// TalUnitElectricFieldStrength: category electricFieldStrength, raw value "electricfieldstrength".
constexpr ExpectedUnit kElectricFieldStrength[] = {
    {.name = "Volt per meter", .symbol = "V/m", .coefficient = "1", .baseNumerator = "1", .isBase = true},
    {.name = "Kilovolt per meter", .symbol = "kV/m", .coefficient = "1000"},
    {.name = "Millivolt per meter", .symbol = "mV/m", .coefficient = "0.001"},
    {.name = "Microvolt per meter", .symbol = "μV/m", .coefficient = "0.000001"},
    {.name = "Newton per coulomb", .symbol = "N/C", .coefficient = "1"},
};

// TalUnitMagneticFlux: category magneticFlux, raw value "magneticflux".
constexpr ExpectedUnit kMagneticFlux[] = {
    {.name = "Weber", .symbol = "Wb", .coefficient = "1", .baseNumerator = "1", .isBase = true},
    {.name = "Milliweber", .symbol = "mWb", .coefficient = "0.001", .baseNumerator = "1000"},
    {.name = "Maxwell", .symbol = "Mx", .coefficient = "1e-8", .baseNumerator = "1e8"},
};

// TalUnitMagneticFluxDensity: category magneticFluxDensity, raw value "magneticfluxdensity".
constexpr ExpectedUnit kMagneticFluxDensity[] = {
    {.name = "Tesla", .symbol = "T", .coefficient = "1", .baseNumerator = "1", .isBase = true},
    {.name = "Millitesla", .symbol = "mT", .coefficient = "0.001", .baseNumerator = "1000"},
    {.name = "Microtesla", .symbol = "μT", .coefficient = "0.000001", .baseNumerator = "1000000"},
    {.name = "Gauss", .symbol = "G", .coefficient = "0.0001", .baseNumerator = "10000"},
    {.name = "Gamma", .symbol = "γ", .coefficient = "1e-9", .baseNumerator = "1e9"},
};

// TalUnitMagneticFieldStrength: category magneticFieldStrength, raw value "magneticfieldstrength".
constexpr ExpectedUnit kMagneticFieldStrength[] = {
    {.name = "Ampere per meter", .symbol = "A/m", .coefficient = "1", .baseNumerator = "1", .isBase = true},
    {.name = "Kiloampere per meter", .symbol = "kA/m", .coefficient = "1000"},
    {.name = "Oersted", .symbol = "Oe", .coefficient = "79.577471545947667884441881686257181016"},
    {.name = "Ampere-turn per meter", .symbol = "AT/m", .coefficient = "1"},
};

// TalUnitMagneticMoment: category magneticMoment, raw value "magneticmoment".
constexpr ExpectedUnit kMagneticMoment[] = {
    {.name = "Ampere square meter", .symbol = "A·m²", .coefficient = "1", .isBase = true},
    {.name = "Joule per tesla", .symbol = "J/T", .coefficient = "1"},
    {.name = "Electromagnetic unit", .symbol = "emu", .coefficient = "0.001"},
    {.name = "Bohr magneton", .symbol = "μB", .coefficient = "9.274009994e-24"},
    {.name = "Nuclear magneton", .symbol = "μN", .coefficient = "5.050783699e-27"},
};

// TalUnitMagnetization: category magnetization, raw value "magnetization".
constexpr ExpectedUnit kMagnetization[] = {
    {.name = "Ampere per meter", .symbol = "A/m", .coefficient = "1", .isBase = true},
    {.name = "Tesla per vacuum permeability", .symbol = "T/μ₀", .coefficient = "1"},
    {.name = "Electromagnetic unit per cubic centimeter", .symbol = "emu/cm³", .coefficient = "1000"},
    {.name = "Gauss", .symbol = "G", .coefficient = "1000"},
};

// TalUnitMagnetomotiveForce: category magnetomotiveForce, raw value "magnetomotiveforce".
constexpr ExpectedUnit kMagnetomotiveForce[] = {
    {.name = "Ampere", .symbol = "A", .coefficient = "1", .isBase = true, .key = "unit_current_A"},
    {.name = "Ampere-turn", .symbol = "At", .coefficient = "1"},
    {.name = "Gilbert", .symbol = "Gb", .coefficient = "0.79577471545947667884441881686257181016", .baseNumerator = "1.2566370614359172953850573533118011537"},
};

// TalUnitMagneticPermeability: category magneticPermeability, raw value "magneticpermeability".
constexpr ExpectedUnit kMagneticPermeability[] = {
    {.name = "Henry per meter", .symbol = "H/m", .coefficient = "1", .isBase = true},
    {.name = "Newton per ampere squared", .symbol = "N/A²", .coefficient = "1"},
    {.name = "Tesla meter per ampere", .symbol = "T·m/A", .coefficient = "1"},
    {.name = "Weber per ampere meter", .symbol = "Wb/(A·m)", .coefficient = "1"},
    {.name = "Vacuum permeability", .symbol = "μ₀", .coefficient = "0.0000012566370614359172953850573533118011537"},
    {.name = "CGS permeability unit", .symbol = "emu", .coefficient = "795774.71545947667884441881686257181016", .baseNumerator = "0.0000012566370614359172953850573533118011537"},
};

const Catalogue kCatalogues[] = {
    {"ElectricCurrent", &TalUnitElectricCurrent::allUnits, TalUnitElectricCurrent{}.category(), TalUnitCategory::electricCurrent, "current", kElectricCurrent},
    {"ElectricPotentialDifference", &TalUnitElectricPotentialDifference::allUnits, TalUnitElectricPotentialDifference{}.category(), TalUnitCategory::electricPotentialDifference, "voltage", kElectricPotentialDifference},
    {"ElectricResistance", &TalUnitElectricResistance::allUnits, TalUnitElectricResistance{}.category(), TalUnitCategory::electricResistance, "resistance", kElectricResistance},
    {"ElectricCharge", &TalUnitElectricCharge::allUnits, TalUnitElectricCharge{}.category(), TalUnitCategory::electricCharge, "charge", kElectricCharge},
    {"Capacitance", &TalUnitCapacitance::allUnits, TalUnitCapacitance{}.category(), TalUnitCategory::capacitance, "capacitance", kCapacitance},
    {"Inductance", &TalUnitInductance::allUnits, TalUnitInductance{}.category(), TalUnitCategory::inductance, "inductance", kInductance},
    {"Conductance", &TalUnitConductance::allUnits, TalUnitConductance{}.category(), TalUnitCategory::conductance, "conductance", kConductance},
    {"Resistivity", &TalUnitResistivity::allUnits, TalUnitResistivity{}.category(), TalUnitCategory::resistivity, "resistivity", kResistivity},
    {"Conductivity", &TalUnitConductivity::allUnits, TalUnitConductivity{}.category(), TalUnitCategory::conductivity, "conductivity", kConductivity},
    {"ElectricFieldStrength", &TalUnitElectricFieldStrength::allUnits, TalUnitElectricFieldStrength{}.category(), TalUnitCategory::electricFieldStrength, "electricfieldstrength", kElectricFieldStrength},
    {"MagneticFlux", &TalUnitMagneticFlux::allUnits, TalUnitMagneticFlux{}.category(), TalUnitCategory::magneticFlux, "magneticflux", kMagneticFlux},
    {"MagneticFluxDensity", &TalUnitMagneticFluxDensity::allUnits, TalUnitMagneticFluxDensity{}.category(), TalUnitCategory::magneticFluxDensity, "magneticfluxdensity", kMagneticFluxDensity},
    {"MagneticFieldStrength", &TalUnitMagneticFieldStrength::allUnits, TalUnitMagneticFieldStrength{}.category(), TalUnitCategory::magneticFieldStrength, "magneticfieldstrength", kMagneticFieldStrength},
    {"MagneticMoment", &TalUnitMagneticMoment::allUnits, TalUnitMagneticMoment{}.category(), TalUnitCategory::magneticMoment, "magneticmoment", kMagneticMoment},
    {"Magnetization", &TalUnitMagnetization::allUnits, TalUnitMagnetization{}.category(), TalUnitCategory::magnetization, "magnetization", kMagnetization},
    {"MagnetomotiveForce", &TalUnitMagnetomotiveForce::allUnits, TalUnitMagnetomotiveForce{}.category(), TalUnitCategory::magnetomotiveForce, "magnetomotiveforce", kMagnetomotiveForce},
    {"MagneticPermeability", &TalUnitMagneticPermeability::allUnits, TalUnitMagneticPermeability{}.category(), TalUnitCategory::magneticPermeability, "magneticpermeability", kMagneticPermeability},
};

INSTANTIATE_TEST_SUITE_P(Electromagnetism, EachCatalogue, ::testing::ValuesIn(kCatalogues), namedAfterTheCatalogue);

// Targets with a base numerator: the result is base value × base numerator.
// The noted cases are those where dividing by the target's coefficient would
// round differently.
const Conversion kReciprocalRoad[] = {
    {&TalUnitElectricCurrent::allUnits, "2.5", "Kiloampere", "Milliampere", "2500000"},
    {&TalUnitElectricCurrent::allUnits, "1", "Ampere", "Megaampere", "0.000001"},
    {&TalUnitElectricCurrent::allUnits, "1", "Milliampere", "Nanoampere", "1000000"},
    {&TalUnitElectricPotentialDifference::allUnits, "1", "Megavolt", "Microvolt", "1000000000000"},
    {&TalUnitElectricResistance::allUnits, "1", "Microohm", "Ohm", "0.000001"},
    {&TalUnitElectricResistance::allUnits, "1", "Ohm", "Microohm", "1000000"},
    {&TalUnitElectricCharge::allUnits, "1", "Ampere Hour", "Coulomb", "3600"},
    {&TalUnitElectricCharge::allUnits, "1", "Milliampere Hour", "Coulomb", "3.6"},
    {&TalUnitCapacitance::allUnits, "1", "Microfarad", "Picofarad", "1000000"},
    {&TalUnitInductance::allUnits, "1", "Kilohenry", "Nanohenry", "1000000000000"},
    {&TalUnitConductance::allUnits, "1", "Mho", "Siemens", "1"},
    {&TalUnitConductance::allUnits, "1", "Millisiemens", "Microsiemens", "1000"},
    {&TalUnitResistivity::allUnits, "1", "Ohm meter", "Microhm centimeter", "100000000"},
    {&TalUnitResistivity::allUnits, "1", "Ohm centimeter", "Ohm square millimeter per meter", "10000"},
    {&TalUnitConductivity::allUnits, "1", "Mho per centimeter", "Siemens per meter", "100"},
    {&TalUnitElectricFieldStrength::allUnits, "1", "Millivolt per meter", "Volt per meter", "0.001"},
    {&TalUnitMagneticFlux::allUnits, "1", "Maxwell", "Weber", "0.00000001"},
    {&TalUnitMagneticFlux::allUnits, "1", "Milliweber", "Maxwell", "100000"},
    {&TalUnitMagneticFluxDensity::allUnits, "1", "Gauss", "Tesla", "0.0001"},
    {&TalUnitMagneticFluxDensity::allUnits, "1", "Tesla", "Gamma", "1000000000"},
    {&TalUnitMagneticFluxDensity::allUnits, "1", "Gauss", "Microtesla", "100"},
    {&TalUnitMagneticFieldStrength::allUnits, "1", "Oersted", "Ampere per meter", "79.577471545947667884441881686257181016"},
    {&TalUnitMagnetomotiveForce::allUnits, "1", "Ampere", "Gilbert", "1.2566370614359172953850573533118011537"},
    {&TalUnitMagneticPermeability::allUnits, "1", "Henry per meter", "CGS permeability unit", "0.0000012566370614359172953850573533118011537"},
    {&TalUnitMagnetomotiveForce::allUnits, "15", "Ampere", "Gilbert", "18.849555921538759430775860299677017306"},  // ÷ coefficient: 18.849555921538759430775860299677017305
    {&TalUnitMagneticPermeability::allUnits, "15", "Tesla meter per ampere", "CGS permeability unit", "0.000018849555921538759430775860299677017306"},  // ÷ coefficient: 0.000018849555921538759430775860299677017305
};

// Targets without one: base value ÷ target coefficient.
const Conversion kGenericRoad[] = {
    {&TalUnitElectricCharge::allUnits, "7200", "Coulomb", "Ampere Hour", "2"},
    {&TalUnitElectricCharge::allUnits, "1", "Coulomb", "Ampere Hour", "0.00027777777777777777777777777777777777778"},
    {&TalUnitElectricCharge::allUnits, "1", "Kiloampere Hour", "Milliampere Hour", "1000000"},
    {&TalUnitConductivity::allUnits, "1", "Siemens per centimeter", "Millisiemens per meter", "100000"},
    {&TalUnitElectricFieldStrength::allUnits, "1", "Kilovolt per meter", "Newton per coulomb", "1000"},
    {&TalUnitElectricFieldStrength::allUnits, "1", "Volt per meter", "Microvolt per meter", "1000000"},
    {&TalUnitMagneticFieldStrength::allUnits, "1", "Kiloampere per meter", "Oersted", "12.566370614359172953850573533118011537"},
    {&TalUnitMagneticFieldStrength::allUnits, "1", "Oersted", "Ampere-turn per meter", "79.577471545947667884441881686257181016"},
    {&TalUnitMagneticMoment::allUnits, "1", "Electromagnetic unit", "Ampere square meter", "0.001"},
    {&TalUnitMagneticMoment::allUnits, "1", "Ampere square meter", "Electromagnetic unit", "1000"},
    {&TalUnitMagneticMoment::allUnits, "1", "Bohr magneton", "Joule per tesla", "9.274009994e-24"},
    {&TalUnitMagneticMoment::allUnits, "1", "Bohr magneton", "Nuclear magneton", "1836.1526738585445014916288142554251164"},
    {&TalUnitMagnetization::allUnits, "1", "Gauss", "Ampere per meter", "1000"},
    {&TalUnitMagnetization::allUnits, "1", "Electromagnetic unit per cubic centimeter", "Gauss", "1"},
    {&TalUnitMagnetization::allUnits, "1", "Ampere per meter", "Tesla per vacuum permeability", "1"},
    {&TalUnitMagnetomotiveForce::allUnits, "1", "Gilbert", "Ampere", "0.79577471545947667884441881686257181016"},
    {&TalUnitMagnetomotiveForce::allUnits, "4", "Gilbert", "Ampere-turn", "3.1830988618379067153776752674502872406"},
    {&TalUnitMagneticPermeability::allUnits, "1", "Vacuum permeability", "Henry per meter", "0.0000012566370614359172953850573533118011537"},
    {&TalUnitMagneticPermeability::allUnits, "1", "CGS permeability unit", "Newton per ampere squared", "795774.71545947667884441881686257181016"},
};

INSTANTIATE_TEST_SUITE_P(Electromagnetism, TheReciprocalRoad, ::testing::ValuesIn(kReciprocalRoad));
INSTANTIATE_TEST_SUITE_P(Electromagnetism, TheGenericRoad, ::testing::ValuesIn(kGenericRoad));

}  // namespace
}  // namespace tal
