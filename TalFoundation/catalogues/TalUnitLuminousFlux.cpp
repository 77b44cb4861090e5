#include "TalFoundation/catalogues/TalUnitLuminousFlux.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::luminousFlux, {
      //      name                          symbol   coefficient
      UnitRow("Lumen",                      "lm",    1.0_dec)
          .base().baseNumerator(1.0_dec).key("unit_luminousflux_lm"),
      UnitRow("Kilolumen",                  "klm",   1000_dec)
          .baseNumerator(0.001_dec).key("unit_luminousflux_klm"),
      UnitRow("Megalumen",                  "Mlm",   1000000_dec)
          .baseNumerator(0.000001_dec).key("unit_luminousflux_Mlm"),
      UnitRow("Millilumen",                 "mlm",   0.001_dec)
          .baseNumerator(1000_dec).key("unit_luminousflux_mlm"),
      UnitRow("Candela Steradian",          "cd·sr", 1.0_dec)
          .baseNumerator(1.0_dec).key("unit_luminousflux_cd·sr"),
      UnitRow("Mean Spherical Candlepower", "MSCP",  4.0_dec * Decimal::pi()).key("unit_luminousflux_MSCP"),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitLuminousFlux::allUnits() { return units(); }

}  // namespace tal
