#include "TalFoundation/catalogues/TalUnitAngularMomentum.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  // A mass times a length squared, per second; no row carries a base
  // numerator, the base unit included.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::angularMomentum, {
      //      name                                  symbol      coefficient
      UnitRow("Kilogram meter squared per second",  "kg·m²/s",  1_dec)
          .base(),
      UnitRow("Joule second",                       "J·s",      1_dec),
      UnitRow("Gram centimeter squared per second", "g·cm²/s",  0.001_dec * 0.01_dec * 0.01_dec),
      UnitRow("Pound foot squared per second",      "lb·ft²/s", kPound * kFoot * kFoot),
      UnitRow("Pound inch squared per second",      "lb·in²/s", kPound * kInch * kInch),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitAngularMomentum::allUnits() { return units(); }

}  // namespace tal
