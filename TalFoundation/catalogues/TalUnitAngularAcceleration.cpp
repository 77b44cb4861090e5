#include "TalFoundation/catalogues/TalUnitAngularAcceleration.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  // One revolution per minute squared is 2π rad per 3600 s², hence π ÷ 1800.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::angularAcceleration, {
      //      name                             symbol    coefficient
      UnitRow("Radian per second squared",     "rad/s²", 1_dec)
          .base().baseNumerator(1_dec),
      UnitRow("Degree per second squared",     "°/s²",   Decimal::pi() / 180_dec),
      UnitRow("Revolution per second squared", "rps²",   2_dec * Decimal::pi()),
      UnitRow("Revolution per minute squared", "rpm²",   Decimal::pi() / 1800_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitAngularAcceleration::allUnits() { return units(); }

}  // namespace tal
