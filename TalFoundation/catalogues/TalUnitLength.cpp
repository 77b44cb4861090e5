#include "TalFoundation/catalogues/TalUnitLength.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"
#include "TalFoundation/platform/Unit.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  using platform::UnitLength;
  constexpr TalUnitCustomaryNameStrategy general{TalUnitCustomaryNameStrategy::Case::general};
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::length, {
      //      name                  symbol            coefficient    platform unit
      UnitRow("Megameter",          platformSymbol,   1000000_dec,   UnitLength::megameters())
          .baseNumerator(0.000001_dec),
      UnitRow("Kilometer",          platformSymbol,   1000_dec,      UnitLength::kilometers())
          .baseNumerator(0.001_dec),
      UnitRow("Hectometer",         platformSymbol,   100_dec,       UnitLength::hectometers())
          .baseNumerator(0.01_dec),
      UnitRow("Decameter",          platformSymbol,   10_dec,        UnitLength::decameters()).baseNumerator(0.1_dec),
      UnitRow("Meter",              platformSymbol,   1_dec,         UnitLength::meters())
          .base().baseNumerator(1_dec),
      UnitRow("Decimeter",          platformSymbol,   0.1_dec,       UnitLength::decimeters()).baseNumerator(10_dec),
      UnitRow("Centimeter",         platformSymbol,   0.01_dec,      UnitLength::centimeters())
          .baseNumerator(100_dec),
      UnitRow("Millimeter",         platformSymbol,   0.001_dec,     UnitLength::millimeters())
          .baseNumerator(1000_dec),
      UnitRow("Micrometer",         platformSymbol,   0.000001_dec,  UnitLength::micrometers())
          .baseNumerator(1000000_dec),
      UnitRow("Nanometer",          platformSymbol,   1e-9_dec,      UnitLength::nanometers()).baseNumerator(1e9_dec),
      UnitRow("Picometer",          platformSymbol,   1e-12_dec,     UnitLength::picometers())
          .baseNumerator(1e12_dec),
      UnitRow("Inches",             platformSymbol,   kInch,         UnitLength::inches()),
      UnitRow("Foot",               platformSymbol,   kFoot,         UnitLength::feet()),
      UnitRow("Yard",               platformSymbol,   kYard,         UnitLength::yards()),
      UnitRow("Fathom",             platformSymbol,   1.8288_dec,    UnitLength::fathoms()),
      UnitRow("Rod",                "rd",             5.0292_dec).key("unit_length_rd"),
      UnitRow("Chain",              "ch",             20.1168_dec).key("unit_length_ch"),
      UnitRow("Furlong",            platformSymbol,   201.168_dec,   UnitLength::furlongs()),
      UnitRow("Mile",               platformSymbol,   kMile,         UnitLength::miles()),
      UnitRow("Scandinavian Mile",  platformSymbol,   10000.0_dec,   UnitLength::scandinavianMiles())
          .baseNumerator(0.0001_dec),
      UnitRow("Nautical Mile",      "n mile",         1852.0_dec,    UnitLength::nauticalMiles())
          .key("unit_length_$Nautical_Mile"),
      UnitRow("Astronomical Unit",  "au",             1.496e11_dec,  UnitLength::astronomicalUnits())
          .key("unit_length_$Astronomical_Unit"),
      UnitRow("Parsec",             platformSymbol,   3.086e16_dec,  UnitLength::parsecs()),
      UnitRow("Light Year",         platformSymbol,   9.461e15_dec,  UnitLength::lightyears()),
      UnitRow("Chinese mainland li (length), 500 m", "li(500 m)", 500_dec)
          .baseNumerator(0.002_dec).region(TalUnitRegion::CHN).customaryName(general).key("unit_length_CHN_li")
          .numsInName({"500"}).numsInSymbol({"500"}),
      UnitRow("Chinese mainland yin, ≈ 33.33 m", "yin", 100.0_dec / 3.0_dec)
          .baseNumerator(0.03_dec).region(TalUnitRegion::CHN).customaryName(general).key("unit_length_CHN_yin")
          .numsInName({"33.33"}),
      UnitRow("Chinese mainland zhang, ≈ 3.33 m", "zhang", 10.0_dec / 3.0_dec)
          .baseNumerator(0.3_dec).region(TalUnitRegion::CHN).customaryName(general).key("unit_length_CHN_zhang")
          .numsInName({"3.33"}),
      UnitRow("Chinese mainland chi, ≈ 0.33 m", "chi", 1.0_dec / 3.0_dec)
          .baseNumerator(3.0_dec).region(TalUnitRegion::CHN).customaryName(general).key("unit_length_CHN_chi")
          .numsInName({"0.33"}),
      UnitRow("Chinese mainland cun, ≈ 3.33 cm", "cun", 1.0_dec / 30.0_dec)
          .baseNumerator(30.0_dec).region(TalUnitRegion::CHN).customaryName(general).key("unit_length_CHN_cun")
          .numsInName({"3.33"}),
      UnitRow("Chinese mainland fen (length), ≈ 3.33 mm", "fen", 1.0_dec / 300.0_dec)
          .baseNumerator(300.0_dec).region(TalUnitRegion::CHN).customaryName(general).key("unit_length_CHN_fen")
          .numsInName({"3.33"}),
      UnitRow("Chinese mainland li (length), ≈ 0.33 mm", "li(≈ 0.33 mm)", 1.0_dec / 3000.0_dec)
          .baseNumerator(3000.0_dec).region(TalUnitRegion::CHN).customaryName(general)
          .key("unit_length_CHN_centi_cun").numsInName({"0.33"}).numsInSymbol({"0.33"}),
      UnitRow("Chinese mainland hao (length), ≈ 0.033 mm", "hao", 1.0_dec / 30000.0_dec)
          .baseNumerator(30000.0_dec).region(TalUnitRegion::CHN).customaryName(general).key("unit_length_CHN_hao")
          .numsInName({"0.033"}),
      UnitRow("Jo (10 Shaku)",      "jo",             taiwanShaku() * 10_dec)
          .baseNumerator(0.33_dec).region(TalUnitRegion::TWN).customaryName(general).key("unit_length_TWN_zhang")
          .numsInName({"10"}),
      UnitRow("Shaku (10/33 m)",    "shaku",          taiwanShaku())
          .baseNumerator(3.3_dec).region(TalUnitRegion::TWN).customaryName(general).key("unit_length_TWN_chi")
          .numsInName({"10", "33"}),
      UnitRow("Sun (1/33 m)",       "sun",            taiwanShaku() / 10_dec)
          .baseNumerator(33_dec).region(TalUnitRegion::TWN).customaryName(general).key("unit_length_TWN_cun")
          .numsInName({"33", "1"}),
      UnitRow("Bu (1/100 Shaku)",   "bu",             taiwanShaku() / 100_dec)
          .baseNumerator(330_dec).region(TalUnitRegion::TWN).customaryName(general).key("unit_length_TWN_fen")
          .numsInName({"100", "1"}),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitLength::allUnits() { return units(); }
const TalUnit& TalUnitLength::CHN_li() { return units()[24]; }

}  // namespace tal
