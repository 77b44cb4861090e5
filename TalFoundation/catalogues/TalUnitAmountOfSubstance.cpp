#include "TalFoundation/catalogues/TalUnitAmountOfSubstance.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::amountOfSubstance, {
      //      name          symbol    coefficient
      UnitRow("Mole",       "mol",    1.0_dec)
          .base().baseNumerator(1.0_dec),
      UnitRow("Kilomole",   "kmol",   1000_dec)
          .baseNumerator(0.001_dec),
      UnitRow("Millimole",  "mmol",   0.001_dec)
          .baseNumerator(1000_dec),
      UnitRow("Micromole",  "μmol",   0.000001_dec)
          .baseNumerator(1000000_dec),
      UnitRow("Pound-Mole", "lb-mol", kPoundMole),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitAmountOfSubstance::allUnits() { return units(); }

}  // namespace tal
