#include "TalFoundation/catalogues/TalUnitRadiance.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::radiance, {
      //      name                                    symbol        coefficient
      UnitRow("Watt per square meter steradian",      "W/(m²·sr)",  1_dec).base(),
      UnitRow("Watt per square centimeter steradian", "W/(cm²·sr)", 10000_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitRadiance::allUnits() { return units(); }

}  // namespace tal
