#include "TalFoundation/catalogues/TalUnitConductance.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::conductance, {
      //      name            symbol coefficient
      UnitRow("Siemens",      "S",   1_dec).base().baseNumerator(1_dec),
      UnitRow("Millisiemens", "mS",  0.001_dec).baseNumerator(1000_dec),
      UnitRow("Microsiemens", "μS",  0.000001_dec).baseNumerator(1000000_dec),
      UnitRow("Mho",          "℧",   1_dec).baseNumerator(1_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitConductance::allUnits() { return units(); }

}  // namespace tal
