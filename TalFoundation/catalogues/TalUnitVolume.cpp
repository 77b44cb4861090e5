#include "TalFoundation/catalogues/TalUnitVolume.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"
#include "TalFoundation/platform/Unit.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  using platform::UnitVolume;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::volume, {
      //      name                      symbol           coefficient                      platform unit
      UnitRow("Megaliter",              platformSymbol,  1000000_dec,                     UnitVolume::megaliters())
          .baseNumerator(0.000001_dec),
      UnitRow("Kiloliter",              platformSymbol,  1000_dec,                        UnitVolume::kiloliters())
          .baseNumerator(0.001_dec),
      UnitRow("Liter",                  platformSymbol,  1.0_dec,                         UnitVolume::liters())
          .base().baseNumerator(1.0_dec),
      UnitRow("Deciliter",              platformSymbol,  0.1_dec,                         UnitVolume::deciliters())
          .baseNumerator(10_dec),
      UnitRow("Centiliter",             platformSymbol,  0.01_dec,                        UnitVolume::centiliters())
          .baseNumerator(100_dec),
      UnitRow("Milliliter",             platformSymbol,  0.001_dec,                       UnitVolume::milliliters())
          .baseNumerator(1000_dec),
      UnitRow("Cubic Kilometer",        platformSymbol,  1e12_dec,                        UnitVolume::cubicKilometers())
          .baseNumerator(1e-12_dec),
      UnitRow("Cubic Meter",            platformSymbol,  1000_dec,                        UnitVolume::cubicMeters())
          .baseNumerator(0.001_dec),
      UnitRow("Cubic Decimeter",        platformSymbol,  1.0_dec,                         UnitVolume::cubicDecimeters())
          .baseNumerator(1.0_dec),
      UnitRow("Cubic Centimeter",       platformSymbol,  0.001_dec,                       UnitVolume::cubicCentimeters())
          .baseNumerator(1000_dec),
      UnitRow("Cubic Millimeter",       platformSymbol,  0.000001_dec,                    UnitVolume::cubicMillimeters())
          .baseNumerator(1000000_dec),
      UnitRow("Cubic Inch",             platformSymbol,  0.016387064_dec,                 UnitVolume::cubicInches()),
      UnitRow("Cubic Foot",             platformSymbol,  28.316846592_dec,                UnitVolume::cubicFeet()),
      UnitRow("Cubic Yard",             platformSymbol,  764.554857984_dec,               UnitVolume::cubicYards()),
      UnitRow("Cubic Mile",             platformSymbol,  4168181825440.579584_dec,        UnitVolume::cubicMiles()),
      UnitRow("Metric Cup",             platformSymbol,  0.25_dec,                        UnitVolume::metricCups())
          .baseNumerator(4.0_dec).key("unit_volume_metric cup"),
      UnitRow("Imperial Teaspoon",      "imp tsp",       kImperialGallon / 960_dec,       UnitVolume::imperialTeaspoons())
          .region(TalUnitRegion::GBR).key("unit_volume_imp tsp"),
      UnitRow("Imperial Tablespoon",    "imp tbsp",      kImperialGallon * 0.003125_dec,  UnitVolume::imperialTablespoons())
          .region(TalUnitRegion::GBR).key("unit_volume_imp tbsp"),
      UnitRow("Imperial Fluid Ounce",   "imp fl oz",     kImperialGallon * 0.00625_dec,   UnitVolume::imperialFluidOunces())
          .region(TalUnitRegion::GBR).key("unit_volume_imp fl oz"),
      UnitRow("Imperial Cup",           "imp cup",       kImperialGallon * 0.05_dec)
          .region(TalUnitRegion::GBR).key("unit_volume_imp cup"),
      UnitRow("Imperial Pint",          "imp pt",        kImperialGallon * 0.125_dec,     UnitVolume::imperialPints())
          .region(TalUnitRegion::GBR).key("unit_volume_imp pt"),
      UnitRow("Imperial Quart",         "imp qt",        kImperialGallon * 0.25_dec,      UnitVolume::imperialQuarts())
          .region(TalUnitRegion::GBR).key("unit_volume_imp qt"),
      UnitRow("Imperial Gallon",        "imp gal",       kImperialGallon,                 UnitVolume::imperialGallons())
          .region(TalUnitRegion::GBR).key("unit_volume_imp gal"),
      UnitRow("Imperial Bushel",        "imp bu",        kImperialGallon * 8.0_dec)
          .region(TalUnitRegion::GBR).key("unit_volume_imp bu"),
      UnitRow("Teaspoon",               "US tsp",        kUSGallon / 768_dec,             UnitVolume::teaspoons())
          .region(TalUnitRegion::USA),
      UnitRow("Tablespoon",             "US tbsp",       kUSGallon * 0.00390625_dec,      UnitVolume::tablespoons())
          .region(TalUnitRegion::USA),
      UnitRow("Fluid Ounce",            "US fl oz",      kUSGallon * 0.0078125_dec,       UnitVolume::fluidOunces())
          .region(TalUnitRegion::USA),
      UnitRow("Cup",                    "US cup",        kUSGallon * 0.0625_dec,          UnitVolume::cups())
          .region(TalUnitRegion::USA),
      UnitRow("Pint",                   "US pt",         kUSGallon * 0.125_dec,           UnitVolume::pints())
          .region(TalUnitRegion::USA),
      UnitRow("Quart",                  "US qt",         kUSGallon * 0.25_dec,            UnitVolume::quarts())
          .region(TalUnitRegion::USA),
      UnitRow("Gallon",                 "US gal",        kUSGallon,                       UnitVolume::gallons())
          .region(TalUnitRegion::USA),
      UnitRow("Acre Foot",              platformSymbol,  1233.48183754752_dec,            UnitVolume::acreFeet())
          .region(TalUnitRegion::USA),
      UnitRow("Barrel (US petroleum)",  "bbl",           kUSGallon * 42_dec).region(TalUnitRegion::USA),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitVolume::allUnits() { return units(); }
const TalUnit& TalUnitVolume::cubicMeters() { return units()[7]; }

}  // namespace tal
