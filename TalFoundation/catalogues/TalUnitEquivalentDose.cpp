#include "TalFoundation/catalogues/TalUnitEquivalentDose.h"

#include "TalFoundation/catalogues/detail/SievertUnits.h"

namespace tal {

std::vector<TalUnit> TalUnitEquivalentDose::allUnits() {
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(catalogue::makeSievertUnits(TalUnitCategory::equivalentDose));
  return table;
}

}  // namespace tal
