#include "TalFoundation/catalogues/TalUnitThermalDiffusivity.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::thermalDiffusivity, {
      //      name                            symbol   coefficient
      UnitRow("Square meter per second",      "m²/s",  1_dec).base(),
      UnitRow("Square centimeter per second", "cm²/s", 0.0001_dec),
      UnitRow("Square foot per second",       "ft²/s", squareFoot()),
      UnitRow("Square foot per hour",         "ft²/h", squareFoot() / 3600_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitThermalDiffusivity::allUnits() { return units(); }

}  // namespace tal
