#include "TalFoundation/catalogues/TalUnitSpecificHeatCapacity.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

// The foot pound-force, in joules, to ten digits (the energy catalogue's
// foot-pound carries more).
constexpr Decimal kFootPoundForce = 1.355817948_dec;

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Per pound, and Fahrenheit (or Rankine) degrees per kelvin: each one
  // quotient, made once, so every per-pound row shares its rounding.
  static const Decimal perPound = 1_dec / kPound;
  static const Decimal degreesFPerKelvin = 9_dec / 5_dec;
  // Never destroyed, so work still running at exit can read it.
  // A kelvin and a degree Celsius are the same step, so each "-°C" row repeats
  // its "-kelvin" row. The BTU-per-pound-kelvin rows go through the degree
  // Fahrenheit and back, keeping the rounding of that detour. The calorie per
  // gram-°F rows carry the per-°C factor without the 9/5 degree ratio; they are
  // the app's established values: change them only together with the app's data.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::specificHeatCapacity, {
      //      name                                        symbol              coefficient
      UnitRow("Joule per kilogram-kelvin",                "J/(kg·K)",         1_dec).base(),
      UnitRow("Joule per kilogram-°C",                    "J/(kg·°C)",        1_dec),
      UnitRow("Joule per gram-kelvin",                    "J/(g·K)",          1000_dec),
      UnitRow("Joule per gram-°C",                        "J/(g·°C)",         1000_dec),
      UnitRow("Kilojoule per kilogram-kelvin",            "kJ/(kg·K)",        1000_dec),
      UnitRow("Kilojoule per kilogram-°C",                "kJ/(kg·°C)",       1000_dec),
      UnitRow("Kilogram-force meter per kilogram-kelvin", "kgf·m/(kg·K)",     kStandardGravity),
      UnitRow("Pound-force foot per pound-°R",            "lbf·ft/(lb·°R)",   kFootPoundForce * perPound * degreesFPerKelvin),

      UnitRow("Calorie (IT) per kilogram-kelvin",         "cal_IT/(kg·K)",    kCalorieIT),
      UnitRow("Calorie (IT) per kilogram-°C",             "cal_IT/(kg·°C)",   kCalorieIT),
      UnitRow("Calorie (IT) per gram-kelvin",             "cal_IT/(g·K)",     kCalorieIT * 1000_dec),
      UnitRow("Calorie (IT) per gram-°C",                 "cal_IT/(g·°C)",    kCalorieIT * 1000_dec),
      UnitRow("Calorie (IT) per gram-°F",                 "cal_IT/(g·°F)",    kCalorieIT * 1000_dec),
      UnitRow("Kilocalorie (IT) per kilogram-kelvin",     "kcal_IT/(kg·K)",   kCalorieIT * 1000_dec),
      UnitRow("Kilocalorie (IT) per kilogram-°C",         "kcal_IT/(kg·°C)",  kCalorieIT * 1000_dec),
      UnitRow("BTU (IT) per pound-kelvin",                "BTU_IT/(lb·K)",    kBtuIT * perPound * degreesFPerKelvin / degreesFPerKelvin),
      UnitRow("BTU (IT) per pound-°C",                    "BTU_IT/(lb·°C)",   kBtuIT * perPound * degreesFPerKelvin / degreesFPerKelvin),
      UnitRow("BTU (IT) per pound-°F",                    "BTU_IT/(lb·°F)",   kBtuIT * perPound * degreesFPerKelvin),
      UnitRow("BTU (IT) per pound-°R",                    "BTU_IT/(lb·°R)",   kBtuIT * perPound * degreesFPerKelvin),

      UnitRow("Calorie (th) per kilogram-kelvin",         "cal_th/(kg·K)",    kCalorieTh),
      UnitRow("Calorie (th) per kilogram-°C",             "cal_th/(kg·°C)",   kCalorieTh),
      UnitRow("Calorie (th) per gram-kelvin",             "cal_th/(g·K)",     kCalorieTh * 1000_dec),
      UnitRow("Calorie (th) per gram-°C",                 "cal_th/(g·°C)",    kCalorieTh * 1000_dec),
      UnitRow("Calorie (th) per gram-°F",                 "cal_th/(g·°F)",    kCalorieTh * 1000_dec),
      UnitRow("Kilocalorie (th) per kilogram-kelvin",     "kcal_th/(kg·K)",   kCalorieTh * 1000_dec),
      UnitRow("Kilocalorie (th) per kilogram-°C",         "kcal_th/(kg·°C)",  kCalorieTh * 1000_dec),
      UnitRow("BTU (th) per pound-kelvin",                "BTU_th/(lb·K)",    kBtuTh * perPound * degreesFPerKelvin / degreesFPerKelvin),
      UnitRow("BTU (th) per pound-°C",                    "BTU_th/(lb·°C)",   kBtuTh * perPound * degreesFPerKelvin / degreesFPerKelvin),
      UnitRow("BTU (th) per pound-°F",                    "BTU_th/(lb·°F)",   kBtuTh * perPound * degreesFPerKelvin),
      UnitRow("BTU (th) per pound-°R",                    "BTU_th/(lb·°R)",   kBtuTh * perPound * degreesFPerKelvin),

      UnitRow("Calorie (15°C) per kilogram-kelvin",       "cal_15/(kg·K)",    kCalorie15)
          .numsInName({"15"}).numsInSymbol({"15"}),
      UnitRow("Calorie (15°C) per kilogram-°C",           "cal_15/(kg·°C)",   kCalorie15)
          .numsInName({"15"}).numsInSymbol({"15"}),
      UnitRow("Calorie (15°C) per gram-kelvin",           "cal_15/(g·K)",     kCalorie15 * 1000_dec)
          .numsInName({"15"}).numsInSymbol({"15"}),
      UnitRow("Calorie (15°C) per gram-°C",               "cal_15/(g·°C)",    kCalorie15 * 1000_dec)
          .numsInName({"15"}).numsInSymbol({"15"}),
      UnitRow("Calorie (15°C) per gram-°F",               "cal_15/(g·°F)",    kCalorie15 * 1000_dec)
          .numsInName({"15"}).numsInSymbol({"15"}),
      UnitRow("Kilocalorie (15°C) per kilogram-kelvin",   "kcal_15/(kg·K)",   kCalorie15 * 1000_dec)
          .numsInName({"15"}).numsInSymbol({"15"}),
      UnitRow("Kilocalorie (15°C) per kilogram-°C",       "kcal_15/(kg·°C)",  kCalorie15 * 1000_dec)
          .numsInName({"15"}).numsInSymbol({"15"}),
      UnitRow("BTU (15°C) per pound-kelvin",              "BTU_15/(lb·K)",    kBtu15 * perPound * degreesFPerKelvin / degreesFPerKelvin)
          .numsInName({"15"}).numsInSymbol({"15"}),
      UnitRow("BTU (15°C) per pound-°C",                  "BTU_15/(lb·°C)",   kBtu15 * perPound * degreesFPerKelvin / degreesFPerKelvin)
          .numsInName({"15"}).numsInSymbol({"15"}),
      UnitRow("BTU (15°C) per pound-°F",                  "BTU_15/(lb·°F)",   kBtu15 * perPound * degreesFPerKelvin)
          .numsInName({"15"}).numsInSymbol({"15"}),
      UnitRow("BTU (15°C) per pound-°R",                  "BTU_15/(lb·°R)",   kBtu15 * perPound * degreesFPerKelvin)
          .numsInName({"15"}).numsInSymbol({"15"}),

      UnitRow("Calorie (20°C) per kilogram-kelvin",       "cal_20/(kg·K)",    kCalorie20)
          .numsInName({"20"}).numsInSymbol({"20"}),
      UnitRow("Calorie (20°C) per kilogram-°C",           "cal_20/(kg·°C)",   kCalorie20)
          .numsInName({"20"}).numsInSymbol({"20"}),
      UnitRow("Calorie (20°C) per gram-kelvin",           "cal_20/(g·K)",     kCalorie20 * 1000_dec)
          .numsInName({"20"}).numsInSymbol({"20"}),
      UnitRow("Calorie (20°C) per gram-°C",               "cal_20/(g·°C)",    kCalorie20 * 1000_dec)
          .numsInName({"20"}).numsInSymbol({"20"}),
      UnitRow("Calorie (20°C) per gram-°F",               "cal_20/(g·°F)",    kCalorie20 * 1000_dec)
          .numsInName({"20"}).numsInSymbol({"20"}),
      UnitRow("Kilocalorie (20°C) per kilogram-kelvin",   "kcal_20/(kg·K)",   kCalorie20 * 1000_dec)
          .numsInName({"20"}).numsInSymbol({"20"}),
      UnitRow("Kilocalorie (20°C) per kilogram-°C",       "kcal_20/(kg·°C)",  kCalorie20 * 1000_dec)
          .numsInName({"20"}).numsInSymbol({"20"}),
      UnitRow("BTU (20°C) per pound-kelvin",              "BTU_20/(lb·K)",    kBtu20 * perPound * degreesFPerKelvin / degreesFPerKelvin)
          .numsInName({"20"}).numsInSymbol({"20"}),
      UnitRow("BTU (20°C) per pound-°C",                  "BTU_20/(lb·°C)",   kBtu20 * perPound * degreesFPerKelvin / degreesFPerKelvin)
          .numsInName({"20"}).numsInSymbol({"20"}),
      UnitRow("BTU (20°C) per pound-°F",                  "BTU_20/(lb·°F)",   kBtu20 * perPound * degreesFPerKelvin)
          .numsInName({"20"}).numsInSymbol({"20"}),
      UnitRow("BTU (20°C) per pound-°R",                  "BTU_20/(lb·°R)",   kBtu20 * perPound * degreesFPerKelvin)
          .numsInName({"20"}).numsInSymbol({"20"}),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitSpecificHeatCapacity::allUnits() { return units(); }

}  // namespace tal
