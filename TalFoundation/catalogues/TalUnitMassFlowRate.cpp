#include "TalFoundation/catalogues/TalUnitMassFlowRate.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::massFlowRate, {
      //      name                   symbol    coefficient
      UnitRow("Kilogram per second", "kg/s",   1_dec)
          .base().baseNumerator(1_dec),
      UnitRow("Kilogram per minute", "kg/min", 1_dec / 60_dec),
      UnitRow("Kilogram per hour",   "kg/h",   1_dec / 3600_dec),
      UnitRow("Tonne per hour",      "t/h",    1000_dec / 3600_dec),
      UnitRow("Pound per second",    "lb/s",   kPound),
      UnitRow("Pound per minute",    "lb/min", kPound / 60_dec),
      UnitRow("Pound per hour",      "lb/h",   kPound / 3600_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitMassFlowRate::allUnits() { return units(); }

}  // namespace tal
