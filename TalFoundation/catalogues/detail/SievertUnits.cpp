#include "TalFoundation/catalogues/detail/SievertUnits.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal::catalogue {

std::vector<TalUnit> makeSievertUnits(TalUnitCategory category) {
  return makeUnits(category, {
      //      name            symbol  coefficient
      UnitRow("Sievert",      "Sv",   1_dec).base().key("unit_share_Sv"),
      UnitRow("Millisievert", "mSv",  0.001_dec).key("unit_share_mSv"),
      UnitRow("Microsievert", "μSv",  0.000001_dec).key("unit_share_μSv"),
      UnitRow("Rem",          "rem",  0.01_dec).key("unit_share_rem"),
      UnitRow("Millirem",     "mrem", 0.00001_dec).key("unit_share_mrem"),
  });
}

}  // namespace tal::catalogue
