#include "TalFoundation/catalogues/TalUnitMagnetization.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::magnetization, {
      //      name                                         symbol     coefficient
      UnitRow("Ampere per meter",                          "A/m",     1_dec).base(),
      UnitRow("Tesla per vacuum permeability",             "T/μ₀",    1_dec),
      UnitRow("Electromagnetic unit per cubic centimeter", "emu/cm³", 1000_dec),
      UnitRow("Gauss",                                     "G",       1000_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitMagnetization::allUnits() { return units(); }

}  // namespace tal
