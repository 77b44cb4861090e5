#include "TalFoundation/catalogues/TalUnitMomentum.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  // The first two rows are the impulse catalogue's in the other order, and
  // share their keys with it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::momentum, {
      //      name                          symbol     coefficient
      UnitRow("Kilogram meter per second",  "kg·m/s",  1_dec)
          .base().key("unit_share_kg·m/s"),
      UnitRow("Newton second",              "N·s",     1_dec)
          .key("unit_share_N·s"),
      UnitRow("Gram centimeter per second", "g·cm/s",  0.001_dec * 0.01_dec),
      UnitRow("Pound foot per second",      "lb·ft/s", kPound * kFoot),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitMomentum::allUnits() { return units(); }

}  // namespace tal
