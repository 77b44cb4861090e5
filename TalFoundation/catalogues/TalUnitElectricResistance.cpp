#include "TalFoundation/catalogues/TalUnitElectricResistance.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"
#include "TalFoundation/platform/Unit.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  using platform::UnitElectricResistance;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::electricResistance, {
      //      name        symbol          coefficient   platform unit
      UnitRow("Megaohm",  platformSymbol, 1000000_dec,  UnitElectricResistance::megaohms())
          .baseNumerator(0.000001_dec),
      UnitRow("Kiloohm",  platformSymbol, 1000_dec,     UnitElectricResistance::kiloohms())
          .baseNumerator(0.001_dec),
      UnitRow("Ohm",      platformSymbol, 1.0_dec,      UnitElectricResistance::ohms())
          .base().baseNumerator(1.0_dec),
      UnitRow("Milliohm", platformSymbol, 0.001_dec,    UnitElectricResistance::milliohms())
          .baseNumerator(1000_dec),
      UnitRow("Microohm", platformSymbol, 0.000001_dec, UnitElectricResistance::microohms())
          .baseNumerator(1000000_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitElectricResistance::allUnits() { return units(); }

}  // namespace tal
