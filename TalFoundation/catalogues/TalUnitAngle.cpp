#include "TalFoundation/catalogues/TalUnitAngle.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"
#include "TalFoundation/platform/Unit.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  using platform::UnitAngle;
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::angle, {
      //  name          symbol          coefficient                platform unit
      UnitRow("Degree",     platformSymbol, 1_dec,                     UnitAngle::degrees()).base(),
      UnitRow("Arc Minute", platformSymbol, 1_dec / 60_dec,            UnitAngle::arcMinutes()),
      UnitRow("Arc Second", platformSymbol, 1_dec / 3600_dec,          UnitAngle::arcSeconds()),
      UnitRow("Radian",     platformSymbol, 180_dec / Decimal::pi(),   UnitAngle::radians()),
      UnitRow("Gradian",    "gon",          0.9_dec,                   UnitAngle::gradians()).key("unit_angle_grad"),
      UnitRow("Revolution", platformSymbol, 360_dec,                   UnitAngle::revolutions()),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitAngle::allUnits() { return units(); }

}  // namespace tal
