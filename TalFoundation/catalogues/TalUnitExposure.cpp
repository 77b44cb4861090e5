#include "TalFoundation/catalogues/TalUnitExposure.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::exposure, {
      //      name                         symbol   coefficient
      UnitRow("Coulomb per kilogram",      "C/kg",  1_dec).base(),
      UnitRow("Millicoulomb per kilogram", "mC/kg", 0.001_dec),
      UnitRow("Microcoulomb per kilogram", "μC/kg", 0.000001_dec),
      UnitRow("Roentgen",                  "R",     0.000258_dec),
      UnitRow("Milliroentgen",             "mR",    0.000000258_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitExposure::allUnits() { return units(); }

}  // namespace tal
