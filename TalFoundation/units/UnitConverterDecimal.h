// UnitConverterDecimal: a platform-style unit converter whose factor is a
// decimal, applied in decimal arithmetic, for callers that build unit
// objects of their own.
#pragma once

#include "TalFoundation/Export.h"
#include "TalFoundation/platform/Decimal.h"

namespace tal {

/// A platform-style converter to and from the base unit that scales by a decimal factor, in decimal arithmetic.
class TAL_EXPORT UnitConverterDecimal {
 public:
  explicit UnitConverterDecimal(Decimal coefficient) noexcept : coefficient_(coefficient) {}

  [[nodiscard]] const Decimal& coefficient() const noexcept { return coefficient_; }
  /// value × coefficient, through decimals; NaN when a double cannot carry
  /// it (beyond the double range, or a nonzero result that would become 0)
  /// and for a NaN or infinite value.
  [[nodiscard]] double baseUnitValueFromValue(double value) const noexcept;
  /// value ÷ coefficient, through decimals, under the same rule; 0 for a
  /// zero coefficient.
  [[nodiscard]] double valueFromBaseUnitValue(double baseUnitValue) const noexcept;

 private:
  Decimal coefficient_;
};

}  // namespace tal
