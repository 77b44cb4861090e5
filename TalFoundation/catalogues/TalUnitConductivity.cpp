#include "TalFoundation/catalogues/TalUnitConductivity.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::conductivity, {
      //      name                      symbol  coefficient
      UnitRow("Siemens per meter",      "S/m",  1_dec).base().baseNumerator(1_dec),
      UnitRow("Millisiemens per meter", "mS/m", 0.001_dec),
      UnitRow("Microsiemens per meter", "μS/m", 0.000001_dec),
      UnitRow("Mho per centimeter",     "℧/cm", 100_dec),
      UnitRow("Siemens per centimeter", "S/cm", 100_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitConductivity::allUnits() { return units(); }

}  // namespace tal
