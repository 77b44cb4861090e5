#include "TalFoundation/catalogues/TalUnitMassConcentration.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"
#include "TalFoundation/platform/Unit.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  using platform::UnitConcentrationMass;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::massConcentration, {
      //      name                           symbol           coefficient  platform unit
      UnitRow("Kilogram per Cubic Meter",    "kg/m³",         1.0_dec)
          .baseNumerator(1.0_dec).key("unit_massconcentration_kg/m³"),
      UnitRow("Gram per Liter",              platformSymbol,  1.0_dec,     UnitConcentrationMass::gramsPerLiter())
          .base().baseNumerator(1.0_dec),
      UnitRow("Gram per Cubic Centimeter",   "g/cm³",         1000_dec)
          .baseNumerator(0.001_dec).key("unit_massconcentration_g/cm³"),
      UnitRow("Milligram per Milliliter",    "mg/mL",         1.0_dec)
          .baseNumerator(1.0_dec).key("unit_massconcentration_mg/mL"),
      UnitRow("Milligram per Deciliter",     platformSymbol,  0.01_dec,    UnitConcentrationMass::milligramsPerDeciliter())
          .baseNumerator(100_dec),
      UnitRow("Gram per Deciliter",          "g/dL",          10_dec)
          .baseNumerator(0.1_dec).key("unit_massconcentration_g/dL"),
      UnitRow("Microgram per Milliliter",    "μg/mL",         0.001_dec)
          .baseNumerator(1000_dec).key("unit_massconcentration_μg/mL"),
      UnitRow("Nanogram per Milliliter",     "ng/mL",         0.000001_dec)
          .baseNumerator(1000000_dec).key("unit_massconcentration_ng/mL"),
      UnitRow("Picogram per Milliliter",     "pg/mL",         1e-9_dec)
          .baseNumerator(1e9_dec).key("unit_massconcentration_pg/mL"),
      UnitRow("Gram per Cubic Meter",        "g/m³",          0.001_dec)
          .baseNumerator(1000_dec).key("unit_massconcentration_g/m³"),
      UnitRow("Milligram per Cubic Meter",   "mg/m³",         0.000001_dec)
          .baseNumerator(1000000_dec).key("unit_massconcentration_mg/m³"),
      UnitRow("Percent Mass by Volume",      "% (m/v)",       10_dec)
          .baseNumerator(0.1_dec).key("unit_massconcentration_% (m/v)"),
      UnitRow("Part per Million by Mass",    "ppm (m/v)",     0.001_dec)
          .baseNumerator(1000_dec).key("unit_massconcentration_ppm (m/v)"),
      UnitRow("Part per Billion by Mass",    "ppb (m/v)",     0.000001_dec)
          .baseNumerator(1000000_dec).key("unit_massconcentration_ppb (m/v)"),
      UnitRow("Pound per Cubic Foot",        "lb/ft³",        16.0185_dec).key("unit_massconcentration_lb/ft³"),
      UnitRow("Pound per US liquid gallon",  "lb/US gal",     119.826_dec).key("unit_massconcentration_lb/US gal"),
      UnitRow("Pound per Imperial Gallon",   "lb/imp gal",    99.7763_dec).key("unit_massconcentration_lb/imp gal"),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitMassConcentration::allUnits() { return units(); }

}  // namespace tal
