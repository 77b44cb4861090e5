#include "TalFoundation/catalogues/TalUnitElectricFieldStrength.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::electricFieldStrength, {
      //      name                   symbol  coefficient
      UnitRow("Volt per meter",      "V/m",  1_dec).base().baseNumerator(1_dec),
      UnitRow("Kilovolt per meter",  "kV/m", 1000_dec),
      UnitRow("Millivolt per meter", "mV/m", 0.001_dec),
      UnitRow("Microvolt per meter", "μV/m", 0.000001_dec),
      UnitRow("Newton per coulomb",  "N/C",  1_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitElectricFieldStrength::allUnits() { return units(); }

}  // namespace tal
