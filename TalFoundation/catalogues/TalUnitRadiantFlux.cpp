#include "TalFoundation/catalogues/TalUnitRadiantFlux.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::radiantFlux, {
      //      name         symbol coefficient
      UnitRow("Watt",      "W",   1_dec).base().key("unit_power_W"),
      UnitRow("Milliwatt", "mW",  0.001_dec).key("unit_power_mW"),
      UnitRow("Kilowatt",  "kW",  1000_dec).key("unit_power_kW"),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitRadiantFlux::allUnits() { return units(); }

}  // namespace tal
