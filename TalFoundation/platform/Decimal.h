// Decimal: the exact base-10 number every value, factor, offset and rate of
// TalFoundation is made of. 38 significant digits, round half to even, a NaN
// value instead of traps. Neighbours: Unit.h (platform unit objects).
#pragma once

#include <array>
#include <compare>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "TalFoundation/Export.h"
#include "TalFoundation/platform/detail/DecimalParse.h"
#include "TalFoundation/platform/detail/WideInt.h"

namespace tal::platform {

/// A decimal floating-point value: sign × coefficient × 10^exponent with a
/// coefficient of at most 38 digits, or NaN.
///
/// Every operation rounds its exact result once to 38 significant digits,
/// half to even. Division by zero, NaN operands and results beyond
/// 1E+999999 give NaN; results below 1E-999999 give zero. Nothing throws,
/// traps or allocates. Zero carries no sign.
class TAL_EXPORT Decimal {
 public:
  static constexpr int kMaxDigits = detail::kMaxDigits;
  /// Largest and smallest power of ten of a leading digit.
  static constexpr std::int64_t kMaxExponent = detail::kMaxAdjusted;
  static constexpr std::int64_t kMinExponent = -detail::kMaxAdjusted;

  /// Zero.
  constexpr Decimal() noexcept = default;

  /// The exact value of an integer.
  template <std::integral T>
  constexpr Decimal(T value) noexcept  // NOLINT(google-explicit-constructor)
      : Decimal(fromParts(detail::integerParts(value))) {}

  /// Doubles are not exact decimals; say which one you mean with fromDouble.
  Decimal(double) = delete;
  Decimal(float) = delete;

  /// Reads a number at the start of `text` (after white space): sign,
  /// digits with an optional '.', an optional exponent. Text after the number
  /// is ignored. Absent when the text does not begin with a number. More
  /// than 38 significant digits are rounded once.
  [[nodiscard]] static constexpr std::optional<Decimal> fromString(std::string_view text) noexcept {
    const detail::ParsedDecimal parsed = detail::parseDecimal(text);
    if (!parsed.valid) return std::nullopt;
    return fromParts(parsed.parts);
  }
  /// As above, and sets `consumed` to the characters read (white space
  /// included), 0 when absent.
  [[nodiscard]] static constexpr std::optional<Decimal> fromString(std::string_view text,
                                                                   std::size_t& consumed) noexcept {
    const detail::ParsedDecimal parsed = detail::parseDecimal(text);
    consumed = parsed.valid ? parsed.length : 0;
    if (!parsed.valid) return std::nullopt;
    return fromParts(parsed.parts);
  }

  /// The decimal of the shortest text that reads back as `value`;
  /// NaN for NaN and infinities.
  [[nodiscard]] static Decimal fromDouble(double value) noexcept;

  [[nodiscard]] static constexpr Decimal nan() noexcept {
    Decimal d;
    d.nan_ = true;
    return d;
  }

  /// π to 38 digits: 3.1415926535897932384626433832795028842.
  [[nodiscard]] static Decimal pi() noexcept;

  [[nodiscard]] constexpr bool isNaN() const noexcept { return nan_; }
  [[nodiscard]] constexpr bool isFinite() const noexcept { return !nan_; }
  [[nodiscard]] constexpr bool isZero() const noexcept { return !nan_ && lo_ == 0 && hi_ == 0; }
  [[nodiscard]] constexpr bool isNegative() const noexcept { return negative_; }
  /// The power of ten of the leading digit: 3 for 1500, -2 for 0.05; 0 for
  /// zero and NaN.
  [[nodiscard]] constexpr std::int64_t leadingExponent() const noexcept {
    if (nan_ || isZero()) return 0;
    return exponent_ + detail::digitCount(detail::Uint128::fromWords(hi_, lo_)) - 1;
  }
  /// The absolute value.
  [[nodiscard]] constexpr Decimal magnitude() const noexcept {
    Decimal d = *this;
    d.negative_ = false;
    return d;
  }

