#include "TalFoundation/catalogues/TalUnitPower.h"

#include "TalFoundation/catalogues/detail/UnitTable.h"
#include "TalFoundation/platform/Unit.h"

namespace tal {

namespace {

const std::vector<TalUnit>& units() {
  using namespace catalogue;
  using platform::UnitPower;
  // Never destroyed, so work still running at exit can read it.
  static const auto& table = *new std::vector<TalUnit>(makeUnits(TalUnitCategory::power, {
      //      name                    symbol          coefficient               platform unit
      UnitRow("Terawatt",             platformSymbol, 1e12_dec,                 UnitPower::terawatts())
          .baseNumerator(1e-12_dec),
      UnitRow("Gigawatt",             platformSymbol, 1e9_dec,                  UnitPower::gigawatts())
          .baseNumerator(1e-9_dec),
      UnitRow("Megawatt",             platformSymbol, 1000000_dec,              UnitPower::megawatts())
          .baseNumerator(0.000001_dec),
      UnitRow("Kilowatt",             platformSymbol, 1000_dec,                 UnitPower::kilowatts())
          .baseNumerator(0.001_dec),
      UnitRow("Watt",                 platformSymbol, 1.0_dec,                  UnitPower::watts())
          .base().baseNumerator(1.0_dec),
      UnitRow("Milliwatt",            platformSymbol, 0.001_dec,                UnitPower::milliwatts())
          .baseNumerator(1000_dec),
      UnitRow("Microwatt",            platformSymbol, 0.000001_dec,             UnitPower::microwatts())
          .baseNumerator(1000000_dec),
      UnitRow("Nanowatt",             platformSymbol, 1e-9_dec,                 UnitPower::nanowatts())
          .baseNumerator(1e9_dec),
      UnitRow("Picowatt",             platformSymbol, 1e-12_dec,                UnitPower::picowatts())
          .baseNumerator(1e12_dec),
      UnitRow("Femtowatt",            platformSymbol, 1e-15_dec,                UnitPower::femtowatts())
          .baseNumerator(1e15_dec),
      // The platform's horsepower, but under a symbol that tells it from the others.
      UnitRow("Imperial Horsepower",  "hp(I)",        745.69987158227022_dec,   UnitPower::horsepower())
          .key("unit_power_hp(I)"),
      UnitRow("Metric Horsepower",    "hp(M)",        735.49875_dec)
          .key("unit_power_hp(M)"),
      UnitRow("Electrical Horsepower", "hp(E)",       746.0_dec)
          .key("unit_power_hp(E)"),
      UnitRow("Boiler Horsepower",    "hp(S)",        9809.5_dec)
          .key("unit_power_hp(S)"),
  }));
  return table;
}

}  // namespace

std::vector<TalUnit> TalUnitPower::allUnits() { return units(); }

}  // namespace tal
