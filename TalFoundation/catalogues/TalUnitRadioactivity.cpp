#include "TalFoundation/catalogues/TalUnitRadioactivity.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::radioactivity, {
      //      name             symbol coefficient
      UnitRow("Becquerel",     "Bq",  1_dec).base().baseNumerator(1_dec),
      UnitRow("Kilobecquerel", "kBq", 1000_dec).baseNumerator(0.001_dec),
      UnitRow("Megabecquerel", "MBq", 1000000_dec).baseNumerator(0.000001_dec),
      UnitRow("Curie",         "Ci",  3.7e10_dec),
      UnitRow("Millicurie",    "mCi", 3.7e7_dec),
      UnitRow("Microcurie",    "μCi", 37000_dec),
      UnitRow("Rutherford",    "Rd",  1000000_dec).baseNumerator(0.000001_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitRadioactivity::allUnits() { return units(); }

}  // namespace tal
