#include "TalFoundation/catalogues/TalUnitRadiantIntensity.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::radiantIntensity, {
      //      name                       symbol   coefficient
      UnitRow("Watt per steradian",      "W/sr",  1_dec).base(),
      UnitRow("Milliwatt per steradian", "mW/sr", 0.001_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitRadiantIntensity::allUnits() { return units(); }

}  // namespace tal
