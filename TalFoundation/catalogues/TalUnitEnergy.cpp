#include "TalFoundation/catalogues/TalUnitEnergy.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

// The electronvolt, in joules (exact since the 2019 SI).
constexpr Decimal kElectronvolt = 1.602176634e-19_dec;

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  // A kilocalorie is 1000 calories of its family; the MMBTU rows and the
  // thermochemical kilocalorie are written out rather than multiplied.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::energy, {
      //      name                                  symbol      coefficient
      UnitRow("Electronvolt",                       "eV",       kElectronvolt),
      UnitRow("Erg",                                "erg",      1e-7_dec),
      UnitRow("Joule",                              "J",        1.0_dec)
          .base().baseNumerator(1.0_dec),
      UnitRow("Kilojoule",                          "kJ",       1000_dec)
          .baseNumerator(0.001_dec),
      UnitRow("Calorie (international table)",      "cal_IT",   kCalorieIT),
      UnitRow("Kilocalorie (international table)",  "kcal_IT",  kCalorieIT * 1000_dec),
      UnitRow("BTU (international table)",          "BTU_IT",   kBtuIT),
      UnitRow("MMBTU (international table)",        "MMBTU_IT", 1055055852.62_dec),
      UnitRow("Calorie (thermochemical)",           "cal_th",   kCalorieTh),
      UnitRow("Kilocalorie (thermochemical)",       "kcal_th",  4184_dec),
      UnitRow("BTU (thermochemical)",               "BTU_th",   kBtuTh),
      UnitRow("MMBTU (thermochemical)",             "MMBTU_th", 1054350264.44_dec),
      UnitRow("Calorie (15°C)",                     "cal_15",   kCalorie15)
          .numsInName({"15"}).numsInSymbol({"15"}),
      UnitRow("Kilocalorie (15°C)",                 "kcal_15",  kCalorie15 * 1000_dec)
          .numsInName({"15"}).numsInSymbol({"15"}),
      UnitRow("BTU (15°C)",                         "BTU_15",   kBtu15)
          .numsInName({"15"}).numsInSymbol({"15"}),
      UnitRow("MMBTU (15°C)",                       "MMBTU_15", 1054804000_dec)
          .numsInName({"15"}).numsInSymbol({"15"}),
      UnitRow("Calorie (20°C)",                     "cal_20",   kCalorie20)
          .numsInName({"20"}).numsInSymbol({"20"}),
      UnitRow("Kilocalorie (20°C)",                 "kcal_20",  kCalorie20 * 1000_dec)
          .numsInName({"20"}).numsInSymbol({"20"}),
      UnitRow("BTU (20°C)",                         "BTU_20",   kBtu20)
          .numsInName({"20"}).numsInSymbol({"20"}),
      UnitRow("MMBTU (20°C)",                       "MMBTU_20", 1054680000_dec)
          .numsInName({"20"}).numsInSymbol({"20"}),
      UnitRow("Kilowatt Hour",                      "kWh",      3600000_dec),
      UnitRow("Tonne of oil equivalent",            "toe",      41868000000_dec),
      UnitRow("Tonne of coal equivalent",           "tce",      29307600000_dec),
      UnitRow("Tonne of TNT equivalent",            "tTNT",     4184000000_dec),
      UnitRow("Foot-pound",                         "ft·lb",    1.3558179483314004_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitEnergy::allUnits() { return units(); }

}  // namespace tal
