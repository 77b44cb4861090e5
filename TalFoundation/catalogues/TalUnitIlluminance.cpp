#include "TalFoundation/catalogues/TalUnitIlluminance.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"
#include "TalFoundation/platform/Unit.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  using platform::UnitIlluminance;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::illuminance, {
      //      name           symbol          coefficient platform unit
      UnitRow("Lux",         platformSymbol, 1.0_dec,    UnitIlluminance::lux()).base().baseNumerator(1.0_dec),
      UnitRow("Foot-candle", "fc",           10.764_dec).key("unit_illuminance_fc"),
      UnitRow("Phot",        "ph",           10000.0_dec).baseNumerator(0.0001_dec).key("unit_illuminance_ph"),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitIlluminance::allUnits() { return units(); }

}  // namespace tal
