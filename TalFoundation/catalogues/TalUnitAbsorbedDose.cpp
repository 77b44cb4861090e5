#include "TalFoundation/catalogues/TalUnitAbsorbedDose.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::absorbedDose, {
      //      name         symbol  coefficient
      UnitRow("Gray",      "Gy",   1_dec).base().baseNumerator(1_dec),
      UnitRow("Milligray", "mGy",  0.001_dec),
      UnitRow("Microgray", "μGy",  0.000001_dec),
      UnitRow("Rad",       "rad",  0.01_dec),
      UnitRow("Kilorad",   "krad", 10_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitAbsorbedDose::allUnits() { return units(); }

}  // namespace tal
