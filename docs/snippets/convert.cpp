// docs/snippets/convert.cpp
#include <iostream>
#include <optional>
#include <string_view>
#include <vector>

#include "TalFoundation/catalogues/TalUnitTemperature.h"
#include "TalFoundation/units/TalMeasurement.h"
#include "TalFoundation/units/TalUnit.h"

// The unit of `category` with this symbol; absent when it has none.
std::optional<tal::TalUnit> unitWithSymbol(tal::TalUnitCategory category, std::string_view symbol) {
  for (const tal::TalUnit& unit : category.getUnits())
    if (unit.symbol() == symbol) return unit;
  return std::nullopt;
}

int main() {
  using namespace tal;

  const TalUnit km = *unitWithSymbol(TalUnitCategory::length, "km");
  const TalUnit mi = *unitWithSymbol(TalUnitCategory::length, "mi");
  std::cout << km.id() << " = " << km.name() << ", " << mi.id() << " = " << mi.name() << '\n';

  // 1.5_dec is exactly 1.5: decimal literals never pass through a double.
  const std::optional<Decimal> miles = TalMeasurement::convert(1.5_dec, km, mi);
  std::cout << "1.5 km = " << *miles << " mi\n";
  std::cout << "rounded: " << miles->rounded(3, Decimal::Rounding::halfEven) << " mi\n";

  // Temperatures have formulas of their own; the call is the same.
  const auto celsius =
      TalMeasurement::convert(Decimal(100), TalUnitTemperature::fahrenheit(), TalUnitTemperature::celsius());
  std::cout << "100 °F = " << *celsius << " °C\n";

  // Units of different categories have no conversion.
  const TalUnit kg = *unitWithSymbol(TalUnitCategory::mass, "kg");
  std::cout << "km to kg: " << (TalMeasurement::convert(1.5_dec, km, kg) ? "converted" : "absent") << '\n';
}
