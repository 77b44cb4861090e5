#include "TalFoundation/catalogues/TalUnitMomentOfInertia.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  // A mass times a length squared; the kilogram-force metre second squared
  // is the gravitational unit of mass (9.80665 kg) times a square metre.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::momentOfInertia, {
      //      name                                   symbol      coefficient
      UnitRow("Kilogram square meter",               "kg·m²",    1_dec)
          .base().baseNumerator(1_dec),
      UnitRow("Gram square centimeter",              "g·cm²",    0.001_dec * 0.01_dec * 0.01_dec),
      UnitRow("Kilogram-force meter second squared", "kgf·m·s²", kStandardGravity),
      UnitRow("Pound square foot",                   "lb·ft²",   kPound * kFoot * kFoot),
      UnitRow("Pound square inch",                   "lb·in²",   kPound * kInch * kInch),
      UnitRow("Ounce square inch",                   "oz·in²",   kOunce * kInch * kInch),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitMomentOfInertia::allUnits() { return units(); }

}  // namespace tal
