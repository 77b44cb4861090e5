#include "TalFoundation/catalogues/TalUnitDynamicViscosity.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  // No row carries a base numerator, the base unit included.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::dynamicViscosity, {
      //      name                                      symbol       coefficient
      UnitRow("Pascal second",                          "Pa·s",      1_dec)
          .base(),
      UnitRow("Millipascal second",                     "mPa·s",     0.001_dec),
      UnitRow("Poise",                                  "P",         0.1_dec),
      UnitRow("Centipoise",                             "cP",        0.001_dec),
      UnitRow("Kilogram-force second per square meter", "kgf·s/m²",  kStandardGravity),
      UnitRow("Pound-force second per square foot",     "lbf·s/ft²", kPound * kStandardGravity / squareFoot()),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitDynamicViscosity::allUnits() { return units(); }

}  // namespace tal
