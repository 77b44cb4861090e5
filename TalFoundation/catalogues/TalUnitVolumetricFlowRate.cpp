#include "TalFoundation/catalogues/TalUnitVolumetricFlowRate.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  // Never destroyed, so work still running at exit can read it.
  // Gallons are in litres, so each goes through 0.001 m³/L first; the oil
  // barrel is 42 US gallons.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::volumetricFlowRate, {
      //      name                          symbol         coefficient
      UnitRow("Cubic Meter per Second",     "m³/s",        1_dec)
          .base().baseNumerator(1_dec),
      UnitRow("Cubic Meter per Hour",       "m³/h",        1_dec / 3600_dec)
          .baseNumerator(3600_dec),
      UnitRow("Liter per Second",           "L/s",         0.001_dec)
          .baseNumerator(1000_dec),
      UnitRow("Liter per Minute",           "L/min",       0.001_dec / 60_dec)
          .baseNumerator(60000_dec),
      UnitRow("Liter per Hour",             "L/h",         0.001_dec / 3600_dec)
          .baseNumerator(3600000_dec),
      UnitRow("Milliliter per Minute",      "mL/min",      0.000001_dec / 60_dec)
          .baseNumerator(60000000_dec),
      UnitRow("US Gallon per Minute",       "US gal/min",  kUSGallon * 0.001_dec / 60_dec),
      UnitRow("Imperial Gallon per Minute", "imp gal/min", kImperialGallon * 0.001_dec / 60_dec),
      UnitRow("US Gallon per Hour",         "US gal/h",    kUSGallon * 0.001_dec / 3600_dec),
      UnitRow("Imperial Gallon per Hour",   "imp gal/h",   kImperialGallon * 0.001_dec / 3600_dec),
      UnitRow("Cubic Foot per Minute",      "ft³/min",     pow(kFoot, 3) / 60_dec),
      UnitRow("Barrel per Day",             "bbl/d",       42_dec * (kUSGallon * 0.001_dec) / 86400_dec),
      UnitRow("Thousand Barrels per Day",   "Mb/d",        42_dec * (kUSGallon * 0.001_dec) * 1000_dec / 86400_dec),
      UnitRow("Million Barrels per Day",    "MMb/d",       42_dec * (kUSGallon * 0.001_dec) * 1000000_dec / 86400_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitVolumetricFlowRate::allUnits() { return units(); }

}  // namespace tal
