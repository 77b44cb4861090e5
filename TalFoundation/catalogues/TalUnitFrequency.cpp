#include "TalFoundation/catalogues/TalUnitFrequency.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"
#include "TalFoundation/platform/Unit.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  using platform::UnitFrequency;
  // Never destroyed, so work still running at exit can read it.
  // No row is the base unit: the hertz only leads the UI, as its base.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::frequency, {
      //      name                          symbol          coefficient              platform unit
      UnitRow("Terahertz",                  platformSymbol, 1e12_dec,                UnitFrequency::terahertz())
          .baseNumerator(1e-12_dec),
      UnitRow("Gigahertz",                  platformSymbol, 1e9_dec,                 UnitFrequency::gigahertz())
          .baseNumerator(1e-9_dec),
      UnitRow("Megahertz",                  platformSymbol, 1000000_dec,             UnitFrequency::megahertz())
          .baseNumerator(0.000001_dec),
      UnitRow("Kilohertz",                  platformSymbol, 1000_dec,                UnitFrequency::kilohertz())
          .baseNumerator(0.001_dec),
      UnitRow("Hertz",                      platformSymbol, 1.0_dec,                 UnitFrequency::hertz())
          .uiBase().baseNumerator(1.0_dec),
      UnitRow("Millihertz",                 platformSymbol, 0.001_dec,               UnitFrequency::millihertz())
          .baseNumerator(1000_dec),
      UnitRow("Microhertz",                 platformSymbol, 0.000001_dec,            UnitFrequency::microhertz())
          .baseNumerator(1000000_dec),
      UnitRow("Nanohertz",                  platformSymbol, 1e-9_dec,                UnitFrequency::nanohertz())
          .baseNumerator(1e9_dec),
      UnitRow("Inverse Second",             "s⁻¹",          1.0_dec)
          .baseNumerator(1.0_dec).key("unit_frequency_s⁻¹"),
      // The revolution rates share their keys with angular velocity.
      UnitRow("Revolution per Minute",      "rpm",          1.0_dec / 60.0_dec)
          .baseNumerator(60.0_dec).key("unit_share_rpm"),
      UnitRow("Revolution per Second",      "rps",          1.0_dec)
          .baseNumerator(1.0_dec).key("unit_share_rps"),
      UnitRow("Revolution per Millisecond", "r/ms",         1000_dec)
          .baseNumerator(0.001_dec).key("unit_share_r/ms"),
      UnitRow("Revolution per Hour",        "rph",          1.0_dec / 3600.0_dec)
          .baseNumerator(3600.0_dec).key("unit_share_rph"),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitFrequency::allUnits() { return units(); }

}  // namespace tal
