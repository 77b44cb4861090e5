#include "TalFoundation/catalogues/TalUnitLinearDensity.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  // The yarn counts are grams per length of yarn: the tex per 1000 m, the
  // denier per 9000 m (a rounded quotient), the decitex a tenth of a tex.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::linearDensity, {
      //      name                  symbol   coefficient
      UnitRow("Kilogram per meter", "kg/m",  1_dec)
          .base().baseNumerator(1_dec),
      UnitRow("Gram per meter",     "g/m",   0.001_dec),
      UnitRow("Tex",                "tex",   0.001_dec / 1000_dec),
      UnitRow("Decitex",            "dtex",  0.001_dec / 1000_dec * 0.1_dec),
      UnitRow("Denier",             "den",   0.001_dec / 9000_dec),
      UnitRow("Pound per foot",     "lb/ft", kPound / kFoot),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitLinearDensity::allUnits() { return units(); }

}  // namespace tal
