#include "TalFoundation/catalogues/TalUnitLuminance.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::luminance, {
      //      name                        symbol    coefficient
      UnitRow("Candela per square meter", "cd/m²",  1.0_dec)
          .base().baseNumerator(1.0_dec).key("unit_luminance_cd/m²"),
      UnitRow("Nit",                      "nt",     1.0_dec).baseNumerator(1.0_dec).key("unit_luminance_nt"),
      UnitRow("Candela per square foot",  "cd/ft²", 1.0_dec / squareFoot())
          .baseNumerator(squareFoot()).key("unit_luminance_cd/ft²"),
      UnitRow("Candela per square inch",  "cd/in²", 1.0_dec / squareInch())
          .baseNumerator(squareInch()).key("unit_luminance_cd/in²"),
      UnitRow("Foot-Lambert",             "fL",     1.0_dec / (squareFoot() * Decimal::pi()))
          .baseNumerator(squareFoot() * Decimal::pi()).key("unit_luminance_fL"),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitLuminance::allUnits() { return units(); }

}  // namespace tal
