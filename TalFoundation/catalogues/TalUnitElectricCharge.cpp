#include "TalFoundation/catalogues/TalUnitElectricCharge.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"
#include "TalFoundation/platform/Unit.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  using platform::UnitElectricCharge;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::electricCharge, {
      //      name                symbol          coefficient platform unit
      UnitRow("Coulomb",          platformSymbol, 1.0_dec,    UnitElectricCharge::coulombs())
          .base().baseNumerator(1.0_dec),
      UnitRow("Megaampere Hour",  platformSymbol, 3.6e9_dec,  UnitElectricCharge::megaampereHours()),
      UnitRow("Kiloampere Hour",  platformSymbol, 3.6e6_dec,  UnitElectricCharge::kiloampereHours()),
      UnitRow("Ampere Hour",      platformSymbol, 3600_dec,   UnitElectricCharge::ampereHours()),
      UnitRow("Milliampere Hour", platformSymbol, 3.6_dec,    UnitElectricCharge::milliampereHours()),
      UnitRow("Microampere Hour", platformSymbol, 0.0036_dec, UnitElectricCharge::microampereHours())
          .key("unit_charge_µAh"),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitElectricCharge::allUnits() { return units(); }

}  // namespace tal
