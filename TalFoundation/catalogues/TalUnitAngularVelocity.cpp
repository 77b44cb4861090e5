#include "TalFoundation/catalogues/TalUnitAngularVelocity.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  // A revolution is 2π radians; the revolution rates share their keys with
  // the frequency catalogue's.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::angularVelocity, {
      //      name                          symbol     coefficient
      UnitRow("Radian per Second",          "rad/s",   1.0_dec)
          .base().baseNumerator(1.0_dec),
      UnitRow("Radian per Minute",          "rad/min", 1_dec / 60_dec)
          .baseNumerator(60_dec),
      UnitRow("Degree per Second",          "°/s",     Decimal::pi() / 180_dec),
      UnitRow("Degree per Minute",          "°/min",   Decimal::pi() / 180_dec / 60_dec),
      UnitRow("Revolution per Second",      "rps",     2_dec * Decimal::pi())
          .key("unit_share_rps"),
      UnitRow("Revolution per Minute",      "rpm",     Decimal::pi() / 30_dec)
          .key("unit_share_rpm"),
      UnitRow("Revolution per Millisecond", "r/ms",    2000_dec * Decimal::pi())
          .key("unit_share_r/ms"),
      UnitRow("Revolution per Hour",        "rph",     Decimal::pi() / 1800_dec)
          .key("unit_share_rph"),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitAngularVelocity::allUnits() { return units(); }

}  // namespace tal
