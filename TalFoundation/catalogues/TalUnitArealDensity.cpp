#include "TalFoundation/catalogues/TalUnitArealDensity.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  // The ounce rows divide the pound by 16 first, then by the area.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::arealDensity, {
      //      name                               symbol    coefficient
      UnitRow("Kilogram per square meter",       "kg/m²",  1_dec)
          .base().baseNumerator(1_dec),
      UnitRow("Gram per square meter",           "g/m²",   0.001_dec)
          .baseNumerator(1000_dec),
      UnitRow("Gram per square centimeter",      "g/cm²",  10_dec)
          .baseNumerator(0.1_dec),
      UnitRow("Milligram per square centimeter", "mg/cm²", 0.01_dec)
          .baseNumerator(100_dec),
      UnitRow("Kilogram per square millimeter",  "kg/mm²", 1000000_dec)
          .baseNumerator(0.000001_dec),
      UnitRow("Pound per square foot",           "lb/ft²", kPound / squareFoot()),
      UnitRow("Pound per square inch",           "lb/in²", kPound / squareInch()),
      UnitRow("Ounce per square foot",           "oz/ft²", kPound / 16_dec / squareFoot()),
      UnitRow("Ounce per square inch",           "oz/in²", kPound / 16_dec / squareInch()),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitArealDensity::allUnits() { return units(); }

}  // namespace tal
