#include "TalFoundation/catalogues/TalUnitMolarConcentration.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  // A cubic metre is 1000 litres: the per-cubic-metre units are a thousandth
  // of their per-litre namesakes.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::molarConcentration, {
      //      name                        symbol     coefficient
      UnitRow("Mole per liter",           "mol/L",   1_dec)
          .base().baseNumerator(1_dec),
      UnitRow("Millimole per liter",      "mmol/L",  0.001_dec),
      UnitRow("Micromole per liter",      "μmol/L",  0.000001_dec),
      UnitRow("Mole per cubic meter",     "mol/m³",  0.001_dec),
      UnitRow("Kilomole per cubic meter", "kmol/m³", 1_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitMolarConcentration::allUnits() { return units(); }

}  // namespace tal
