#include "TalFoundation/units/UnitConverterDecimal.h"

namespace tal {

double UnitConverterDecimal::baseUnitValueFromValue(double value) const noexcept {
  return (Decimal::fromDouble(value) * coefficient_).toDouble();
}

double UnitConverterDecimal::valueFromBaseUnitValue(double baseUnitValue) const noexcept {
  if (coefficient_.isZero()) return 0.0;
  return (Decimal::fromDouble(baseUnitValue) / coefficient_).toDouble();
}

}  // namespace tal
