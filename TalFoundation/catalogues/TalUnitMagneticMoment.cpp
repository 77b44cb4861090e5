#include "TalFoundation/catalogues/TalUnitMagneticMoment.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::magneticMoment, {
      //      name                    symbol  coefficient
      UnitRow("Ampere square meter",  "A·m²", 1_dec).base(),
      UnitRow("Joule per tesla",      "J/T",  1_dec),
      UnitRow("Electromagnetic unit", "emu",  0.001_dec),
      UnitRow("Bohr magneton",        "μB",   9.274009994e-24_dec),
      UnitRow("Nuclear magneton",     "μN",   5.050783699e-27_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitMagneticMoment::allUnits() { return units(); }

}  // namespace tal
