#include "TalFoundation/catalogues/TalUnitLuminousIntensity.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::luminousIntensity, {
      //      name            symbol    coefficient
      UnitRow("Candela",      "cd",     1.0_dec).base().baseNumerator(1.0_dec).key("unit_luminousintensity_cd"),
      UnitRow("Millicandela", "mcd",    0.001_dec).baseNumerator(1000_dec).key("unit_luminousintensity_mcd"),
      UnitRow("Kilocandela",  "kcd",    1000_dec).baseNumerator(0.001_dec).key("unit_luminousintensity_kcd"),
      UnitRow("Candlepower",  "cp",     0.981_dec).key("unit_luminousintensity_cp"),
      UnitRow("Hefnerkerze",  "HK",     0.903_dec).key("unit_luminousintensity_HK"),
      UnitRow("Violle",       "Violle", 20.17_dec).key("unit_luminousintensity_Violle"),
      UnitRow("Carcel",       "Carcel", 9.61_dec).key("unit_luminousintensity_Carcel"),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitLuminousIntensity::allUnits() { return units(); }

}  // namespace tal
