// The thermal catalogues: every record field by field, conversions on both
// roads they take, and the degree steps that must stay interchangeable.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "TalFoundation/catalogues/TalUnitEnthalpy.h"
#include "TalFoundation/catalogues/TalUnitEntropy.h"
#include "TalFoundation/catalogues/TalUnitHeatCapacity.h"
#include "TalFoundation/catalogues/TalUnitHeatTransferCoefficient.h"
#include "TalFoundation/catalogues/TalUnitSpecificHeatCapacity.h"
#include "TalFoundation/catalogues/TalUnitThermalConductivity.h"
#include "TalFoundation/catalogues/TalUnitThermalDiffusivity.h"
#include "TalFoundation/catalogues/TalUnitThermalResistance.h"
#include "TalFoundation/units/TalMeasurement.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"
#include "tests/catalogues/CatalogueExpectations.h"

namespace tal {
namespace {

using namespace tal::testing;

// TalUnitSpecificHeatCapacity: category specificHeatCapacity, raw value "specificheatcapacity".
// The BTU per pound-kelvin rows go × 9/5 ÷ 9/5; the per-pound quotient 1 ÷ 0.45359237 is rounded first.
constexpr ExpectedUnit kSpecificHeatCapacity[] = {
    {.name = "Joule per kilogram-kelvin", .symbol = "J/(kg·K)", .coefficient = "1", .isBase = true},
    {.name = "Joule per kilogram-°C", .symbol = "J/(kg·°C)", .coefficient = "1"},
    {.name = "Joule per gram-kelvin", .symbol = "J/(g·K)", .coefficient = "1000"},
    {.name = "Joule per gram-°C", .symbol = "J/(g·°C)", .coefficient = "1000"},
    {.name = "Kilojoule per kilogram-kelvin", .symbol = "kJ/(kg·K)", .coefficient = "1000"},
    {.name = "Kilojoule per kilogram-°C", .symbol = "kJ/(kg·°C)", .coefficient = "1000"},
    {.name = "Kilogram-force meter per kilogram-kelvin", .symbol = "kgf·m/(kg·K)", .coefficient = "9.80665"},
    {.name = "Pound-force foot per pound-°R", .symbol = "lbf·ft/(lb·°R)", .coefficient = "5.3803204546848969262864805243527354747"},
    {.name = "Calorie (IT) per kilogram-kelvin", .symbol = "cal_IT/(kg·K)", .coefficient = "4.1868"},
    {.name = "Calorie (IT) per kilogram-°C", .symbol = "cal_IT/(kg·°C)", .coefficient = "4.1868"},
    {.name = "Calorie (IT) per gram-kelvin", .symbol = "cal_IT/(g·K)", .coefficient = "4186.8"},
    {.name = "Calorie (IT) per gram-°C", .symbol = "cal_IT/(g·°C)", .coefficient = "4186.8"},
    {.name = "Calorie (IT) per gram-°F", .symbol = "cal_IT/(g·°F)", .coefficient = "4186.8"},
    {.name = "Kilocalorie (IT) per kilogram-kelvin", .symbol = "kcal_IT/(kg·K)", .coefficient = "4186.8"},
    {.name = "Kilocalorie (IT) per kilogram-°C", .symbol = "kcal_IT/(kg·°C)", .coefficient = "4186.8"},
    {.name = "BTU (IT) per pound-kelvin", .symbol = "BTU_IT/(lb·K)", .coefficient = "2326"},
    {.name = "BTU (IT) per pound-°C", .symbol = "BTU_IT/(lb·°C)", .coefficient = "2326"},
    {.name = "BTU (IT) per pound-°F", .symbol = "BTU_IT/(lb·°F)", .coefficient = "4186.8"},
    {.name = "BTU (IT) per pound-°R", .symbol = "BTU_IT/(lb·°R)", .coefficient = "4186.8"},
    {.name = "Calorie (th) per kilogram-kelvin", .symbol = "cal_th/(kg·K)", .coefficient = "4.184"},
    {.name = "Calorie (th) per kilogram-°C", .symbol = "cal_th/(kg·°C)", .coefficient = "4.184"},
    {.name = "Calorie (th) per gram-kelvin", .symbol = "cal_th/(g·K)", .coefficient = "4184"},
    {.name = "Calorie (th) per gram-°C", .symbol = "cal_th/(g·°C)", .coefficient = "4184"},
    {.name = "Calorie (th) per gram-°F", .symbol = "cal_th/(g·°F)", .coefficient = "4184"},
    {.name = "Kilocalorie (th) per kilogram-kelvin", .symbol = "kcal_th/(kg·K)", .coefficient = "4184"},
    {.name = "Kilocalorie (th) per kilogram-°C", .symbol = "kcal_th/(kg·°C)", .coefficient = "4184"},
    {.name = "BTU (th) per pound-kelvin", .symbol = "BTU_th/(lb·K)", .coefficient = "2324.4444443366628940429487383132128082"},
    {.name = "BTU (th) per pound-°C", .symbol = "BTU_th/(lb·°C)", .coefficient = "2324.4444443366628940429487383132128082"},
    {.name = "BTU (th) per pound-°F", .symbol = "BTU_th/(lb·°F)", .coefficient = "4183.9999998059932092773077289637830548"},
    {.name = "BTU (th) per pound-°R", .symbol = "BTU_th/(lb·°R)", .coefficient = "4183.9999998059932092773077289637830548"},
    {.name = "Calorie (15°C) per kilogram-kelvin", .symbol = "cal_15/(kg·K)", .coefficient = "4.1855", .numsInName = "15", .numsInSymbol = "15"},
    {.name = "Calorie (15°C) per kilogram-°C", .symbol = "cal_15/(kg·°C)", .coefficient = "4.1855", .numsInName = "15", .numsInSymbol = "15"},
    {.name = "Calorie (15°C) per gram-kelvin", .symbol = "cal_15/(g·K)", .coefficient = "4185.5", .numsInName = "15", .numsInSymbol = "15"},
    {.name = "Calorie (15°C) per gram-°C", .symbol = "cal_15/(g·°C)", .coefficient = "4185.5", .numsInName = "15", .numsInSymbol = "15"},
    {.name = "Calorie (15°C) per gram-°F", .symbol = "cal_15/(g·°F)", .coefficient = "4185.5", .numsInName = "15", .numsInSymbol = "15"},
    {.name = "Kilocalorie (15°C) per kilogram-kelvin", .symbol = "kcal_15/(kg·K)", .coefficient = "4185.5", .numsInName = "15", .numsInSymbol = "15"},
    {.name = "Kilocalorie (15°C) per kilogram-°C", .symbol = "kcal_15/(kg·°C)", .coefficient = "4185.5", .numsInName = "15", .numsInSymbol = "15"},
    {.name = "BTU (15°C) per pound-kelvin", .symbol = "BTU_15/(lb·K)", .coefficient = "2325.4447600165761165691565755393989541", .numsInName = "15", .numsInSymbol = "15"},
    {.name = "BTU (15°C) per pound-°C", .symbol = "BTU_15/(lb·°C)", .coefficient = "2325.4447600165761165691565755393989541", .numsInName = "15", .numsInSymbol = "15"},
    {.name = "BTU (15°C) per pound-°F", .symbol = "BTU_15/(lb·°F)", .coefficient = "4185.8005680298370098244818359709181174", .numsInName = "15", .numsInSymbol = "15"},
    {.name = "BTU (15°C) per pound-°R", .symbol = "BTU_15/(lb·°R)", .coefficient = "4185.8005680298370098244818359709181174", .numsInName = "15", .numsInSymbol = "15"},
    {.name = "Calorie (20°C) per kilogram-kelvin", .symbol = "cal_20/(kg·K)", .coefficient = "4.1816", .numsInName = "20", .numsInSymbol = "20"},
    {.name = "Calorie (20°C) per kilogram-°C", .symbol = "cal_20/(kg·°C)", .coefficient = "4.1816", .numsInName = "20", .numsInSymbol = "20"},
    {.name = "Calorie (20°C) per gram-kelvin", .symbol = "cal_20/(g·K)", .coefficient = "4181.6", .numsInName = "20", .numsInSymbol = "20"},
    {.name = "Calorie (20°C) per gram-°C", .symbol = "cal_20/(g·°C)", .coefficient = "4181.6", .numsInName = "20", .numsInSymbol = "20"},
    {.name = "Calorie (20°C) per gram-°F", .symbol = "cal_20/(g·°F)", .coefficient = "4181.6", .numsInName = "20", .numsInSymbol = "20"},
    {.name = "Kilocalorie (20°C) per kilogram-kelvin", .symbol = "kcal_20/(kg·K)", .coefficient = "4181.6", .numsInName = "20", .numsInSymbol = "20"},
    {.name = "Kilocalorie (20°C) per kilogram-°C", .symbol = "kcal_20/(kg·°C)", .coefficient = "4181.6", .numsInName = "20", .numsInSymbol = "20"},
    {.name = "BTU (20°C) per pound-kelvin", .symbol = "BTU_20/(lb·K)", .coefficient = "2325.1713868114668683690600880257311206", .numsInName = "20", .numsInSymbol = "20"},
    {.name = "BTU (20°C) per pound-°C", .symbol = "BTU_20/(lb·°C)", .coefficient = "2325.1713868114668683690600880257311206", .numsInName = "20", .numsInSymbol = "20"},
    {.name = "BTU (20°C) per pound-°F", .symbol = "BTU_20/(lb·°F)", .coefficient = "4185.3084962606403630643081584463160171", .numsInName = "20", .numsInSymbol = "20"},
    {.name = "BTU (20°C) per pound-°R", .symbol = "BTU_20/(lb·°R)", .coefficient = "4185.3084962606403630643081584463160171", .numsInName = "20", .numsInSymbol = "20"},
};

// TalUnitThermalConductivity: category thermalConductivity, raw value "thermalconductivity".
constexpr ExpectedUnit kThermalConductivity[] = {
    {.name = "Watt per meter-kelvin", .symbol = "W/(m·K)", .coefficient = "1", .isBase = true},
    {.name = "Watt per meter-°C", .symbol = "W/(m·°C)", .coefficient = "1"},
    {.name = "Kilocalorie (international table) per meter-hour-kelvin", .symbol = "kcal_IT/(m·h·K)", .coefficient = "1.163"},
    {.name = "Kilocalorie (international table) per meter-hour-°C", .symbol = "kcal_IT/(m·h·°C)", .coefficient = "1.163"},
    {.name = "BTU (international table) per foot-hour-°F", .symbol = "BTU_IT/(ft·h·°F)", .coefficient = "1.7307346663713910761154855643044619423"},
};

// TalUnitHeatCapacity: category heatCapacity, raw value "heatcapacity".
constexpr ExpectedUnit kHeatCapacity[] = {
    {.name = "Joule per kelvin", .symbol = "J/K", .coefficient = "1", .isBase = true},
    {.name = "Kilojoule per kelvin", .symbol = "kJ/K", .coefficient = "1000"},
    {.name = "Calorie (thermochemical) per kelvin", .symbol = "cal_th/K", .coefficient = "4.184"},
    {.name = "Calorie (international table) per kelvin", .symbol = "cal_IT/K", .coefficient = "4.1868"},
    {.name = "Kilocalorie (thermochemical) per kelvin", .symbol = "kcal_th/K", .coefficient = "4184"},
    {.name = "Kilocalorie (international table) per kelvin", .symbol = "kcal_IT/K", .coefficient = "4186.8"},
    {.name = "BTU (thermochemical) per degree Rankine", .symbol = "BTU_th/°R", .coefficient = "1897.830475992"},
    {.name = "BTU (international table) per degree Rankine", .symbol = "BTU_IT/°R", .coefficient = "1899.100534716"},
};

// TalUnitHeatTransferCoefficient: category heatTransferCoefficient, raw value "heattransfercoefficient".
constexpr ExpectedUnit kHeatTransferCoefficient[] = {
    {.name = "Watt per square meter-kelvin", .symbol = "W/(m²·K)", .coefficient = "1", .isBase = true},
    {.name = "Kilocalorie (international table) per square meter-hour-degree Celsius", .symbol = "kcal_IT/(m²·h·°C)", .coefficient = "1.163"},
    {.name = "BTU (thermochemical) per square foot-hour-degree Fahrenheit", .symbol = "BTU_th/(ft²·h·°F)", .coefficient = "1.7513783633127108503874072220023726742"},
    {.name = "BTU (international table) per square foot-hour-degree Fahrenheit", .symbol = "BTU_IT/(ft²·h·°F)", .coefficient = "1.7525504139239159822626915487027133176"},
};

// TalUnitThermalDiffusivity: category thermalDiffusivity, raw value "thermaldiffusivity".
constexpr ExpectedUnit kThermalDiffusivity[] = {
    {.name = "Square meter per second", .symbol = "m²/s", .coefficient = "1", .isBase = true},
    {.name = "Square centimeter per second", .symbol = "cm²/s", .coefficient = "0.0001"},
    {.name = "Square foot per second", .symbol = "ft²/s", .coefficient = "0.09290304"},
    {.name = "Square foot per hour", .symbol = "ft²/h", .coefficient = "0.0000258064"},
};

// TalUnitThermalResistance: category thermalResistance, raw value "thermalresistance".
constexpr ExpectedUnit kThermalResistance[] = {
    {.name = "Kelvin per watt", .symbol = "K/W", .coefficient = "1", .isBase = true},
    {.name = "Celsius per watt", .symbol = "°C/W", .coefficient = "1"},
    {.name = "Fahrenheit hour per BTU (thermochemical)", .symbol = "°F·h/BTU_th", .coefficient = "6.1459651678863479908323965516963587702"},
    {.name = "Fahrenheit hour per BTU (international table)", .symbol = "°F·h/BTU_IT", .coefficient = "6.1418549396302954560828470882019569191"},
};

// TalUnitEntropy: category entropy, raw value "entropy".
constexpr ExpectedUnit kEntropy[] = {
    {.name = "Joule per kelvin", .symbol = "J/K", .coefficient = "1", .baseNumerator = "1", .isBase = true},
    {.name = "Kilojoule per kelvin", .symbol = "kJ/K", .coefficient = "1000"},
    {.name = "Calorie (thermochemical) per kelvin", .symbol = "cal_th/K", .coefficient = "4.184"},
    {.name = "Kilocalorie (thermochemical) per kelvin", .symbol = "kcal_th/K", .coefficient = "4184"},
    {.name = "BTU (thermochemical) per rankine", .symbol = "BTU_th/°R", .coefficient = "1897.830475992"},
};

// TalUnitEnthalpy: category enthalpy, raw value "enthalpy".
constexpr ExpectedUnit kEnthalpy[] = {
    {.name = "Joule per kilogram", .symbol = "J/kg", .coefficient = "1", .baseNumerator = "1", .isBase = true},
    {.name = "Kilojoule per kilogram", .symbol = "kJ/kg", .coefficient = "1000"},
    {.name = "Calorie (thermochemical) per gram", .symbol = "cal_th/g", .coefficient = "4184"},
    {.name = "Kilocalorie (thermochemical) per kilogram", .symbol = "kcal_th/kg", .coefficient = "4184"},
    {.name = "BTU (thermochemical) per pound", .symbol = "BTU_th/lb", .coefficient = "2324.4444443366628940429487383132128082"},
};

const Catalogue kCatalogues[] = {
    {"SpecificHeatCapacity", &TalUnitSpecificHeatCapacity::allUnits, TalUnitSpecificHeatCapacity{}.category(), TalUnitCategory::specificHeatCapacity, "specificheatcapacity", kSpecificHeatCapacity},
    {"ThermalConductivity", &TalUnitThermalConductivity::allUnits, TalUnitThermalConductivity{}.category(), TalUnitCategory::thermalConductivity, "thermalconductivity", kThermalConductivity},
    {"HeatCapacity", &TalUnitHeatCapacity::allUnits, TalUnitHeatCapacity{}.category(), TalUnitCategory::heatCapacity, "heatcapacity", kHeatCapacity},
    {"HeatTransferCoefficient", &TalUnitHeatTransferCoefficient::allUnits, TalUnitHeatTransferCoefficient{}.category(), TalUnitCategory::heatTransferCoefficient, "heattransfercoefficient", kHeatTransferCoefficient},
    {"ThermalDiffusivity", &TalUnitThermalDiffusivity::allUnits, TalUnitThermalDiffusivity{}.category(), TalUnitCategory::thermalDiffusivity, "thermaldiffusivity", kThermalDiffusivity},
    {"ThermalResistance", &TalUnitThermalResistance::allUnits, TalUnitThermalResistance{}.category(), TalUnitCategory::thermalResistance, "thermalresistance", kThermalResistance},
    {"Entropy", &TalUnitEntropy::allUnits, TalUnitEntropy{}.category(), TalUnitCategory::entropy, "entropy", kEntropy},
    {"Enthalpy", &TalUnitEnthalpy::allUnits, TalUnitEnthalpy{}.category(), TalUnitCategory::enthalpy, "enthalpy", kEnthalpy},
};

INSTANTIATE_TEST_SUITE_P(Thermal, EachCatalogue, ::testing::ValuesIn(kCatalogues), namedAfterTheCatalogue);

// Targets with a base numerator: the result is base value × base numerator.
const Conversion kReciprocalRoad[] = {
    {&TalUnitEntropy::allUnits, "1", "Kilocalorie (thermochemical) per kelvin", "Joule per kelvin", "4184"},
    {&TalUnitEntropy::allUnits, "1", "BTU (thermochemical) per rankine", "Joule per kelvin", "1897.830475992"},
    {&TalUnitEntropy::allUnits, "2.5", "Kilojoule per kelvin", "Joule per kelvin", "2500"},
    {&TalUnitEnthalpy::allUnits, "1", "BTU (thermochemical) per pound", "Joule per kilogram", "2324.4444443366628940429487383132128082"},
    {&TalUnitEnthalpy::allUnits, "1", "Calorie (thermochemical) per gram", "Joule per kilogram", "4184"},
    {&TalUnitEnthalpy::allUnits, "0.75", "Kilojoule per kilogram", "Joule per kilogram", "750"},
};

// Targets without one: base value ÷ target coefficient.
const Conversion kGenericRoad[] = {
    {&TalUnitSpecificHeatCapacity::allUnits, "1", "Kilojoule per kilogram-kelvin", "Joule per kilogram-kelvin", "1000"},
    {&TalUnitSpecificHeatCapacity::allUnits, "1", "Calorie (IT) per kilogram-kelvin", "Joule per kilogram-kelvin", "4.1868"},
    {&TalUnitSpecificHeatCapacity::allUnits, "2.5", "Kilogram-force meter per kilogram-kelvin", "Joule per kilogram-kelvin", "24.516625"},
    {&TalUnitSpecificHeatCapacity::allUnits, "1", "BTU (IT) per pound-°F", "Kilojoule per kilogram-kelvin", "4.1868"},
    {&TalUnitSpecificHeatCapacity::allUnits, "1", "BTU (IT) per pound-°F", "Calorie (IT) per gram-°C", "1"},
    // The thermochemical BTU's ten digits leave it a hair short of the calorie.
    {&TalUnitSpecificHeatCapacity::allUnits, "1", "BTU (th) per pound-°F", "Kilocalorie (th) per kilogram-kelvin", "0.99999999995363126416761657002002463069"},
    {&TalUnitSpecificHeatCapacity::allUnits, "1", "BTU (IT) per pound-kelvin", "BTU (IT) per pound-°F", "0.55555555555555555555555555555555555556"},
    {&TalUnitSpecificHeatCapacity::allUnits, "1", "Joule per kilogram-kelvin", "BTU (15°C) per pound-°R", "0.00023890292519853082763348556804023412038"},
    {&TalUnitSpecificHeatCapacity::allUnits, "1", "Kilocalorie (20°C) per kilogram-°C", "Calorie (15°C) per gram-°F", "0.99906821168319197228527057699199617728"},
    {&TalUnitThermalConductivity::allUnits, "1", "BTU (international table) per foot-hour-°F", "Watt per meter-kelvin", "1.7307346663713910761154855643044619423"},
    {&TalUnitThermalConductivity::allUnits, "1", "Watt per meter-kelvin", "Kilocalorie (international table) per meter-hour-kelvin", "0.85984522785898538263112639724849527085"},
    {&TalUnitThermalConductivity::allUnits, "1", "BTU (international table) per foot-hour-°F", "Kilocalorie (international table) per meter-hour-°C", "1.4881639435695538057742782152230971129"},
    {&TalUnitHeatCapacity::allUnits, "1", "Kilocalorie (thermochemical) per kelvin", "Joule per kelvin", "4184"},
    {&TalUnitHeatCapacity::allUnits, "1", "BTU (international table) per degree Rankine", "Kilojoule per kelvin", "1.899100534716"},
    {&TalUnitHeatCapacity::allUnits, "1", "Kilocalorie (international table) per kelvin", "Calorie (international table) per kelvin", "1000"},
    {&TalUnitHeatCapacity::allUnits, "1", "BTU (thermochemical) per degree Rankine", "BTU (international table) per degree Rankine", "0.99933123144310528548708028302373723484"},
    {&TalUnitHeatTransferCoefficient::allUnits, "1", "BTU (international table) per square foot-hour-degree Fahrenheit", "Watt per square meter-kelvin", "1.7525504139239159822626915487027133176"},
    {&TalUnitHeatTransferCoefficient::allUnits, "1", "Kilocalorie (international table) per square meter-hour-degree Celsius", "Watt per square meter-kelvin", "1.163"},
    {&TalUnitHeatTransferCoefficient::allUnits, "1", "Watt per square meter-kelvin", "BTU (thermochemical) per square foot-hour-degree Fahrenheit", "0.57097884783075210284622177013810888667"},
    {&TalUnitThermalDiffusivity::allUnits, "1", "Square foot per second", "Square foot per hour", "3600"},
    {&TalUnitThermalDiffusivity::allUnits, "1", "Square meter per second", "Square centimeter per second", "10000"},
    {&TalUnitThermalDiffusivity::allUnits, "1", "Square foot per second", "Square meter per second", "0.09290304"},
    {&TalUnitThermalDiffusivity::allUnits, "1", "Square centimeter per second", "Square foot per hour", "3.8750077500155000310000620001240002480"},
    {&TalUnitThermalResistance::allUnits, "1", "Fahrenheit hour per BTU (international table)", "Kelvin per watt", "6.1418549396302954560828470882019569191"},
    {&TalUnitThermalResistance::allUnits, "1", "Kelvin per watt", "Fahrenheit hour per BTU (thermochemical)", "0.16270837414197530864197530864197530864"},
    {&TalUnitThermalResistance::allUnits, "1", "Celsius per watt", "Fahrenheit hour per BTU (international table)", "0.16281726120679012345679012345679012346"},
    {&TalUnitEntropy::allUnits, "1", "Joule per kelvin", "Kilocalorie (thermochemical) per kelvin", "0.00023900573613766730401529636711281070746"},
    {&TalUnitEntropy::allUnits, "1", "BTU (thermochemical) per rankine", "Calorie (thermochemical) per kelvin", "453.59236997896749521988527724665391969"},
    {&TalUnitEntropy::allUnits, "1", "Kilojoule per kelvin", "BTU (thermochemical) per rankine", "0.52691745266515329139509572631141621830"},
    {&TalUnitEnthalpy::allUnits, "1", "Joule per kilogram", "BTU (thermochemical) per pound", "0.00043021032506774945614296373837403995293"},
    {&TalUnitEnthalpy::allUnits, "1", "Kilocalorie (thermochemical) per kilogram", "Calorie (thermochemical) per gram", "1"},
    {&TalUnitEnthalpy::allUnits, "1", "BTU (thermochemical) per pound", "Kilojoule per kilogram", "2.3244444443366628940429487383132128082"},
};

INSTANTIATE_TEST_SUITE_P(Thermal, TheReciprocalRoad, ::testing::ValuesIn(kReciprocalRoad));
INSTANTIATE_TEST_SUITE_P(Thermal, TheGenericRoad, ::testing::ValuesIn(kGenericRoad));

// A kelvin and a degree Celsius are the same step, and so are a Fahrenheit and
// a Rankine degree: a unit written with one has a twin written with the other
// (same symbol otherwise), with the same coefficient, and the two convert
// into each other unchanged.
TEST(ThermalCatalogues, EqualDegreeStepsConvertOneToOne) {
  const std::pair<std::string, std::string> kSteps[] = {{"°C", "K"}, {"°R", "°F"}};
  std::size_t twins = 0;
  for (const Catalogue& catalogue : kCatalogues) {
    const std::vector<TalUnit> units = catalogue.allUnits();
    for (const TalUnit& unit : units) {
      for (const auto& [step, sameStep] : kSteps) {
        const auto at = unit.symbol().find(step);
        if (at == std::string::npos) continue;
        std::string twinSymbol = unit.symbol();
        twinSymbol.replace(at, step.size(), sameStep);
        const auto twin = std::find_if(units.begin(), units.end(),
                                       [&](const TalUnit& u) { return u.symbol() == twinSymbol; });
        if (twin == units.end()) continue;
        ++twins;
        EXPECT_EQ(unit.coefficient(), twin->coefficient()) << unit.symbol() << " vs " << twinSymbol;
        for (const char* text : {"1", "12345.678"}) {
          const Decimal value = Decimal::fromString(text).value();
          EXPECT_EQ(TalMeasurement::convert(value, unit, *twin), value) << text << " " << unit.symbol();
          EXPECT_EQ(TalMeasurement::convert(value, *twin, unit), value) << text << " " << twinSymbol;
        }
      }
    }
  }
  // °C/kelvin: 19 per mass, 2 per length and hour, 1 per watt; °R/°F: 4 per pound.
  EXPECT_EQ(twins, 26u);
}

// The catalogues hand out fresh copies of records made once: a second call
// matches the table field by field, even after the first list was changed.
TEST(ThermalCatalogues, ListsAreFreshCopiesOfTheSameRecords) {
  for (const Catalogue& catalogue : kCatalogues) {
    SCOPED_TRACE(std::string(catalogue.name));
    std::vector<TalUnit> first = catalogue.allUnits();
    std::reverse(first.begin(), first.end());
    first.pop_back();
    expectCatalogue(catalogue.allUnits(), catalogue.expected, catalogue.rows);
  }
}

// The category hands out the catalogue's list, and its base unit as default.
TEST(ThermalCatalogues, CategoriesHandOutTheirCatalogue) {
  for (const Catalogue& catalogue : kCatalogues) {
    const std::vector<TalUnit> units = catalogue.allUnits();
    EXPECT_EQ(catalogue.expected.getUnits(), units) << catalogue.name;
    const auto fallback = catalogue.expected.defaultUnit();
    ASSERT_TRUE(fallback.has_value()) << catalogue.name;
    EXPECT_TRUE(fallback->isBaseUnit()) << catalogue.name;
    EXPECT_EQ(fallback->name(), catalogue.rows.front().name) << catalogue.name;
  }
}

// Heat capacity and entropy both list the joule per kelvin and its calorie and
// BTU relatives: same symbols and factors, yet distinct records that do not
// convert into each other.
TEST(HeatCapacityAndEntropy, KeepTheirSharedUnitsApart) {
  const std::vector<TalUnit> heatCapacity = TalUnitHeatCapacity::allUnits();
  for (const TalUnit& entropy : TalUnitEntropy::allUnits()) {
    const auto twin = std::find_if(heatCapacity.begin(), heatCapacity.end(),
                                   [&](const TalUnit& u) { return u.symbol() == entropy.symbol(); });
    ASSERT_NE(twin, heatCapacity.end()) << entropy.symbol();
    EXPECT_EQ(twin->coefficient(), entropy.coefficient()) << entropy.symbol();
    EXPECT_NE(*twin, entropy);
    EXPECT_EQ(entropy.id(), "entropy_" + entropy.symbol());
    EXPECT_EQ(twin->id(), "heatcapacity_" + entropy.symbol());
    EXPECT_FALSE(TalMeasurement::convert(Decimal(1), *twin, entropy).has_value()) << entropy.symbol();
  }
}

}  // namespace
}  // namespace tal
