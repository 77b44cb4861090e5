#include "TalFoundation/catalogues/TalUnitTorque.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  // The gravitational units are a mass times standard gravity times a lever.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::torque, {
      //      name                         symbol    coefficient
      UnitRow("Newton Meter",              "N·m",    1.0_dec)
          .base().baseNumerator(1.0_dec),
      UnitRow("Kilonewton Meter",          "kN·m",   1000_dec)
          .baseNumerator(0.001_dec),
      UnitRow("Kilogram-Force Meter",      "kgf·m",  kStandardGravity),
      UnitRow("Kilogram-Force Centimeter", "kgf·cm", 0.01_dec * kStandardGravity),
      UnitRow("Gram-Force Meter",          "gf·m",   0.001_dec * kStandardGravity),
      UnitRow("Gram-Force Centimeter",     "gf·cm",  0.00001_dec * kStandardGravity),
      UnitRow("Pound-Force Foot",          "lbf·ft", kPound * kStandardGravity * kFoot),
      UnitRow("Pound-Force Inch",          "lbf·in", kPound * kStandardGravity * kInch),
      UnitRow("Ounce-Force Inch",          "ozf·in", kOunce * kStandardGravity * kInch),
      UnitRow("Millinewton Meter",         "mN·m",   0.001_dec)
          .baseNumerator(1000_dec),
      UnitRow("Centinewton Meter",         "cN·m",   0.01_dec)
          .baseNumerator(100_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitTorque::allUnits() { return units(); }

}  // namespace tal
