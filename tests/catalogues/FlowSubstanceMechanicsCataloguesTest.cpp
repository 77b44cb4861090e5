// The flow, amount of substance, viscosity, rotation and other mechanics
// catalogues: every record field by field, conversions on both roads they
// take, and the keys some of their units share with other catalogues.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "TalFoundation/catalogues/TalUnitAmountOfSubstance.h"
#include "TalFoundation/catalogues/TalUnitAngularAcceleration.h"
#include "TalFoundation/catalogues/TalUnitAngularMomentum.h"
#include "TalFoundation/catalogues/TalUnitAngularVelocity.h"
#include "TalFoundation/catalogues/TalUnitArealDensity.h"
#include "TalFoundation/catalogues/TalUnitDynamicViscosity.h"
#include "TalFoundation/catalogues/TalUnitFrequency.h"
#include "TalFoundation/catalogues/TalUnitImpulse.h"
#include "TalFoundation/catalogues/TalUnitKinematicViscosity.h"
#include "TalFoundation/catalogues/TalUnitLinearDensity.h"
#include "TalFoundation/catalogues/TalUnitMassFlowRate.h"
#include "TalFoundation/catalogues/TalUnitMolarConcentration.h"
#include "TalFoundation/catalogues/TalUnitMolarFlowRate.h"
#include "TalFoundation/catalogues/TalUnitMomentOfInertia.h"
#include "TalFoundation/catalogues/TalUnitMomentum.h"
#include "TalFoundation/catalogues/TalUnitSurfaceTension.h"
#include "TalFoundation/catalogues/TalUnitVolumetricFlowRate.h"
#include "TalFoundation/units/TalMeasurement.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"
#include "tests/catalogues/CatalogueExpectations.h"

