#include "TalFoundation/catalogues/TalUnitDensity.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::density, {
      //      name                          symbol         coefficient
      UnitRow("Kilogram per Cubic Meter",   "kg/m³",       1.0_dec).base().baseNumerator(1.0_dec),
      UnitRow("Gram per Cubic Centimeter",  "g/cm³",       1000_dec).baseNumerator(0.001_dec),
      UnitRow("Gram per Milliliter",        "g/mL",        1000_dec).baseNumerator(0.001_dec),
      UnitRow("Kilogram per Liter",         "kg/L",        1000_dec).baseNumerator(0.001_dec),
      UnitRow("Pound per Cubic Foot",       "lb/ft³",      kPound / pow(kFoot, 3)),
      UnitRow("Pound per Cubic Inch",       "lb/in³",      kPound / pow(kInch, 3)),
      UnitRow("Pound per US Gallon",        "lb/US gal",   kPound / (kUSGallon * 0.001_dec)),
      UnitRow("Pound per Imperial Gallon",  "lb/imp gal",  kPound / (kImperialGallon * 0.001_dec)),
      UnitRow("Tonne per Cubic Meter",      "t/m³",        1000_dec).baseNumerator(0.001_dec),
      UnitRow("Ounce per US Gallon",        "oz/US gal",   kPound / (kUSGallon * 0.001_dec) / 16_dec),
      UnitRow("Ounce per Imperial Gallon",  "oz/imp gal",  kPound / (kImperialGallon * 0.001_dec) / 16_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitDensity::allUnits() { return units(); }

}  // namespace tal
