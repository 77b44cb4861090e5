#include "TalFoundation/catalogues/TalUnitForce.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  // The gravitational units are a mass times standard gravity.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::force, {
      //      name                    symbol       coefficient
      UnitRow("Newton",               "N",         1.0_dec)
          .base().baseNumerator(1.0_dec),
      UnitRow("Kilonewton",           "kN",        1000_dec)
          .baseNumerator(0.001_dec),
      UnitRow("Dyne",                 "dyn",       0.00001_dec)
          .baseNumerator(100000_dec),
      UnitRow("Kilogram-Force",       "kgf",       kStandardGravity),
      UnitRow("Gram-Force",           "gf",        kStandardGravity * 0.001_dec),
      UnitRow("Pound-Force",          "lbf",       kPound * kStandardGravity),
      UnitRow("Ounce-Force",          "ozf",       kOunce * kStandardGravity),
      UnitRow("Tonne-force (metric)", "tf",        1000_dec * kStandardGravity),
      UnitRow("UK ton-force (long)",  "tonf (UK)", 2240_dec * kPound * kStandardGravity)
          .key("unit_mass_$Long_Ton_Force"),
      UnitRow("US ton-force (short)", "tonf (US)", 2000_dec * kPound * kStandardGravity)
          .key("unit_mass_$Short_Ton_Force"),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitForce::allUnits() { return units(); }

}  // namespace tal
