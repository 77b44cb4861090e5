#include "TalFoundation/catalogues/TalUnitEnthalpy.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  // A calorie per gram and a kilocalorie per kilogram are the same amount.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::enthalpy, {
      //      name                                         symbol        coefficient
      UnitRow("Joule per kilogram",                        "J/kg",       1_dec).base().baseNumerator(1_dec),
      UnitRow("Kilojoule per kilogram",                    "kJ/kg",      1000_dec),
      UnitRow("Calorie (thermochemical) per gram",         "cal_th/g",   kCalorieTh * 1000_dec),
      UnitRow("Kilocalorie (thermochemical) per kilogram", "kcal_th/kg", kCalorieTh * 1000_dec),
      UnitRow("BTU (thermochemical) per pound",            "BTU_th/lb",  kBtuTh / kPound),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitEnthalpy::allUnits() { return units(); }

}  // namespace tal
