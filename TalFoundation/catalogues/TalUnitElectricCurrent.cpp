#include "TalFoundation/catalogues/TalUnitElectricCurrent.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"
#include "TalFoundation/platform/Unit.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  using platform::UnitElectricCurrent;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::electricCurrent, {
      //      name           symbol          coefficient   platform unit
      UnitRow("Megaampere",  platformSymbol, 1000000_dec,  UnitElectricCurrent::megaamperes())
          .baseNumerator(0.000001_dec),
      UnitRow("Kiloampere",  platformSymbol, 1000_dec,     UnitElectricCurrent::kiloamperes())
          .baseNumerator(0.001_dec),
      UnitRow("Ampere",      platformSymbol, 1.0_dec,      UnitElectricCurrent::amperes())
          .base().baseNumerator(1.0_dec),
      UnitRow("Milliampere", platformSymbol, 0.001_dec,    UnitElectricCurrent::milliamperes())
          .baseNumerator(1000_dec),
      UnitRow("Microampere", platformSymbol, 0.000001_dec, UnitElectricCurrent::microamperes())
          .baseNumerator(1000000_dec),
      UnitRow("Nanoampere",  "nA",           1e-9_dec).baseNumerator(1e9_dec).key("unit_current_nA"),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitElectricCurrent::allUnits() { return units(); }

}  // namespace tal
