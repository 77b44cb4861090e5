#include "TalFoundation/catalogues/TalUnitMagneticPermeability.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

// The vacuum permeability, 4π × 10⁻⁷ H/m: a unit of its own and the scale of
// the CGS unit.
const Decimal& vacuumPermeability() {
  static const Decimal value = 4_dec * Decimal::pi() * 1e-7_dec;
  return value;
}

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::magneticPermeability, {
      //      name                         symbol      coefficient
      UnitRow("Henry per meter",           "H/m",      1_dec).base(),
      UnitRow("Newton per ampere squared", "N/A²",     1_dec),
      UnitRow("Tesla meter per ampere",    "T·m/A",    1_dec),
      UnitRow("Weber per ampere meter",    "Wb/(A·m)", 1_dec),
      UnitRow("Vacuum permeability",       "μ₀",       vacuumPermeability()),
      UnitRow("CGS permeability unit",     "emu",      1_dec / vacuumPermeability())
          .baseNumerator(vacuumPermeability()),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitMagneticPermeability::allUnits() { return units(); }

}  // namespace tal
