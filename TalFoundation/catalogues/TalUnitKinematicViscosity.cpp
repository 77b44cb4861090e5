#include "TalFoundation/catalogues/TalUnitKinematicViscosity.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::kinematicViscosity, {
      //      name                            symbol   coefficient
      UnitRow("Square meter per second",      "m²/s",  1_dec)
          .base().baseNumerator(1_dec),
      UnitRow("Square millimeter per second", "mm²/s", 0.000001_dec)
          .baseNumerator(1000000_dec),
      UnitRow("Stokes",                       "St",    0.0001_dec)
          .baseNumerator(10000_dec),
      UnitRow("Centistokes",                  "cSt",   0.000001_dec)
          .baseNumerator(1000000_dec),
      UnitRow("Square foot per second",       "ft²/s", pow(kFoot, 2)),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitKinematicViscosity::allUnits() { return units(); }

}  // namespace tal
