#include "TalFoundation/catalogues/TalUnitEffectiveDose.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::effectiveDose, {
      //      name            symbol  coefficient
      UnitRow("Sievert",      "Sv",   1_dec).base().key("unit_share_Sv"),
      UnitRow("Millisievert", "mSv",  0.001_dec).key("unit_share_mSv"),
      UnitRow("Microsievert", "μSv",  0.000001_dec).key("unit_share_μSv"),
      UnitRow("Rem",          "rem",  0.01_dec).key("unit_share_rem"),
      UnitRow("Millirem",     "mrem", 0.00001_dec).key("unit_share_mrem"),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitEffectiveDose::allUnits() { return units(); }

}  // namespace tal