namespace tal {
namespace {

using namespace tal::testing;

// TalUnitVolumetricFlowRate: category volumetricFlowRate, raw value "volumetricflowrate".
constexpr ExpectedUnit kVolumetricFlowRate[] = {
    {.name = "Cubic Meter per Second", .symbol = "m³/s", .coefficient = "1", .baseNumerator = "1", .isBase = true},
    {.name = "Cubic Meter per Hour", .symbol = "m³/h", .coefficient = "0.00027777777777777777777777777777777777778", .baseNumerator = "3600"},
    {.name = "Liter per Second", .symbol = "L/s", .coefficient = "0.001", .baseNumerator = "1000"},
    {.name = "Liter per Minute", .symbol = "L/min", .coefficient = "0.000016666666666666666666666666666666666667", .baseNumerator = "60000"},
    {.name = "Liter per Hour", .symbol = "L/h", .coefficient = "2.7777777777777777777777777777777777778E-7", .baseNumerator = "3600000"},
    {.name = "Milliliter per Minute", .symbol = "mL/min", .coefficient = "1.6666666666666666666666666666666666667E-8", .baseNumerator = "60000000"},
    {.name = "US Gallon per Minute", .symbol = "US gal/min", .coefficient = "0.0000630901964"},
    {.name = "Imperial Gallon per Minute", .symbol = "imp gal/min", .coefficient = "0.000075768166666666666666666666666666666667"},
    {.name = "US Gallon per Hour", .symbol = "US gal/h", .coefficient = "0.0000010515032733333333333333333333333333333"},
    {.name = "Imperial Gallon per Hour", .symbol = "imp gal/h", .coefficient = "0.0000012628027777777777777777777777777777778"},
    {.name = "Cubic Foot per Minute", .symbol = "ft³/min", .coefficient = "0.0004719474432"},
    {.name = "Barrel per Day", .symbol = "bbl/d", .coefficient = "0.0000018401307283333333333333333333333333333"},
    {.name = "Thousand Barrels per Day", .symbol = "Mb/d", .coefficient = "0.0018401307283333333333333333333333333333"},
    {.name = "Million Barrels per Day", .symbol = "MMb/d", .coefficient = "1.8401307283333333333333333333333333333"},
};

// TalUnitMassFlowRate: category massFlowRate, raw value "massflowrate".
constexpr ExpectedUnit kMassFlowRate[] = {
    {.name = "Kilogram per second", .symbol = "kg/s", .coefficient = "1", .baseNumerator = "1", .isBase = true},
    {.name = "Kilogram per minute", .symbol = "kg/min", .coefficient = "0.016666666666666666666666666666666666667"},
    {.name = "Kilogram per hour", .symbol = "kg/h", .coefficient = "0.00027777777777777777777777777777777777778"},
    {.name = "Tonne per hour", .symbol = "t/h", .coefficient = "0.27777777777777777777777777777777777778"},
    {.name = "Pound per second", .symbol = "lb/s", .coefficient = "0.45359237"},
    {.name = "Pound per minute", .symbol = "lb/min", .coefficient = "0.0075598728333333333333333333333333333333"},
    {.name = "Pound per hour", .symbol = "lb/h", .coefficient = "0.00012599788055555555555555555555555555556"},
};

// TalUnitMolarFlowRate: category molarFlowRate, raw value "molarflowrate".
constexpr ExpectedUnit kMolarFlowRate[] = {
    {.name = "Mole per second", .symbol = "mol/s", .coefficient = "1", .baseNumerator = "1", .isBase = true},
    {.name = "Kilomole per second", .symbol = "kmol/s", .coefficient = "1000"},
    {.name = "Mole per minute", .symbol = "mol/min", .coefficient = "0.016666666666666666666666666666666666667"},
    {.name = "Kilomole per hour", .symbol = "kmol/h", .coefficient = "0.27777777777777777777777777777777777778"},
    {.name = "Pound-mole per hour", .symbol = "lb-mol/h", .coefficient = "0.12599788055555555555555555555555555556"},
};

// TalUnitAmountOfSubstance: category amountOfSubstance, raw value "amountofsubstance".
constexpr ExpectedUnit kAmountOfSubstance[] = {
    {.name = "Mole", .symbol = "mol", .coefficient = "1.0", .baseNumerator = "1.0", .isBase = true},
    {.name = "Kilomole", .symbol = "kmol", .coefficient = "1000", .baseNumerator = "0.001"},
    {.name = "Millimole", .symbol = "mmol", .coefficient = "0.001", .baseNumerator = "1000"},
    {.name = "Micromole", .symbol = "μmol", .coefficient = "0.000001", .baseNumerator = "1000000"},
    {.name = "Pound-Mole", .symbol = "lb-mol", .coefficient = "453.59237"},
};

// TalUnitMolarConcentration: category molarConcentration, raw value "molarconcentration".
constexpr ExpectedUnit kMolarConcentration[] = {
    {.name = "Mole per liter", .symbol = "mol/L", .coefficient = "1", .baseNumerator = "1", .isBase = true},
    {.name = "Millimole per liter", .symbol = "mmol/L", .coefficient = "0.001"},
    {.name = "Micromole per liter", .symbol = "μmol/L", .coefficient = "0.000001"},
    {.name = "Mole per cubic meter", .symbol = "mol/m³", .coefficient = "0.001"},
    {.name = "Kilomole per cubic meter", .symbol = "kmol/m³", .coefficient = "1"},
};

// TalUnitDynamicViscosity: category dynamicViscosity, raw value "dynamicviscosity".
constexpr ExpectedUnit kDynamicViscosity[] = {
    {.name = "Pascal second", .symbol = "Pa·s", .coefficient = "1", .isBase = true},
    {.name = "Millipascal second", .symbol = "mPa·s", .coefficient = "0.001"},
    {.name = "Poise", .symbol = "P", .coefficient = "0.1"},
    {.name = "Centipoise", .symbol = "cP", .coefficient = "0.001"},
    {.name = "Kilogram-force second per square meter", .symbol = "kgf·s/m²", .coefficient = "9.80665"},
    {.name = "Pound-force second per square foot", .symbol = "lbf·s/ft²", .coefficient = "47.880258980335842616129676703797852040"},
};

// TalUnitKinematicViscosity: category kinematicViscosity, raw value "kinematicviscosity".
constexpr ExpectedUnit kKinematicViscosity[] = {
    {.name = "Square meter per second", .symbol = "m²/s", .coefficient = "1", .baseNumerator = "1", .isBase = true},
    {.name = "Square millimeter per second", .symbol = "mm²/s", .coefficient = "0.000001", .baseNumerator = "1000000"},
    {.name = "Stokes", .symbol = "St", .coefficient = "0.0001", .baseNumerator = "10000"},
    {.name = "Centistokes", .symbol = "cSt", .coefficient = "0.000001", .baseNumerator = "1000000"},
    {.name = "Square foot per second", .symbol = "ft²/s", .coefficient = "0.09290304"},
};

// TalUnitAngularVelocity: category angularVelocity, raw value "angularvelocity".
constexpr ExpectedUnit kAngularVelocity[] = {
    {.name = "Radian per Second", .symbol = "rad/s", .coefficient = "1.0", .baseNumerator = "1.0", .isBase = true},
    {.name = "Radian per Minute", .symbol = "rad/min", .coefficient = "0.016666666666666666666666666666666666667", .baseNumerator = "60"},
    {.name = "Degree per Second", .symbol = "°/s", .coefficient = "0.017453292519943295769236907684886127134"},
    {.name = "Degree per Minute", .symbol = "°/min", .coefficient = "0.00029088820866572159615394846141476878557"},
    {.name = "Revolution per Second", .symbol = "rps", .coefficient = "6.2831853071795864769252867665590057684", .key = "unit_share_rps"},
    {.name = "Revolution per Minute", .symbol = "rpm", .coefficient = "0.10471975511965977461542144610931676281", .key = "unit_share_rpm"},
    {.name = "Revolution per Millisecond", .symbol = "r/ms", .coefficient = "6283.1853071795864769252867665590057684", .key = "unit_share_r/ms"},
    {.name = "Revolution per Hour", .symbol = "rph", .coefficient = "0.0017453292519943295769236907684886127134", .key = "unit_share_rph"},
};

// TalUnitAngularAcceleration: category angularAcceleration, raw value "angularacceleration".
constexpr ExpectedUnit kAngularAcceleration[] = {
    {.name = "Radian per second squared", .symbol = "rad/s²", .coefficient = "1", .baseNumerator = "1", .isBase = true},
    {.name = "Degree per second squared", .symbol = "°/s²", .coefficient = "0.017453292519943295769236907684886127134"},
    {.name = "Revolution per second squared", .symbol = "rps²", .coefficient = "6.2831853071795864769252867665590057684"},
    {.name = "Revolution per minute squared", .symbol = "rpm²", .coefficient = "0.0017453292519943295769236907684886127134"},
};

// TalUnitAngularMomentum: category angularMomentum, raw value "angularmomentum".
constexpr ExpectedUnit kAngularMomentum[] = {
    {.name = "Kilogram meter squared per second", .symbol = "kg·m²/s", .coefficient = "1", .isBase = true},
    {.name = "Joule second", .symbol = "J·s", .coefficient = "1"},
    {.name = "Gram centimeter squared per second", .symbol = "g·cm²/s", .coefficient = "1E-7"},
    {.name = "Pound foot squared per second", .symbol = "lb·ft²/s", .coefficient = "0.0421401100938048"},
    {.name = "Pound inch squared per second", .symbol = "lb·in²/s", .coefficient = "0.0002926396534292"},
};

// TalUnitMomentOfInertia: category momentOfInertia, raw value "momentofinertia".
constexpr ExpectedUnit kMomentOfInertia[] = {
    {.name = "Kilogram square meter", .symbol = "kg·m²", .coefficient = "1", .baseNumerator = "1", .isBase = true},
    {.name = "Gram square centimeter", .symbol = "g·cm²", .coefficient = "1E-7"},
    {.name = "Kilogram-force meter second squared", .symbol = "kgf·m·s²", .coefficient = "9.80665"},
    {.name = "Pound square foot", .symbol = "lb·ft²", .coefficient = "0.0421401100938048"},
    {.name = "Pound square inch", .symbol = "lb·in²", .coefficient = "0.0002926396534292"},
    {.name = "Ounce square inch", .symbol = "oz·in²", .coefficient = "0.00001828997833932500"},
};

// TalUnitMomentum: category momentum, raw value "momentum".
constexpr ExpectedUnit kMomentum[] = {
    {.name = "Kilogram meter per second", .symbol = "kg·m/s", .coefficient = "1", .isBase = true, .key = "unit_share_kg·m/s"},
    {.name = "Newton second", .symbol = "N·s", .coefficient = "1", .key = "unit_share_N·s"},
    {.name = "Gram centimeter per second", .symbol = "g·cm/s", .coefficient = "0.00001"},
    {.name = "Pound foot per second", .symbol = "lb·ft/s", .coefficient = "0.138254954376"},
};

// TalUnitImpulse: category impulse, raw value "impulse".
constexpr ExpectedUnit kImpulse[] = {
    {.name = "Newton second", .symbol = "N·s", .coefficient = "1", .isBase = true, .key = "unit_share_N·s"},
    {.name = "Kilogram meter per second", .symbol = "kg·m/s", .coefficient = "1", .key = "unit_share_kg·m/s"},
    {.name = "Dyne second", .symbol = "dyn·s", .coefficient = "0.00001"},
    {.name = "Pound-force second", .symbol = "lbf·s", .coefficient = "4.4482216152605"},
};

// TalUnitSurfaceTension: category surfaceTension, raw value "surfacetension".
constexpr ExpectedUnit kSurfaceTension[] = {
    {.name = "Newton per meter", .symbol = "N/m", .coefficient = "1", .baseNumerator = "1", .isBase = true},
    {.name = "Millinewton per meter", .symbol = "mN/m", .coefficient = "0.001"},
    {.name = "Dyne per centimeter", .symbol = "dyn/cm", .coefficient = "0.001"},
    {.name = "Gram-force per centimeter", .symbol = "gf/cm", .coefficient = "0.980665"},
    {.name = "Pound-force per foot", .symbol = "lbf/ft", .coefficient = "14.593902937206364829396325459317585302"},
    {.name = "Erg per square centimeter", .symbol = "erg/cm²", .coefficient = "0.001"},
};

// TalUnitLinearDensity: category linearDensity, raw value "lineardensity".
constexpr ExpectedUnit kLinearDensity[] = {
    {.name = "Kilogram per meter", .symbol = "kg/m", .coefficient = "1", .baseNumerator = "1", .isBase = true},
    {.name = "Gram per meter", .symbol = "g/m", .coefficient = "0.001"},
    {.name = "Tex", .symbol = "tex", .coefficient = "0.000001"},
    {.name = "Decitex", .symbol = "dtex", .coefficient = "1E-7"},
    {.name = "Denier", .symbol = "den", .coefficient = "1.1111111111111111111111111111111111111E-7"},
    {.name = "Pound per foot", .symbol = "lb/ft", .coefficient = "1.4881639435695538057742782152230971129"},
};

// TalUnitArealDensity: category arealDensity, raw value "arealdensity".
constexpr ExpectedUnit kArealDensity[] = {
    {.name = "Kilogram per square meter", .symbol = "kg/m²", .coefficient = "1", .baseNumerator = "1", .isBase = true},
    {.name = "Gram per square meter", .symbol = "g/m²", .coefficient = "0.001", .baseNumerator = "1000"},
    {.name = "Gram per square centimeter", .symbol = "g/cm²", .coefficient = "10", .baseNumerator = "0.1"},
    {.name = "Milligram per square centimeter", .symbol = "mg/cm²", .coefficient = "0.01", .baseNumerator = "100"},
    {.name = "Kilogram per square millimeter", .symbol = "kg/mm²", .coefficient = "1000000", .baseNumerator = "0.000001"},
    {.name = "Pound per square foot", .symbol = "lb/ft²", .coefficient = "4.8824276363830505438788655355088487955"},
    {.name = "Pound per square inch", .symbol = "lb/in²", .coefficient = "703.06957963915927831855663711327422655"},
    {.name = "Ounce per square foot", .symbol = "oz/ft²", .coefficient = "0.30515172727394065899242909596930304972"},
    {.name = "Ounce per square inch", .symbol = "oz/in²", .coefficient = "43.941848727447454894909789819579639159"},
};

const Catalogue kCatalogues[] = {
    {"VolumetricFlowRate", &TalUnitVolumetricFlowRate::allUnits, TalUnitVolumetricFlowRate{}.category(), TalUnitCategory::volumetricFlowRate, "volumetricflowrate", kVolumetricFlowRate},
    {"MassFlowRate", &TalUnitMassFlowRate::allUnits, TalUnitMassFlowRate{}.category(), TalUnitCategory::massFlowRate, "massflowrate", kMassFlowRate},
    {"MolarFlowRate", &TalUnitMolarFlowRate::allUnits, TalUnitMolarFlowRate{}.category(), TalUnitCategory::molarFlowRate, "molarflowrate", kMolarFlowRate},
    {"AmountOfSubstance", &TalUnitAmountOfSubstance::allUnits, TalUnitAmountOfSubstance{}.category(), TalUnitCategory::amountOfSubstance, "amountofsubstance", kAmountOfSubstance},
    {"MolarConcentration", &TalUnitMolarConcentration::allUnits, TalUnitMolarConcentration{}.category(), TalUnitCategory::molarConcentration, "molarconcentration", kMolarConcentration},
    {"DynamicViscosity", &TalUnitDynamicViscosity::allUnits, TalUnitDynamicViscosity{}.category(), TalUnitCategory::dynamicViscosity, "dynamicviscosity", kDynamicViscosity},
    {"KinematicViscosity", &TalUnitKinematicViscosity::allUnits, TalUnitKinematicViscosity{}.category(), TalUnitCategory::kinematicViscosity, "kinematicviscosity", kKinematicViscosity},
    {"AngularVelocity", &TalUnitAngularVelocity::allUnits, TalUnitAngularVelocity{}.category(), TalUnitCategory::angularVelocity, "angularvelocity", kAngularVelocity},
    {"AngularAcceleration", &TalUnitAngularAcceleration::allUnits, TalUnitAngularAcceleration{}.category(), TalUnitCategory::angularAcceleration, "angularacceleration", kAngularAcceleration},
    {"AngularMomentum", &TalUnitAngularMomentum::allUnits, TalUnitAngularMomentum{}.category(), TalUnitCategory::angularMomentum, "angularmomentum", kAngularMomentum},
    {"MomentOfInertia", &TalUnitMomentOfInertia::allUnits, TalUnitMomentOfInertia{}.category(), TalUnitCategory::momentOfInertia, "momentofinertia", kMomentOfInertia},
    {"Momentum", &TalUnitMomentum::allUnits, TalUnitMomentum{}.category(), TalUnitCategory::momentum, "momentum", kMomentum},
    {"Impulse", &TalUnitImpulse::allUnits, TalUnitImpulse{}.category(), TalUnitCategory::impulse, "impulse", kImpulse},
    {"SurfaceTension", &TalUnitSurfaceTension::allUnits, TalUnitSurfaceTension{}.category(), TalUnitCategory::surfaceTension, "surfacetension", kSurfaceTension},
    {"LinearDensity", &TalUnitLinearDensity::allUnits, TalUnitLinearDensity{}.category(), TalUnitCategory::linearDensity, "lineardensity", kLinearDensity},
    {"ArealDensity", &TalUnitArealDensity::allUnits, TalUnitArealDensity{}.category(), TalUnitCategory::arealDensity, "arealdensity", kArealDensity},
};

INSTANTIATE_TEST_SUITE_P(FlowSubstanceMechanics, EachCatalogue, ::testing::ValuesIn(kCatalogues), namedAfterTheCatalogue);

// Targets with a base numerator: the result is base value × base numerator.
const Conversion kReciprocalRoad[] = {
    {&TalUnitVolumetricFlowRate::allUnits, "1", "Liter per Second", "Cubic Meter per Second", "0.001"},
    {&TalUnitVolumetricFlowRate::allUnits, "1", "Cubic Meter per Hour", "Cubic Meter per Second", "0.00027777777777777777777777777777777777778"},
    {&TalUnitVolumetricFlowRate::allUnits, "1", "Cubic Meter per Second", "Cubic Meter per Hour", "3600"},
    {&TalUnitVolumetricFlowRate::allUnits, "1", "US Gallon per Minute", "Liter per Minute", "3.7854117840000"},
    // 42 US gallons a day, 158.987294928 L ÷ 24 h: the rounded rate shows.
    {&TalUnitVolumetricFlowRate::allUnits, "1", "Barrel per Day", "Liter per Hour", "6.6244706219999999999999999999999999999"},
    // The source's rounded factor shows through the target's base numerator.
    {&TalUnitVolumetricFlowRate::allUnits, "2.5", "Liter per Minute", "Milliliter per Minute", "2500.0000000000000000000000000000000001"},
    {&TalUnitMassFlowRate::allUnits, "1", "Pound per second", "Kilogram per second", "0.45359237"},
    {&TalUnitMassFlowRate::allUnits, "1", "Tonne per hour", "Kilogram per second", "0.27777777777777777777777777777777777778"},
    {&TalUnitMolarFlowRate::allUnits, "1", "Kilomole per second", "Mole per second", "1000"},
    {&TalUnitMolarFlowRate::allUnits, "1", "Pound-mole per hour", "Mole per second", "0.12599788055555555555555555555555555556"},
    {&TalUnitAmountOfSubstance::allUnits, "1", "Pound-Mole", "Mole", "453.592370"},
    {&TalUnitAmountOfSubstance::allUnits, "1", "Pound-Mole", "Kilomole", "0.45359237"},
    // Same-size units under other names and symbols convert 1 to 1.
    {&TalUnitMolarConcentration::allUnits, "1", "Kilomole per cubic meter", "Mole per liter", "1"},
    {&TalUnitKinematicViscosity::allUnits, "1", "Stokes", "Square meter per second", "0.0001"},
    {&TalUnitKinematicViscosity::allUnits, "1", "Square foot per second", "Centistokes", "92903.04000000"},
    {&TalUnitKinematicViscosity::allUnits, "1", "Centistokes", "Square millimeter per second", "1.000000"},
    {&TalUnitAngularVelocity::allUnits, "1", "Revolution per Second", "Radian per Second", "6.2831853071795864769252867665590057684"},
    {&TalUnitAngularVelocity::allUnits, "1", "Revolution per Minute", "Radian per Minute", "6.2831853071795864769252867665590057686"},
    {&TalUnitAngularVelocity::allUnits, "1", "Degree per Second", "Radian per Minute", "1.0471975511965977461542144610931676280"},
    {&TalUnitAngularAcceleration::allUnits, "1", "Revolution per second squared", "Radian per second squared", "6.2831853071795864769252867665590057684"},
    {&TalUnitMomentOfInertia::allUnits, "1", "Pound square foot", "Kilogram square meter", "0.0421401100938048"},
    {&TalUnitMomentOfInertia::allUnits, "1", "Kilogram-force meter second squared", "Kilogram square meter", "9.80665"},
    {&TalUnitSurfaceTension::allUnits, "1", "Pound-force per foot", "Newton per meter", "14.593902937206364829396325459317585302"},
    // A force per length: a thousandth of a kilogram-force per centimetre.
    {&TalUnitSurfaceTension::allUnits, "1", "Gram-force per centimeter", "Newton per meter", "0.980665"},
    {&TalUnitLinearDensity::allUnits, "1", "Pound per foot", "Kilogram per meter", "1.4881639435695538057742782152230971129"},
    {&TalUnitLinearDensity::allUnits, "1", "Denier", "Kilogram per meter", "1.1111111111111111111111111111111111111E-7"},
    {&TalUnitArealDensity::allUnits, "1", "Pound per square foot", "Gram per square meter", "4882.4276363830505438788655355088487955"},
    {&TalUnitArealDensity::allUnits, "1", "Ounce per square inch", "Kilogram per square meter", "43.941848727447454894909789819579639159"},
    {&TalUnitArealDensity::allUnits, "1", "Kilogram per square millimeter", "Gram per square centimeter", "100000.0"},
};

// Targets without one: base value ÷ target coefficient.
const Conversion kGenericRoad[] = {
    {&TalUnitVolumetricFlowRate::allUnits, "1", "Thousand Barrels per Day", "Barrel per Day", "1000"},
    {&TalUnitVolumetricFlowRate::allUnits, "1", "Cubic Foot per Minute", "US Gallon per Minute", "7.4805194805194805194805194805194805195"},
    {&TalUnitVolumetricFlowRate::allUnits, "1", "Imperial Gallon per Hour", "US Gallon per Hour", "1.2009499255048549296744092346281975859"},
    // Both rates are rounded quotients; their ratio keeps the trace.
    {&TalUnitVolumetricFlowRate::allUnits, "1", "US Gallon per Minute", "US Gallon per Hour", "60.000000000000000000000000000000000002"},
    {&TalUnitMassFlowRate::allUnits, "1", "Kilogram per second", "Kilogram per hour", "3600.0000000000000000000000000000000000"},
    {&TalUnitMassFlowRate::allUnits, "1", "Pound per minute", "Pound per hour", "59.999999999999999999999999999999999998"},
    {&TalUnitMassFlowRate::allUnits, "1", "Kilogram per minute", "Pound per minute", "2.2046226218487758072297380134502703386"},
    {&TalUnitMolarFlowRate::allUnits, "1", "Kilomole per hour", "Mole per minute", "16.666666666666666666666666666666666666"},
    {&TalUnitMolarFlowRate::allUnits, "1", "Pound-mole per hour", "Kilomole per hour", "0.45359237000000000000000000000000000001"},
    {&TalUnitAmountOfSubstance::allUnits, "1", "Mole", "Pound-Mole", "0.0022046226218487758072297380134502703385"},
    {&TalUnitMolarConcentration::allUnits, "1", "Mole per liter", "Millimole per liter", "1000"},
    {&TalUnitMolarConcentration::allUnits, "1", "Mole per cubic meter", "Micromole per liter", "1000"},
    // Same-size units under other names and symbols convert 1 to 1.
    {&TalUnitMolarConcentration::allUnits, "1", "Millimole per liter", "Mole per cubic meter", "1"},
    {&TalUnitDynamicViscosity::allUnits, "1", "Poise", "Pascal second", "0.1"},
    {&TalUnitDynamicViscosity::allUnits, "1", "Pascal second", "Centipoise", "1000"},
    {&TalUnitDynamicViscosity::allUnits, "1", "Millipascal second", "Centipoise", "1"},
    {&TalUnitDynamicViscosity::allUnits, "1", "Pound-force second per square foot", "Pascal second", "47.880258980335842616129676703797852040"},
    {&TalUnitDynamicViscosity::allUnits, "1", "Kilogram-force second per square meter", "Poise", "98.0665"},
    {&TalUnitKinematicViscosity::allUnits, "1", "Square meter per second", "Square foot per second", "10.763910416709722308333505555900000689"},
    // 2π ÷ (π ÷ 30): the rounded quotient leaves its trace.
    {&TalUnitAngularVelocity::allUnits, "1", "Revolution per Second", "Revolution per Minute", "59.999999999999999999999999999999999998"},
    {&TalUnitAngularVelocity::allUnits, "1", "Revolution per Hour", "Degree per Minute", "5.9999999999999999999999999999999999999"},
    {&TalUnitAngularVelocity::allUnits, "1", "Radian per Second", "Degree per Second", "57.295779513082320876798154814105170334"},
    {&TalUnitAngularAcceleration::allUnits, "1", "Revolution per second squared", "Degree per second squared", "360.00000000000000000000000000000000001"},
    {&TalUnitAngularAcceleration::allUnits, "1", "Radian per second squared", "Revolution per minute squared", "572.95779513082320876798154814105170334"},
    {&TalUnitAngularMomentum::allUnits, "1", "Joule second", "Kilogram meter squared per second", "1"},
    {&TalUnitAngularMomentum::allUnits, "1", "Pound foot squared per second", "Pound inch squared per second", "144"},
    {&TalUnitAngularMomentum::allUnits, "1", "Kilogram meter squared per second", "Gram centimeter squared per second", "10000000"},
    {&TalUnitMomentOfInertia::allUnits, "1", "Pound square foot", "Pound square inch", "144"},
    {&TalUnitMomentOfInertia::allUnits, "1", "Pound square inch", "Ounce square inch", "16"},
    {&TalUnitMomentum::allUnits, "1", "Newton second", "Kilogram meter per second", "1"},
    {&TalUnitMomentum::allUnits, "1", "Pound foot per second", "Kilogram meter per second", "0.138254954376"},
    {&TalUnitMomentum::allUnits, "1", "Kilogram meter per second", "Gram centimeter per second", "100000"},
    {&TalUnitImpulse::allUnits, "1", "Pound-force second", "Newton second", "4.4482216152605"},
    {&TalUnitImpulse::allUnits, "1", "Kilogram meter per second", "Newton second", "1"},
    {&TalUnitImpulse::allUnits, "1", "Newton second", "Dyne second", "100000"},
    {&TalUnitSurfaceTension::allUnits, "1", "Dyne per centimeter", "Erg per square centimeter", "1"},
    {&TalUnitSurfaceTension::allUnits, "1", "Gram-force per centimeter", "Dyne per centimeter", "980.665"},
    {&TalUnitLinearDensity::allUnits, "1", "Tex", "Denier", "9.0000000000000000000000000000000000001"},
    {&TalUnitLinearDensity::allUnits, "1", "Tex", "Decitex", "10"},
    {&TalUnitArealDensity::allUnits, "1", "Pound per square inch", "Pound per square foot", "144.00000000000000000000000000000000000"},
    {&TalUnitArealDensity::allUnits, "1", "Kilogram per square meter", "Pound per square inch", "0.0014223343307119561997923377767575764116"},
};

INSTANTIATE_TEST_SUITE_P(FlowSubstanceMechanics, TheReciprocalRoad, ::testing::ValuesIn(kReciprocalRoad));
INSTANTIATE_TEST_SUITE_P(FlowSubstanceMechanics, TheGenericRoad, ::testing::ValuesIn(kGenericRoad));

// Each call builds a fresh list from the same records: the lists agree field
// by field, and a caller's change to one reaches no later call.
TEST(FlowSubstanceMechanicsCatalogues, ListsAreIndependentCopies) {
  for (const Catalogue& c : kCatalogues) {
    auto first = c.allUnits();
    const auto second = c.allUnits();
    ASSERT_EQ(first.size(), second.size()) << c.name;
    for (std::size_t i = 0; i < first.size(); ++i) {
      EXPECT_EQ(first[i].id(), second[i].id()) << c.name;
      EXPECT_EQ(first[i].name(), second[i].name()) << c.name;
      EXPECT_EQ(first[i].coefficient(), second[i].coefficient()) << c.name;
      EXPECT_EQ(first[i].baseNumerator(), second[i].baseNumerator()) << c.name;
      EXPECT_EQ(first[i].isBaseUnit(), second[i].isBaseUnit()) << c.name;
      EXPECT_EQ(first[i].localizationKey(), second[i].localizationKey()) << c.name;
    }
    first.erase(first.begin());
    EXPECT_EQ(c.allUnits().size(), c.rows.size()) << c.name;
    EXPECT_EQ(c.allUnits().front().name(), c.rows.front().name) << c.name;
  }
}

// The registry reaches each of these catalogues through its category, and
// the category's default unit is the catalogue's base unit.
TEST(FlowSubstanceMechanicsCatalogues, TheRegistryHandsOutEachCatalogueAndItsBaseUnit) {
  for (const Catalogue& c : kCatalogues) {
    const std::vector<TalUnit> units = c.allUnits();
    EXPECT_EQ(c.expected.getUnits(), units) << c.name;
    const auto base = std::find_if(units.begin(), units.end(), [](const TalUnit& u) { return u.isBaseUnit(); });
    ASSERT_NE(base, units.end()) << c.name;
    EXPECT_EQ(c.expected.defaultUnit(), std::optional<TalUnit>(*base)) << c.name;
  }
}

// Impulse and momentum list the newton second and the kilogram metre per
// second, each the other's base unit. Both carry one shared key per unit, yet
// the records belong to their own category and do not convert across.
TEST(ImpulseAndMomentum, ShareKeysButStayApart) {
  const std::vector<TalUnit> impulse = TalUnitImpulse::allUnits();
  const std::vector<TalUnit> momentum = TalUnitMomentum::allUnits();
  for (const std::string_view name : {"Newton second", "Kilogram meter per second"}) {
    const auto a = unitNamed(impulse, name);
    const auto b = unitNamed(momentum, name);
    ASSERT_TRUE(a && b) << name;
    EXPECT_EQ(a->symbol(), b->symbol()) << name;
    EXPECT_EQ(a->localizationKey(), b->localizationKey()) << name;
    EXPECT_EQ(a->localizationKey(), "unit_share_" + a->symbol()) << name;
    EXPECT_NE(a->id(), b->id()) << name;
    EXPECT_NE(*a, *b) << name;
    EXPECT_FALSE(TalMeasurement::convert(Decimal(1), *a, *b).has_value()) << name;
  }
}

// The four revolution rates appear as frequencies too, under the same names
// and keys; a change to either side must reach the other.
TEST(AngularVelocity, RevolutionRatesShareTheirKeysWithFrequency) {
  const std::vector<TalUnit> angular = TalUnitAngularVelocity::allUnits();
  const std::vector<TalUnit> frequency = TalUnitFrequency::allUnits();
  for (const std::string_view symbol : {"rps", "rpm", "r/ms", "rph"}) {
    const auto byAngular = std::find_if(angular.begin(), angular.end(), [&](const TalUnit& u) { return u.symbol() == symbol; });
    const auto byFrequency =
        std::find_if(frequency.begin(), frequency.end(), [&](const TalUnit& u) { return u.symbol() == symbol; });
    ASSERT_NE(byAngular, angular.end()) << symbol;
    ASSERT_NE(byFrequency, frequency.end()) << symbol;
    EXPECT_EQ(byAngular->name(), byFrequency->name()) << symbol;
    EXPECT_EQ(byAngular->localizationKey(), byFrequency->localizationKey()) << symbol;
  }
}

}  // namespace
}  // namespace tal
