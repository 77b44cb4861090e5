#include "TalFoundation/units/UnitConverterDecimal.h"

#include <cmath>
#include <limits>

namespace tal {
namespace {

// NaN where the nearest double would be infinite, or zero for a value that is not.
double carried(const Decimal& result) noexcept {
  const double d = result.toDouble();
  if (!std::isfinite(d) || (d == 0.0 && !result.isZero())) return std::numeric_limits<double>::quiet_NaN();
  return d;
}

}  // namespace

double UnitConverterDecimal::baseUnitValueFromValue(double value) const noexcept {
  return carried(Decimal::fromDouble(value) * coefficient_);
}

double UnitConverterDecimal::valueFromBaseUnitValue(double baseUnitValue) const noexcept {
  if (coefficient_.isZero()) return 0.0;
  return carried(Decimal::fromDouble(baseUnitValue) / coefficient_);
}

}  // namespace tal
