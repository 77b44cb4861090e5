#include "TalFoundation/catalogues/TalUnitEntropy.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  // A BTU per Rankine degree is 9/5 BTU per kelvin.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::entropy, {
      //      name                                       symbol       coefficient
      UnitRow("Joule per kelvin",                        "J/K",       1_dec).base().baseNumerator(1_dec),
      UnitRow("Kilojoule per kelvin",                    "kJ/K",      1000_dec),
      UnitRow("Calorie (thermochemical) per kelvin",     "cal_th/K",  kCalorieTh),
      UnitRow("Kilocalorie (thermochemical) per kelvin", "kcal_th/K", kCalorieTh * 1000_dec),
      UnitRow("BTU (thermochemical) per rankine",        "BTU_th/°R", kBtuTh * (9_dec / 5_dec)),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitEntropy::allUnits() { return units(); }

}  // namespace tal
