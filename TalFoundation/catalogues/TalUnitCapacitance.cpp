#include "TalFoundation/catalogues/TalUnitCapacitance.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::capacitance, {
      //      name          symbol coefficient
      UnitRow("Farad",      "F",   1.0_dec).base().baseNumerator(1.0_dec),
      UnitRow("Millifarad", "mF",  0.001_dec).baseNumerator(1000_dec),
      UnitRow("Microfarad", "μF",  0.000001_dec).baseNumerator(1000000_dec),
      UnitRow("Nanofarad",  "nF",  1e-9_dec).baseNumerator(1e9_dec),
      UnitRow("Picofarad",  "pF",  1e-12_dec).baseNumerator(1e12_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitCapacitance::allUnits() { return units(); }

}  // namespace tal
