#include "TalFoundation/catalogues/TalUnitHeatTransferCoefficient.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  // The BTU rows divide by the 9/5 degree ratio where the physical factor
  // would multiply by it. They are the app's established values: change them
  // only together with the app's data.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::heatTransferCoefficient, {
      //      name                                                                      symbol               coefficient
      UnitRow("Watt per square meter-kelvin",                                           "W/(m²·K)",          1_dec).base(),
      UnitRow("Kilocalorie (international table) per square meter-hour-degree Celsius", "kcal_IT/(m²·h·°C)", 4186.8_dec / 3600_dec),
      UnitRow("BTU (thermochemical) per square foot-hour-degree Fahrenheit",            "BTU_th/(ft²·h·°F)",
              kBtuTh / 3600_dec / squareFoot() / (9_dec / 5_dec)),
      UnitRow("BTU (international table) per square foot-hour-degree Fahrenheit",       "BTU_IT/(ft²·h·°F)",
              kBtuIT / 3600_dec / squareFoot() / (9_dec / 5_dec)),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitHeatTransferCoefficient::allUnits() { return units(); }

}  // namespace tal
