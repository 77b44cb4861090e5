#include "TalFoundation/catalogues/TalUnitMolarFlowRate.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::molarFlowRate, {
      //      name                   symbol      coefficient
      UnitRow("Mole per second",     "mol/s",    1_dec)
          .base().baseNumerator(1_dec),
      UnitRow("Kilomole per second", "kmol/s",   1000_dec),
      UnitRow("Mole per minute",     "mol/min",  1_dec / 60_dec),
      UnitRow("Kilomole per hour",   "kmol/h",   1000_dec / 3600_dec),
      UnitRow("Pound-mole per hour", "lb-mol/h", kPoundMole / 3600_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitMolarFlowRate::allUnits() { return units(); }

}  // namespace tal
