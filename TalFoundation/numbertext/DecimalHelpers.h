// Decimal helpers the app calls around a calculation: arithmetic straight
// from user text, a division that refuses a zero divisor, the repeated-
// multiplication power, validity and termination tests, the choice of
// scientific notation; conversion to and from doubles lives beside Decimal
// (platform/DecimalDouble.h) and is included here for callers of old.
#pragma once

#include <concepts>
#include <cstdint>
#include <optional>
#include <string_view>

#include "TalFoundation/Export.h"
#include "TalFoundation/platform/Decimal.h"
#include "TalFoundation/platform/DecimalDouble.h"

namespace tal {

/// a + b of two texts; absent when either does not begin with a number.
[[nodiscard]] TAL_EXPORT std::optional<Decimal> add(std::string_view a, std::string_view b) noexcept;
/// a − b of two texts; absent when either does not begin with a number.
[[nodiscard]] TAL_EXPORT std::optional<Decimal> subtract(std::string_view a, std::string_view b) noexcept;
/// a × b of two texts; absent when either does not begin with a number.
[[nodiscard]] TAL_EXPORT std::optional<Decimal> multiply(std::string_view a, std::string_view b) noexcept;
/// a ÷ b of two texts; absent when either does not begin with a number or b is zero.
[[nodiscard]] TAL_EXPORT std::optional<Decimal> divide(std::string_view a, std::string_view b) noexcept;

/// a + b, as the operator gives it: rounded to 38 digits, NaN for a NaN operand or beyond the range.
[[nodiscard]] TAL_EXPORT Decimal add(const Decimal& a, const Decimal& b) noexcept;
/// a − b under the same rules as add.
[[nodiscard]] TAL_EXPORT Decimal subtract(const Decimal& a, const Decimal& b) noexcept;
/// a × b under the same rules as add.
[[nodiscard]] TAL_EXPORT Decimal multiply(const Decimal& a, const Decimal& b) noexcept;
/// a ÷ b, rounded to 38 digits; absent when b is zero.
[[nodiscard]] TAL_EXPORT std::optional<Decimal> divide(const Decimal& a, const Decimal& b) noexcept;

// Whole numbers, so that add(0, 0) means two numbers: a literal 0 would
// otherwise convert to a text as readily as to a Decimal.
/// a + b of two whole numbers of any integer types, as Decimals.
template <std::integral A, std::integral B>
[[nodiscard]] Decimal add(A a, B b) noexcept {
  return add(Decimal(a), Decimal(b));
}
/// a − b of two whole numbers of any integer types, as Decimals.
template <std::integral A, std::integral B>
[[nodiscard]] Decimal subtract(A a, B b) noexcept {
  return subtract(Decimal(a), Decimal(b));
}
/// a × b of two whole numbers of any integer types, as Decimals.
template <std::integral A, std::integral B>
[[nodiscard]] Decimal multiply(A a, B b) noexcept {
  return multiply(Decimal(a), Decimal(b));
}
/// a ÷ b of two whole numbers of any integer types, as Decimals; absent when b is zero.
template <std::integral A, std::integral B>
[[nodiscard]] std::optional<Decimal> divide(A a, B b) noexcept {
  return divide(Decimal(a), Decimal(b));
}

/// value × value × … (n factors, each product rounded), 1 for n = 0 and 0
/// for a negative n. Beyond 4096 factors the power is taken by squaring,
/// within one unit of the 38th digit.
[[nodiscard]] TAL_EXPORT Decimal power(const Decimal& value, std::int64_t n) noexcept;

/// Finite and not NaN.
[[nodiscard]] TAL_EXPORT bool isValidForComputation(const Decimal& value) noexcept;
/// Neither infinite nor NaN.
[[nodiscard]] TAL_EXPORT bool isValidForComputation(double value) noexcept;

/// Whether the value's decimal expansion is taken to end: false for a long
/// fraction with a repeating 12-digit tail or made of one digit only.
[[nodiscard]] TAL_EXPORT bool isFiniteDecimal(const Decimal& value);

/// Whether the value has to be shown in scientific notation: below the
/// minimum, at or above the maximum, or vanishing at `maxFractionDigits`
/// fraction digits (a negative count counts as 0). Never for zero.
[[nodiscard]] TAL_EXPORT bool shouldUseScientificNotation(const Decimal& value, int maxFractionDigits,
                                               const std::optional<Decimal>& minThreshold = std::nullopt,
                                               const std::optional<Decimal>& maxThreshold = std::nullopt) noexcept;

}  // namespace tal
