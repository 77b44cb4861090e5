#include "TalFoundation/catalogues/TalUnitMass.h"

#include "TalFoundation/catalogues/detail/SharedQuantities.h"
#include "TalFoundation/catalogues/detail/UnitTable.h"
#include "TalFoundation/platform/Unit.h"

namespace tal {

namespace {

// The dalton (unified atomic mass unit), in kilograms.
constexpr Decimal kDalton = 1.66053906660e-27_dec;

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  using platform::UnitMass;
  constexpr TalUnitCustomaryNameStrategy general{TalUnitCustomaryNameStrategy::Case::general};
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::mass, {
      //      name                             symbol               coefficient         platform unit
      UnitRow("Tonne",                         "t",                 1000_dec,           UnitMass::metricTons())
          .baseNumerator(0.001_dec),
      UnitRow("Kilogram",                      platformSymbol,      1.0_dec,            UnitMass::kilograms())
          .base().baseNumerator(1.0_dec),
      UnitRow("Gram",                          platformSymbol,      0.001_dec,          UnitMass::grams())
          .baseNumerator(1000_dec),
      UnitRow("Decigram",                      platformSymbol,      0.0001_dec,         UnitMass::decigrams())
          .baseNumerator(10000_dec),
      UnitRow("Centigram",                     platformSymbol,      0.00001_dec,        UnitMass::centigrams())
          .baseNumerator(100000_dec),
      UnitRow("Milligram",                     platformSymbol,      0.000001_dec,       UnitMass::milligrams())
          .baseNumerator(1000000_dec),
      UnitRow("Microgram",                     platformSymbol,      1e-9_dec,           UnitMass::micrograms())
          .baseNumerator(1e9_dec),
      UnitRow("Nanogram",                      platformSymbol,      1e-12_dec,          UnitMass::nanograms())
          .baseNumerator(1e12_dec),
      UnitRow("Picogram",                      platformSymbol,      1e-15_dec,          UnitMass::picograms())
          .baseNumerator(1e15_dec),
      UnitRow("Long Ton",                      "ton (UK)",          kPound * 2240_dec)
          .system(TalSystemOfUnits::imperialUnitsOnly).key("unit_mass_$Long_Ton"),
      UnitRow("Short Ton",                     "ton (US)",          kPound * 2000_dec,  UnitMass::shortTons())
          .system(TalSystemOfUnits::usCustomaryUnitsOnly).key("unit_mass_$Short_Ton"),
      UnitRow("Ounce",                         platformSymbol,      kPound / 16.0_dec,  UnitMass::ounces())
          .system(TalSystemOfUnits::avoirdupoisUnits),
      UnitRow("Troy Ounce",                    platformSymbol,      0.0311035_dec,      UnitMass::ouncesTroy())
          .system(TalSystemOfUnits::troy),
      UnitRow("Pound",                         platformSymbol,      kPound,             UnitMass::poundsMass())
          .system(TalSystemOfUnits::avoirdupoisUnits),
      UnitRow("Carat",                         platformSymbol,      0.0002_dec,         UnitMass::carats()),
      UnitRow("Stone",                         platformSymbol,      kPound * 14_dec,    UnitMass::stones())
          .system(TalSystemOfUnits::imperialUnitsOnly),
      UnitRow("Slug",                          platformSymbol,      14.593902937_dec,   UnitMass::slugs())
          .system(TalSystemOfUnits::imperialUnitsOnly),
      UnitRow("Dalton",                        "Da",                kDalton),
      UnitRow("Kilodalton",                    "kDa",               kDalton * 1000_dec),
      UnitRow("Megadalton",                    "MDa",               kDalton * 1000000_dec),
      UnitRow("Chinese mainland dan (weight), 50 kg", "dan", 50_dec)
          .baseNumerator(0.02_dec).system(TalSystemOfUnits::chineseTraditionalUnits).region(TalUnitRegion::CHN)
          .customaryName(general).key("unit_mass_CHN_dan").numsInName({"50"}),
      UnitRow("Chinese mainland jin, 500 g",   "jin",               0.5_dec)
          .baseNumerator(2_dec).system(TalSystemOfUnits::chineseTraditionalUnits).region(TalUnitRegion::CHN)
          .customaryName(general).key("unit_mass_CHN_jin").numsInName({"500"}),
      UnitRow("Chinese mainland liang, 50 g",  "liang",             0.05_dec)
          .baseNumerator(20_dec).system(TalSystemOfUnits::chineseTraditionalUnits).region(TalUnitRegion::CHN)
          .customaryName(general).key("unit_mass_CHN_liang").numsInName({"50"}),
      UnitRow("Hong Kong catty, ≈ 604.8 g",    "Hong Kong catty",   0.60478982_dec)
          .system(TalSystemOfUnits::hkChekmaUnits).region(TalUnitRegion::HKG).customaryName(general)
          .key("unit_mass_HKG_catty").numsInName({"604.8"}),
      UnitRow("Hong Kong tael, ≈ 37.8 g",      "Hong Kong tael",    0.037799364_dec)
          .system(TalSystemOfUnits::hkChekmaUnits).region(TalUnitRegion::HKG).customaryName(general)
          .key("unit_mass_HKG_tael").numsInName({"37.8"}),
      UnitRow("Hong Kong picul, ≈ 60.48 kg",   "Hong Kong picul",   60.478982_dec)
          .system(TalSystemOfUnits::hkChekmaUnits).region(TalUnitRegion::HKG).customaryName(general)
          .key("unit_mass_HKG_picul").numsInName({"60.48"}),
      UnitRow("Hong Kong mace, ≈ 3.78 g",      "Hong Kong mace",    0.0037799364_dec)
          .system(TalSystemOfUnits::hkChekmaUnits).region(TalUnitRegion::HKG).customaryName(general)
          .key("unit_mass_HKG_mace").numsInName({"3.78"}),
      UnitRow("Hong Kong candareen, ≈ 0.378 g", "Hong Kong candareen", 0.00037799364_dec)
          .system(TalSystemOfUnits::hkChekmaUnits).region(TalUnitRegion::HKG).customaryName(general)
          .key("unit_mass_HKG_candareen").numsInName({"0.378"}),
      UnitRow("Hong Kong troy tael, ≈ 37.429 g", "Hong Kong troy tael", 0.037429_dec)
          .system(TalSystemOfUnits::hkChekmaUnits).region(TalUnitRegion::HKG).customaryName(general)
          .key("unit_mass_HKG_taeltroy").numsInName({"37.429"}),
      UnitRow("Hong Kong troy mace, ≈ 3.743 g", "Hong Kong troy mace", 0.0037429_dec)
          .system(TalSystemOfUnits::hkChekmaUnits).region(TalUnitRegion::HKG).customaryName(general)
          .key("unit_mass_HKG_macetroy").numsInName({"3.743"}),
      UnitRow("Hong Kong troy candareen, ≈ 0.374 g", "Hong Kong troy candareen", 0.00037429_dec)
          .system(TalSystemOfUnits::hkChekmaUnits).region(TalUnitRegion::HKG).customaryName(general)
          .key("unit_mass_HKG_candareentroy").numsInName({"0.374"}),
      UnitRow("Taiwan catty, 600 g",           "Taiwan catty",      0.6_dec)
          .region(TalUnitRegion::TWN).customaryName(general).key("unit_mass_TWN_jin").numsInName({"600"}),
      UnitRow("Taiwan tael, 37.5 g",           "Taiwan tael",       0.0375_dec)
          .region(TalUnitRegion::TWN).customaryName(general).key("unit_mass_TWN_liang").numsInName({"37.5"}),
      UnitRow("Taiwan mace, 3.75 g",           "Taiwan mace",       0.00375_dec)
          .region(TalUnitRegion::TWN).customaryName(general).key("unit_mass_TWN_qian").numsInName({"3.75"}),
      UnitRow("Taiwan candareen, 0.375 g",     "Taiwan candareen",  0.000375_dec)
          .region(TalUnitRegion::TWN).customaryName(general).key("unit_mass_TWN_fen").numsInName({"0.375"}),
      UnitRow("Taiwan cash, 0.0375 g",         "Taiwan cash",       0.0000375_dec)
          .region(TalUnitRegion::TWN).customaryName(general).key("unit_mass_TWN_li").numsInName({"0.0375"}),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitMass::allUnits() { return units(); }

}  // namespace tal
