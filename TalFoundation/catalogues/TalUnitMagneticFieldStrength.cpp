#include "TalFoundation/catalogues/TalUnitMagneticFieldStrength.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::magneticFieldStrength, {
      //      name                     symbol  coefficient
      UnitRow("Ampere per meter",      "A/m",  1_dec).base().baseNumerator(1_dec),
      UnitRow("Kiloampere per meter",  "kA/m", 1000_dec),
      UnitRow("Oersted",               "Oe",   1000_dec / (4_dec * Decimal::pi())),
      UnitRow("Ampere-turn per meter", "AT/m", 1_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitMagneticFieldStrength::allUnits() { return units(); }

}  // namespace tal
