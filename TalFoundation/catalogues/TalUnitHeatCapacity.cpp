#include "TalFoundation/catalogues/TalUnitHeatCapacity.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  // A BTU per Rankine degree is 9/5 BTU per kelvin.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::heatCapacity, {
      //      name                                            symbol       coefficient
      UnitRow("Joule per kelvin",                             "J/K",       1_dec).base(),
      UnitRow("Kilojoule per kelvin",                         "kJ/K",      1000_dec),
      UnitRow("Calorie (thermochemical) per kelvin",          "cal_th/K",  kCalorieTh),
      UnitRow("Calorie (international table) per kelvin",     "cal_IT/K",  kCalorieIT),
      UnitRow("Kilocalorie (thermochemical) per kelvin",      "kcal_th/K", kCalorieTh * 1000_dec),
      UnitRow("Kilocalorie (international table) per kelvin", "kcal_IT/K", kCalorieIT * 1000_dec),
      UnitRow("BTU (thermochemical) per degree Rankine",      "BTU_th/°R", kBtuTh * (9_dec / 5_dec)),
      UnitRow("BTU (international table) per degree Rankine", "BTU_IT/°R", kBtuIT * (9_dec / 5_dec)),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitHeatCapacity::allUnits() { return units(); }

}  // namespace tal
