#include "TalFoundation/catalogues/TalUnitAcceleration.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"
#include "TalFoundation/platform/Unit.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  using platform::UnitAcceleration;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::acceleration, {
      //      name                              symbol          coefficient         platform unit
      UnitRow("Gravity",                        platformSymbol, kStandardGravity,   UnitAcceleration::gravity()),
      UnitRow("Meter per Second Squared",       platformSymbol, 1.0_dec,            UnitAcceleration::metersPerSecondSquared())
          .base().baseNumerator(1.0_dec),
      UnitRow("Gal",                            "Gal",          0.01_dec)
          .baseNumerator(100_dec).key("unit_acceleration_Gal"),
      UnitRow("Centimeter per Second Squared",  "cm/s²",        0.01_dec)
          .baseNumerator(100_dec).key("unit_acceleration_cm/s²"),
      UnitRow("Foot per Second Squared",        "ft/s²",        kFoot)
          .key("unit_acceleration_ft/s²"),
      UnitRow("Mile per Hour per Second",       "mph/s",        kMilePerHour)
          .key("unit_acceleration_mph/s"),
      UnitRow("Kilometer per Hour per Second",  "km/(h·s)",     1.0_dec / 3.6_dec)
          .baseNumerator(3.6_dec).key("unit_acceleration_km/(h·s)"),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitAcceleration::allUnits() { return units(); }

}  // namespace tal
