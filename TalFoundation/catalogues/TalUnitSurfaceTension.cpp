#include "TalFoundation/catalogues/TalUnitSurfaceTension.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  // Every row is a force over a length: the gram-force per centimetre is
  // 0.001 × 9.80665 N over 0.01 m (0.980665 N/m), not the kilogram-force.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::surfaceTension, {
      //      name                         symbol     coefficient
      UnitRow("Newton per meter",          "N/m",     1_dec)
          .base().baseNumerator(1_dec),
      UnitRow("Millinewton per meter",     "mN/m",    0.001_dec),
      UnitRow("Dyne per centimeter",       "dyn/cm",  0.001_dec),
      UnitRow("Gram-force per centimeter", "gf/cm",   0.001_dec * kStandardGravity / 0.01_dec),
      UnitRow("Pound-force per foot",      "lbf/ft",  kPound * kStandardGravity / kFoot),
      UnitRow("Erg per square centimeter", "erg/cm²", 0.001_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitSurfaceTension::allUnits() { return units(); }

}  // namespace tal
