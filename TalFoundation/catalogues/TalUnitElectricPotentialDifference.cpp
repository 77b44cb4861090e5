#include "TalFoundation/catalogues/TalUnitElectricPotentialDifference.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"
#include "TalFoundation/platform/Unit.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  using platform::UnitElectricPotentialDifference;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::electricPotentialDifference, {
      //      name         symbol          coefficient   platform unit
      UnitRow("Megavolt",  platformSymbol, 1000000_dec,  UnitElectricPotentialDifference::megavolts())
          .baseNumerator(0.000001_dec),
      UnitRow("Kilovolt",  platformSymbol, 1000_dec,     UnitElectricPotentialDifference::kilovolts())
          .baseNumerator(0.001_dec),
      UnitRow("Volt",      platformSymbol, 1.0_dec,      UnitElectricPotentialDifference::volts())
          .base().baseNumerator(1.0_dec),
      UnitRow("Millivolt", platformSymbol, 0.001_dec,    UnitElectricPotentialDifference::millivolts())
          .baseNumerator(1000_dec),
      UnitRow("Microvolt", platformSymbol, 0.000001_dec, UnitElectricPotentialDifference::microvolts())
          .baseNumerator(1000000_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitElectricPotentialDifference::allUnits() { return units(); }

}  // namespace tal
