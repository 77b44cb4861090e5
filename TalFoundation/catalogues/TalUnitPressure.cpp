#include "TalFoundation/catalogues/TalUnitPressure.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"
#include "TalFoundation/platform/Unit.h"

namespace tal {

namespace {

// The standard atmosphere, in pascals; the torr is 1/760 of it.
constexpr Decimal kAtmosphere = 101325_dec;

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  using platform::UnitPressure;
  // Never destroyed, so work still running at exit can read it.
  // The base unit and the pascal share a platform unit; only the base unit
  // takes its symbol from it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::pressure, {
      //      name                           symbol          coefficient            platform unit
      UnitRow("Newton per Square Meter",     platformSymbol, 1.0_dec,               UnitPressure::newtonsPerMetersSquared())
          .base().baseNumerator(1.0_dec).key("unit_pressure_N/m²"),
      UnitRow("Pascal",                      "Pa",           1.0_dec,               UnitPressure::newtonsPerMetersSquared())
          .baseNumerator(1.0_dec).key("unit_pressure_Pa"),
      UnitRow("Gigapascal",                  platformSymbol, 1e9_dec,               UnitPressure::gigapascals())
          .baseNumerator(1e-9_dec).key("unit_pressure_GPa"),
      UnitRow("Megapascal",                  platformSymbol, 1000000_dec,           UnitPressure::megapascals())
          .baseNumerator(0.000001_dec),
      UnitRow("Kilopascal",                  platformSymbol, 1000_dec,              UnitPressure::kilopascals())
          .baseNumerator(0.001_dec),
      UnitRow("Hectopascal",                 platformSymbol, 100_dec,               UnitPressure::hectopascals())
          .baseNumerator(0.01_dec),
      UnitRow("Bar",                         platformSymbol, 100000_dec,            UnitPressure::bars())
          .baseNumerator(0.00001_dec),
      UnitRow("Millibar",                    platformSymbol, 100_dec,               UnitPressure::millibars())
          .baseNumerator(0.01_dec),
      UnitRow("Millimeter of Mercury",       platformSymbol, 133.322387415_dec,     UnitPressure::millimetersOfMercury()),
      // A 1 mm water column is 1 kg/m² under standard gravity.
      UnitRow("Millimeter of Water",         "mmH₂O",        kStandardGravity)
          .key("unit_pressure_mmH₂O"),
      UnitRow("Inch of Mercury",             platformSymbol, 3386.388640_dec,       UnitPressure::inchesOfMercury()),
      UnitRow("Inch of Water",               "inH₂O",        249.08891_dec)
          .key("unit_pressure_inH₂O"),
      UnitRow("Pound Force per Square Inch", platformSymbol, 6894.76_dec,           UnitPressure::poundsForcePerSquareInch()),
      UnitRow("Standard atmosphere",         "atm",          kAtmosphere),
      UnitRow("Torr",                        "Torr",         kAtmosphere / 760_dec),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitPressure::allUnits() { return units(); }

}  // namespace tal
