#include "TalFoundation/catalogues/TalUnitMagnetomotiveForce.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::magnetomotiveForce, {
      //      name           symbol coefficient
      UnitRow("Ampere",      "A",   1_dec).base().key("unit_current_A"),
      UnitRow("Ampere-turn", "At",  1_dec),
      UnitRow("Gilbert",     "Gb",  10_dec / (4_dec * Decimal::pi())).baseNumerator(0.4_dec * Decimal::pi()),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitMagnetomotiveForce::allUnits() { return units(); }

}  // namespace tal
