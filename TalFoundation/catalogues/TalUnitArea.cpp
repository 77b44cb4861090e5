#include "TalFoundation/catalogues/TalUnitArea.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"
#include "TalFoundation/platform/Unit.h"

namespace tal {

namespace {

// The Taiwan ping, 36 square shaku; the Taiwan land units are multiples of it.
const Decimal& ping() {
  using catalogue::taiwanShaku;
  static const Decimal value = taiwanShaku() * taiwanShaku() * 36_dec;
  return value;
}

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  using platform::UnitArea;
  constexpr TalUnitCustomaryNameStrategy general{TalUnitCustomaryNameStrategy::Case::general};
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::area, {
      //      name                         symbol            coefficient                  platform unit
      UnitRow("Square Megameter",          platformSymbol,   1e12_dec,                    UnitArea::squareMegameters())
          .baseNumerator(1e-12_dec).numsInSymbol({"2"}),
      UnitRow("Square Kilometer",          platformSymbol,   1000000_dec,                 UnitArea::squareKilometers())
          .baseNumerator(0.000001_dec).numsInSymbol({"2"}),
      UnitRow("Square Hectometer",         "hm²",            10000.0_dec)
          .baseNumerator(0.0001_dec).key("unit_area_hm²").numsInSymbol({"2"}),
      UnitRow("Square Decameter",          "dam²",           100_dec)
          .baseNumerator(0.01_dec).key("unit_area_dam²").numsInSymbol({"2"}),
      UnitRow("Square Meter",              "m²",             1.0_dec,                     UnitArea::squareMeters())
          .base().baseNumerator(1.0_dec).numsInSymbol({"2"}),
      UnitRow("Square Decimeter",          "dm²",            0.01_dec)
          .baseNumerator(100_dec).key("unit_area_dm²").numsInSymbol({"2"}),
      UnitRow("Square Centimeter",         platformSymbol,   0.0001_dec,                  UnitArea::squareCentimeters())
          .baseNumerator(10000_dec).numsInSymbol({"2"}),
      UnitRow("Square Millimeter",         platformSymbol,   0.000001_dec,                UnitArea::squareMillimeters())
          .baseNumerator(1000000_dec).numsInSymbol({"2"}),
      UnitRow("Square Micrometer",         platformSymbol,   1e-12_dec,                   UnitArea::squareMicrometers())
          .baseNumerator(1e12_dec).numsInSymbol({"2"}),
      UnitRow("Hectare",                   platformSymbol,   10000_dec,                   UnitArea::hectares())
          .baseNumerator(0.0001_dec),
      UnitRow("Are",                       "a",              100_dec).baseNumerator(0.01_dec).key("unit_area_a"),
      UnitRow("Square Inch",               platformSymbol,   squareInch(),                UnitArea::squareInches())
          .numsInSymbol({"2"}),
      UnitRow("Square Foot",               platformSymbol,   squareFoot(),                UnitArea::squareFeet())
          .numsInSymbol({"2"}),
      UnitRow("Square Yard",               platformSymbol,   kYard * kYard,               UnitArea::squareYards())
          .numsInSymbol({"2"}),
      UnitRow("Square Mile",               platformSymbol,   kMile * kMile,               UnitArea::squareMiles())
          .numsInSymbol({"2"}),
      UnitRow("Acre",                      platformSymbol,   43560.0_dec * squareFoot(),  UnitArea::acres()),
      UnitRow("Chinese mainland qing, ≈ 6.667 ha", "qing", 200000.0_dec / 3.0_dec)
          .region(TalUnitRegion::CHN).customaryName(general).key("unit_area_CHN_qing").numsInName({"6.667"}),
      UnitRow("Chinese mainland mu, ≈ 666.667 m²", "mu", 2000.0_dec / 3.0_dec)
          .baseNumerator(0.0015_dec).region(TalUnitRegion::CHN).customaryName(general).key("unit_area_CHN_mu")
          .numsInName({"666.667", "2"}),
      UnitRow("Chinese mainland fen (area), ≈ 66.667 m²", "fen", 200.0_dec / 3.0_dec)
          .baseNumerator(0.015_dec).region(TalUnitRegion::CHN).customaryName(general).key("unit_area_CHN_fen")
          .numsInName({"66.667", "2"}),
      UnitRow("Chinese mainland li (area), ≈ 6.667 m²", "li", 20.0_dec / 3.0_dec)
          .baseNumerator(0.15_dec).region(TalUnitRegion::CHN).customaryName(general).key("unit_area_CHN_li")
          .numsInName({"6.667", "2"}),
      UnitRow("Chinese mainland hao (area), ≈ 0.667 m²", "hao", 2.0_dec / 3.0_dec)
          .baseNumerator(1.5_dec).region(TalUnitRegion::CHN).customaryName(general).key("unit_area_CHN_hao")
          .numsInName({"0.667", "2"}),
      UnitRow("Taiwan Ping, ≈ 3.3 m²",     "Taiwan Ping",    ping())
          .region(TalUnitRegion::TWN).customaryName(general).key("unit_area_TWN_ping").numsInName({"3.3", "2"}),
      UnitRow("Taiwan Fen, ≈ 969.9 m²",    "Taiwan Fen",     ping() * 293.3987701499_dec)
          .region(TalUnitRegion::TWN).customaryName(general).key("unit_area_TWN_fen").numsInName({"969.9", "2"}),
      UnitRow("Taiwan Jia, ≈ 9699.17 m²",  "Taiwan Jia",     ping() * 2934_dec)
          .region(TalUnitRegion::TWN).customaryName(general).key("unit_area_TWN_jia").numsInName({"9699.17", "2"}),
      UnitRow("Taiwan Mu, ≈ 99.17 m²",     "Taiwan Mu",      ping() * 30_dec)
          .region(TalUnitRegion::TWN).customaryName(general).key("unit_area_TWN_mu").numsInName({"99.17", "2"}),
      UnitRow("Taiwan Plough, ≈ 4.85 ha",  "Taiwan Plough",  ping() * 2934_dec * 5_dec)
          .region(TalUnitRegion::TWN).customaryName(general).key("unit_area_TWN_li").numsInName({"4.85"}),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitArea::allUnits() { return units(); }

}  // namespace tal
