// docs/snippets/convert.cpp
#include <iostream>
#include <optional>

#include "TalFoundation/catalogues/TalUnitTemperature.h"
#include "TalFoundation/units/TalMeasurement.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/UnitResolver.h"

int main() {
  using namespace tal;

  // Units from what a person types: a symbol, a name (section 2 has more).
  const TalUnit km = *UnitResolver::find("km");
  const TalUnit mi = *UnitResolver::find("miles");
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
  const TalUnit kg = *UnitResolver::find("kg");
  std::cout << "km to kg: " << (TalMeasurement::convert(1.5_dec, km, kg) ? "converted" : "absent") << '\n';
}