  constexpr Decimal operator-() const noexcept {
    Decimal d = *this;
    if (!isZero() && !nan_) d.negative_ = !negative_;
    return d;
  }
  constexpr Decimal operator+() const noexcept { return *this; }

  friend Decimal operator+(const Decimal& a, const Decimal& b) noexcept { return sum(a, b, false); }
  friend Decimal operator-(const Decimal& a, const Decimal& b) noexcept { return sum(a, b, true); }
  friend Decimal operator*(const Decimal& a, const Decimal& b) noexcept {
    // One word each, at an ordinary exponent: the product is exact or wide.
    if (!(a.nan_ || b.nan_) && (a.hi_ | b.hi_) == 0) {
      const std::int64_t exponent = std::int64_t{a.exponent_} + b.exponent_;
      const detail::Uint128 product = detail::Uint128::multiply(a.lo_, b.lo_);
      if (ordinaryExponent(exponent) && product < detail::kPow10[kMaxDigits])
        return exact(product, exponent, a.negative_ != b.negative_);
    }
    return multiplyWide(a, b);
  }
  /// NaN for a zero divisor.
  friend TAL_EXPORT Decimal operator/(const Decimal& a, const Decimal& b) noexcept;
  Decimal& operator+=(const Decimal& other) noexcept { return *this = *this + other; }
  Decimal& operator-=(const Decimal& other) noexcept { return *this = *this - other; }
  Decimal& operator*=(const Decimal& other) noexcept { return *this = *this * other; }
  Decimal& operator/=(const Decimal& other) noexcept { return *this = *this / other; }

  /// How `rounded` treats the digits it cuts.
  enum class Rounding : std::uint8_t {
    halfUp,    ///< ties away from zero
    halfEven,  ///< ties to the even digit
    halfDown,  ///< ties toward zero
    down,      ///< toward zero
    up,        ///< away from zero
    ceiling,   ///< toward +infinity
    floor,     ///< toward -infinity
  };
  /// The value with at most `fractionDigits` digits after the point
  /// (negative: rounds to tens, hundreds, …). NaN stays NaN. Defined for
  /// every `fractionDigits`: a result beyond the exponent range is NaN (up to
  /// 1E+1000000), or zero.
  [[nodiscard]] Decimal rounded(std::int64_t fractionDigits, Rounding mode) const noexcept;

  /// x^n for whole n >= 0 (x^0 = 1). Exact when the exact power has at most
  /// 38 digits, otherwise within one unit of the 38th digit. NaN for n < 0.
  friend TAL_EXPORT Decimal pow(const Decimal& x, std::int64_t n) noexcept;

  /// By value: 1.5 == 1.50. NaN is unequal to everything, itself included.
  friend TAL_EXPORT bool operator==(const Decimal& a, const Decimal& b) noexcept;
  /// Unordered when either side is NaN.
  friend TAL_EXPORT std::partial_ordering operator<=>(const Decimal& a, const Decimal& b) noexcept;

  /// Plain notation without exponent or trailing fraction zeros: "1000",
  /// "1.5", "-0.00001", "0", "NaN".
  [[nodiscard]] std::string description() const;
  /// Scientific notation with the exponent of the leading digit:
  /// "1.5E+3", "-1E-5", "0", "NaN". Reads back with fromString.
  [[nodiscard]] std::string toScientificString() const;
  /// The nearest double; ±infinity or ±0 beyond the double range, NaN for NaN.
  [[nodiscard]] double toDouble() const noexcept;

  /// Equal values hash alike.
  [[nodiscard]] std::size_t hash() const noexcept;

