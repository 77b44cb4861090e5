#include "TalFoundation/catalogues/TalUnitInductance.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::inductance, {
      //      name          symbol coefficient
      UnitRow("Kilohenry",  "kH",  1000_dec).baseNumerator(0.001_dec),
      UnitRow("Henry",      "H",   1.0_dec).base().baseNumerator(1.0_dec),
      UnitRow("Millihenry", "mH",  0.001_dec).baseNumerator(1000_dec),
      UnitRow("Microhenry", "μH",  0.000001_dec).baseNumerator(1000000_dec),
      UnitRow("Nanohenry",  "nH",  1e-9_dec).baseNumerator(1e9_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitInductance::allUnits() { return units(); }

}  // namespace tal
