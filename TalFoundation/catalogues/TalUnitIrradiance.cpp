#include "TalFoundation/catalogues/TalUnitIrradiance.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::irradiance, {
      //      name                                symbol         coefficient
      UnitRow("Watt per square meter",            "W/m²",        1_dec).base().baseNumerator(1_dec),
      UnitRow("Milliwatt per square centimeter",  "mW/cm²",      10_dec),
      UnitRow("Microwatt per square centimeter",  "μW/cm²",      0.01_dec),
      UnitRow("Kilowatt per square meter",        "kW/m²",       1000_dec),
      UnitRow("Erg per square centimeter-second", "erg/(cm²·s)", 0.001_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitIrradiance::allUnits() { return units(); }

}  // namespace tal