 private:
  static constexpr Decimal fromParts(const detail::DecimalParts& p) noexcept {
    Decimal d;
    if (p.nan) return nan();
    if (p.coefficient == 0) return d;
    d.lo_ = p.coefficient.low();
    d.hi_ = p.coefficient.high();
    d.exponent_ = static_cast<std::int32_t>(p.exponent);
    d.negative_ = p.negative;
    return d;
  }
  // Sums and products of one-word coefficients are worked out here, inline,
  // so a formula with constant operands folds most of their tests away; the
  // rest go to the library.
  static constexpr bool ordinaryExponent(std::int64_t exponent) noexcept {
    // Whatever the digits, the leading one is then in range.
    return exponent >= kMinExponent && exponent <= kMaxExponent - (kMaxDigits - 1);
  }
  static constexpr Decimal exact(detail::Uint128 coefficient, std::int64_t exponent, bool negative) noexcept {
    Decimal d;
    if (coefficient == 0) return d;
    d.lo_ = coefficient.low();
    d.hi_ = coefficient.high();
    d.exponent_ = static_cast<std::int32_t>(exponent);
    d.negative_ = negative;
    return d;
  }
  static Decimal sum(const Decimal& a, const Decimal& b, bool negateB) noexcept {
    if (!(a.nan_ || b.nan_) && (a.hi_ | b.hi_) == 0 && a.exponent_ == b.exponent_ &&
        ordinaryExponent(a.exponent_)) {
      const bool negativeB = b.negative_ != negateB;
      if (a.negative_ == negativeB) return exact(detail::Uint128(a.lo_) + b.lo_, a.exponent_, a.negative_);
      if (a.lo_ >= b.lo_) return exact(a.lo_ - b.lo_, a.exponent_, a.negative_);
      return exact(b.lo_ - a.lo_, a.exponent_, negativeB);
    }
    return sumWide(a, b, negateB);
  }
  static Decimal sumWide(const Decimal& a, const Decimal& b, bool negateB) noexcept;
  static Decimal multiplyWide(const Decimal& a, const Decimal& b) noexcept;

  friend struct DecimalAccess;
  friend class DecimalDivisor;
  friend class DecimalFactor;

  // The coefficient is kept as two words so the type stays 8-byte aligned
  // and 24 bytes large.
  std::uint64_t lo_ = 0;
  std::uint64_t hi_ = 0;
  std::int32_t exponent_ = 0;
  bool negative_ = false;
  bool nan_ = false;
};

/// Writes `value` as description() does: plain notation, "NaN" for NaN.
TAL_EXPORT std::ostream& operator<<(std::ostream& os, const Decimal& value);

class DecimalFactor;

/// A divisor made ready for many divisions: its digit count, its coefficient
/// widened to 38 digits and the reciprocal that turns the long division into
/// multiplications are worked out once. a / divisor is then exactly
/// a / divisor.value(), the same digits and exponent, for every a.
class TAL_EXPORT DecimalDivisor {
 public:
  /// Made by the compiler for a constant divisor.
  explicit constexpr DecimalDivisor(const Decimal& divisor) noexcept : value_(divisor) {
    if (divisor.isNaN() || divisor.isZero()) return;
    const detail::Uint128 c = detail::Uint128::fromWords(divisor.hi_, divisor.lo_);
    digits_ = detail::digitCount(c);
    const detail::Uint128 lead = c * detail::kPow10[static_cast<std::size_t>(kMaxDigits - digits_)];
    leadLow_ = lead.low();
    leadHigh_ = lead.high();
    inverse_ = detail::normalizedInverse(c);
    if (digits_ <= detail::kScaledDivisorDigits) {
      scaled_[0] = detail::scaledReciprocal(c.low(), digits_ - 1);
      scaled_[1] = detail::scaledReciprocal(c.low(), digits_);
    }
  }

  [[nodiscard]] const Decimal& value() const noexcept { return value_; }

