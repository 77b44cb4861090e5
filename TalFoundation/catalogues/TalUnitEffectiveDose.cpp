#include "TalFoundation/catalogues/TalUnitEffectiveDose.h"

#include "TalFoundation/catalogues/detail/SievertUnits.h"

namespace tal {

std::vector<TalUnit> TalUnitEffectiveDose::allUnits() {
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(catalogue::makeSievertUnits(TalUnitCategory::effectiveDose));
  return table;
}

}  // namespace tal
