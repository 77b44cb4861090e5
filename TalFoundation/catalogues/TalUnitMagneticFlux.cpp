#include "TalFoundation/catalogues/TalUnitMagneticFlux.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::magneticFlux, {
      //      name          symbol coefficient
      UnitRow("Weber",      "Wb",  1_dec).base().baseNumerator(1_dec),
      UnitRow("Milliweber", "mWb", 0.001_dec).baseNumerator(1000_dec),
      UnitRow("Maxwell",    "Mx",  1e-8_dec).baseNumerator(1e8_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitMagneticFlux::allUnits() { return units(); }

}  // namespace tal
