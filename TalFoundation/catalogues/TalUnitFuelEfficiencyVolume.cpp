#include "TalFoundation/catalogues/TalUnitFuelEfficiencyVolume.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"
#include "TalFoundation/platform/Unit.h"

namespace tal {

namespace {

// The international mile, in kilometres.
constexpr Decimal kMileInKilometers = 1.609344_dec;

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  using platform::UnitFuelEfficiency;
  // Never destroyed, so work still running at exit can read it.
  // The distance-per-volume units are inverse: their coefficient is the
  // numerator over the value, 100 km/L being 1 L/100 km.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::fuelEfficiencyVolume, {
      //      name                            symbol           coefficient                                   platform unit
      UnitRow("Liter per 100 Kilometers",     platformSymbol,  1.0_dec,                                      UnitFuelEfficiency::litersPer100Kilometers())
          .base().baseNumerator(1.0_dec).numsInName({"100"}).numsInSymbol({"100"}),
      UnitRow("Kilometer per Liter",          "km/L",          100_dec)
          .inverse().key("unit_fuelvolume_km/L"),
      UnitRow("Mile per Imperial Gallon",     "imp mpg",       100_dec * kImperialGallon / kMileInKilometers, UnitFuelEfficiency::milesPerImperialGallon())
          .inverse().key("unit_fuelvolume_imp mpg"),
      UnitRow("Mile per US Gallon",           "US mpg",        100_dec * kUSGallon / kMileInKilometers,       UnitFuelEfficiency::milesPerGallon())
          .inverse().key("unit_fuelvolume_US mpg"),
      UnitRow("US Gallon per 100 Mile",       "US gal/100mi",  3785411784_dec / 1609344000_dec)
          .key("unit_fuelvolume_US gal/100mi").numsInName({"100"}).numsInSymbol({"100"}),
      UnitRow("Imperial Gallon per 100 Mile", "Imp gal/100mi", 4546090_dec / 1609344_dec)
          .key("unit_fuelvolume_Imp gal/100mi").numsInName({"100"}).numsInSymbol({"100"}),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitFuelEfficiencyVolume::allUnits() { return units(); }

}  // namespace tal
