#include "TalFoundation/catalogues/TalUnitMagneticFluxDensity.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::magneticFluxDensity, {
      //      name          symbol coefficient
      UnitRow("Tesla",      "T",   1_dec).base().baseNumerator(1_dec),
      UnitRow("Millitesla", "mT",  0.001_dec).baseNumerator(1000_dec),
      UnitRow("Microtesla", "μT",  0.000001_dec).baseNumerator(1000000_dec),
      UnitRow("Gauss",      "G",   0.0001_dec).baseNumerator(10000_dec),
      UnitRow("Gamma",      "γ",   1e-9_dec).baseNumerator(1e9_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitMagneticFluxDensity::allUnits() { return units(); }

}  // namespace tal
