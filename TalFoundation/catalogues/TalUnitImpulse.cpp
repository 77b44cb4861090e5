#include "TalFoundation/catalogues/TalUnitImpulse.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  // The first two rows are the momentum catalogue's in the other order, and
  // share their keys with it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::impulse, {
      //      name                         symbol    coefficient
      UnitRow("Newton second",             "N·s",    1_dec)
          .base().key("unit_share_N·s"),
      UnitRow("Kilogram meter per second", "kg·m/s", 1_dec)
          .key("unit_share_kg·m/s"),
      UnitRow("Dyne second",               "dyn·s",  0.00001_dec),
      UnitRow("Pound-force second",        "lbf·s",  kPound * kStandardGravity),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitImpulse::allUnits() { return units(); }

}  // namespace tal
