#include "TalFoundation/catalogues/TalUnitThermalConductivity.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  // A kelvin and a degree Celsius are the same step, so those rows pair up.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::thermalConductivity, {
      //      name                                                       symbol               coefficient
      UnitRow("Watt per meter-kelvin",                                   "W/(m·K)",           1_dec).base(),
      UnitRow("Watt per meter-°C",                                       "W/(m·°C)",          1_dec),
      UnitRow("Kilocalorie (international table) per meter-hour-kelvin", "kcal_IT/(m·h·K)",   4186.8_dec / 3600_dec),
      UnitRow("Kilocalorie (international table) per meter-hour-°C",     "kcal_IT/(m·h·°C)",  4186.8_dec / 3600_dec),
      UnitRow("BTU (international table) per foot-hour-°F",              "BTU_IT/(ft·h·°F)",
              kBtuIT * (1_dec / kFoot) * (1_dec / 3600_dec) * (9_dec / 5_dec)),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitThermalConductivity::allUnits() { return units(); }

}  // namespace tal
