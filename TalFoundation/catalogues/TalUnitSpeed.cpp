#include "TalFoundation/catalogues/TalUnitSpeed.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"
#include "TalFoundation/platform/Unit.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  using platform::UnitSpeed;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::speed, {
      //      name                  symbol          coefficient              platform unit
      UnitRow("Meter per Second",   platformSymbol, 1.0_dec,                 UnitSpeed::metersPerSecond())
          .base().baseNumerator(1.0_dec),
      // 1/3.6 is not exact; the base numerator makes conversions into km/h exact.
      UnitRow("Kilometer per Hour", platformSymbol, 1.0_dec / 3.6_dec,       UnitSpeed::kilometersPerHour())
          .baseNumerator(3.6_dec),
      UnitRow("Mile per Hour",      platformSymbol, kMilePerHour,            UnitSpeed::milesPerHour()),
      UnitRow("Knot",               platformSymbol, 1852_dec / 3600_dec,     UnitSpeed::knots()),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitSpeed::allUnits() { return units(); }

}  // namespace tal