  /// NaN for a zero or NaN divisor, as for Decimal division.
  friend TAL_EXPORT Decimal operator/(const Decimal& a, const DecimalDivisor& divisor) noexcept;
  /// a / (divisor.value() × 10^k), the product being exact: the same
  /// reciprocal serves every power of ten. A product beyond the exponent
  /// range (NaN, or zero) gives NaN.
  friend TAL_EXPORT Decimal divideScaled(const Decimal& a, const DecimalDivisor& divisor, std::int64_t k) noexcept;
  /// (a × b) / divisor, each step rounded as `*` and `/` round it: the
  /// result of writing both out, without the product's round trip.
  friend TAL_EXPORT Decimal multiplyThenDivide(const Decimal& a, const Decimal& b,
                                               const DecimalDivisor& divisor) noexcept;
  friend TAL_EXPORT Decimal multiplyThenDivide(const Decimal& a, const DecimalFactor& factor,
                                               const DecimalDivisor& divisor) noexcept;

 private:
  static constexpr int kMaxDigits = detail::kMaxDigits;
  friend struct DecimalAccess;
  Decimal value_;
  // The coefficient × 10^(38 − digits), two words as in Decimal.
  std::uint64_t leadLow_ = 0;
  std::uint64_t leadHigh_ = 0;
  // Of the coefficient shifted until its top bit is set: the one- or
  // two-word reciprocal of Möller and Granlund.
  std::uint64_t inverse_ = 0;
  // For coefficients of up to 18 digits: 10^m ÷ coefficient as a binary
  // fraction (detail::scaledReciprocal) for m = digits − 1 and m = digits,
  // the two scales a 38-digit quotient needs, so the division becomes a
  // multiplication.
  std::array<std::array<std::uint64_t, 3>, 2> scaled_{};
  std::int32_t digits_ = 0;
};


/// A constant factor prepared once, as DecimalDivisor prepares a divisor:
/// a 38-digit coefficient split at 10^18, so a one-word value times it is
/// rounded with one word division instead of two. Trivially copyable;
/// constexpr for constants.
class DecimalFactor {
 public:
  constexpr explicit DecimalFactor(const Decimal& factor) noexcept : value_(factor) {
    const detail::Uint128 c = detail::Uint128::fromWords(factor.hi_, factor.lo_);
    const auto split = detail::Uint128::divide(c, detail::kPow10[18]);
    high_ = split.quotient.low();
    highCarry_ = split.quotient.high();
    low_ = split.remainder.low();
    full_ = c >= detail::kPow10[37];  // a NaN's coefficient is zero
  }

  [[nodiscard]] const Decimal& value() const noexcept { return value_; }

  /// (a × factor) / divisor, rounded as multiplyThenDivide with the factor's
  /// value rounds it.
  friend TAL_EXPORT Decimal multiplyThenDivide(const Decimal& a, const DecimalFactor& factor,
                                               const DecimalDivisor& divisor) noexcept;

 private:
  friend struct DecimalAccess;
  Decimal value_;
  // The coefficient as highCarry_·2^64·10^18 + high_·10^18 + low_, low_
  // below 10^18.
  std::uint64_t high_ = 0;
  std::uint64_t highCarry_ = 0;
  std::uint64_t low_ = 0;
  // 38 digits: the split serves only then (see multiplyThenDivide).
  bool full_ = false;
};

inline namespace literals {
/// Exact decimal literal for tables: 0.3048_dec is exactly 0.3048. A
/// malformed literal does not compile.
consteval Decimal operator""_dec(const char* text) {
  const auto value = Decimal::fromString(text);
  if (!value || value->isNaN()) throw "malformed decimal literal";
  return *value;
}
/// The same for text: "0.3048"_dec.
consteval Decimal operator""_dec(const char* text, std::size_t length) {
  const auto value = Decimal::fromString(std::string_view(text, length));
  if (!value || value->isNaN()) throw "malformed decimal literal";
  return *value;
}
}  // namespace literals

}  // namespace tal::platform

namespace tal {
using platform::Decimal;
using platform::DecimalDivisor;
using platform::DecimalFactor;
/// The _dec literal, for `using namespace tal::literals;` (or tal).
inline namespace literals {
using platform::literals::operator""_dec;
}  // namespace literals
}  // namespace tal

template <>
struct std::hash<tal::platform::Decimal> {
  std::size_t operator()(const tal::platform::Decimal& d) const noexcept { return d.hash(); }
};
