#include "TalFoundation/catalogues/TalUnitResistivity.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::resistivity, {
      //      name                               symbol     coefficient
      UnitRow("Ohm meter",                       "Ω·m",     1_dec).base().baseNumerator(1_dec),
      UnitRow("Ohm centimeter",                  "Ω·cm",    0.01_dec).baseNumerator(100_dec),
      UnitRow("Ohm square millimeter per meter", "Ω·mm²/m", 0.000001_dec).baseNumerator(1000000_dec),
      UnitRow("Microhm centimeter",              "μΩ·cm",   1e-8_dec).baseNumerator(1e8_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitResistivity::allUnits() { return units(); }

}  // namespace tal
