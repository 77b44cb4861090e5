#include "TalFoundation/catalogues/TalUnitThermalResistance.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  // The Fahrenheit rows divide the 9/5 degree ratio by a BTU per hour in
  // watts; the physical factor would take 5/9. They are the app's established
  // values: change them only together with the app's data.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::thermalResistance, {
      //      name                                             symbol         coefficient
      UnitRow("Kelvin per watt",                               "K/W",         1_dec).base(),
      UnitRow("Celsius per watt",                              "°C/W",        1_dec),
      UnitRow("Fahrenheit hour per BTU (thermochemical)",      "°F·h/BTU_th", 9_dec / 5_dec / (kBtuTh / 3600_dec)),
      UnitRow("Fahrenheit hour per BTU (international table)", "°F·h/BTU_IT", 9_dec / 5_dec / (kBtuIT / 3600_dec)),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitThermalResistance::allUnits() { return units(); }

}  // namespace tal
