#include "TalFoundation/catalogues/TalUnitDuration.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"
#include "TalFoundation/platform/Unit.h"

namespace tal {

namespace {

// The mean solar day, in seconds; the week and the years are counted in days.
constexpr Decimal kDay = 86400_dec;

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  using platform::UnitDuration;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::duration, {
      //      name              symbol          coefficient            platform unit
      UnitRow("Attosecond",     "as",           1e-18_dec)
          .baseNumerator(1e18_dec).key("unit_duration_as"),
      UnitRow("Femtosecond",    "fs",           1e-15_dec)
          .baseNumerator(1e15_dec).key("unit_duration_fs"),
      UnitRow("Picosecond",     platformSymbol, 1e-12_dec,             UnitDuration::picoseconds())
          .baseNumerator(1e12_dec),
      UnitRow("Nanosecond",     platformSymbol, 1e-9_dec,              UnitDuration::nanoseconds())
          .baseNumerator(1e9_dec),
      UnitRow("Microsecond",    platformSymbol, 0.000001_dec,          UnitDuration::microseconds())
          .baseNumerator(1000000_dec),
      UnitRow("Millisecond",    platformSymbol, 0.001_dec,             UnitDuration::milliseconds())
          .baseNumerator(1000_dec),
      UnitRow("Second",         platformSymbol, 1.0_dec,               UnitDuration::seconds())
          .base().baseNumerator(1.0_dec),
      UnitRow("Minute",         platformSymbol, 60.0_dec,              UnitDuration::minutes()),
      UnitRow("Hour",           platformSymbol, 3600.0_dec,            UnitDuration::hours()),
      UnitRow("Mean Solar Day", "d",            kDay)
          .key("unit_duration_d"),
      UnitRow("Week",           "wk",           7.0_dec * kDay)
          .customaryName(TalUnitCustomaryNameStrategy::thatSameAsDisplayName).key("unit_duration_$Week"),
      UnitRow("Julian Year",    "a",            365.25_dec * kDay)
          .key("unit_duration_a"),
      UnitRow("Gregorian Year", "a_g",          365.2425_dec * kDay)
          .key("unit_duration_a_g"),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitDuration::allUnits() { return units(); }

}  // namespace tal
