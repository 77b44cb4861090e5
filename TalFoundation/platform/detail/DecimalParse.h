// Compile-time pieces of Decimal: the 128-bit coefficient, powers of ten,
// range limits and the text reader, kept constexpr so decimal literals are
// checked and built by the compiler.
#pragma once

#include <array>
#include <bit>
#include <concepts>
#include <cstdint>
#include <string_view>

#include "TalFoundation/platform/detail/Uint128.h"

namespace tal::platform::detail {

inline constexpr int kMaxDigits = 38;
inline constexpr std::int64_t kMaxAdjusted = 999999;

inline constexpr std::array<Uint128, 39> kPow10 = [] {
  std::array<Uint128, 39> table{};
  Uint128 p = 1;
  for (auto& entry : table) {
    entry = p;
    p *= 10;
  }
  return table;
}();

/// Number of decimal digits of x (1 for zero).
constexpr int digitCount(Uint128 x) noexcept {
  const std::uint64_t hi = x.high();
  const int bits = hi != 0 ? 128 - std::countl_zero(hi) : 64 - std::countl_zero(x.low());
  const int guess = (bits * 1233) >> 12;  // floor(bits * log10(2)), at most 38
  return guess + (x >= kPow10[static_cast<std::size_t>(guess)] ? 1 : 0);
}

/// A value before it is checked against the exponent range.
struct DecimalParts {
  Uint128 coefficient = 0;  // below 10^38
  std::int64_t exponent = 0;
  bool negative = false;
  bool nan = false;
};

/// Applies the exponent range: beyond it NaN, below it zero. Zero is unsigned.
constexpr DecimalParts limitRange(DecimalParts p) noexcept {
  if (p.nan) return p;
  if (p.coefficient == 0) return {};
  // The leading digit lies 0 to 37 places above the exponent, so most
  // exponents are in range whatever the digits; only those near an edge
  // need the digit count.
  if (p.exponent >= -kMaxAdjusted && p.exponent <= kMaxAdjusted - (kMaxDigits - 1)) return p;
  const std::int64_t adjusted = p.exponent + digitCount(p.coefficient) - 1;
  if (adjusted > kMaxAdjusted) return {0, 0, false, true};
  if (adjusted < -kMaxAdjusted) return {};
  return p;
}

template <std::integral T>
constexpr DecimalParts integerParts(T value) noexcept {
  DecimalParts p;
  if constexpr (std::is_signed_v<T>) {
    p.negative = value < 0;
    // Negate in unsigned arithmetic so the most negative value works too.
    const auto u = static_cast<std::make_unsigned_t<T>>(value);
    p.coefficient = p.negative ? static_cast<std::make_unsigned_t<T>>(0u - u) : u;
  } else {
    p.coefficient = value;
  }
  if (p.coefficient == 0) p.negative = false;
  return p;
}

struct ParsedDecimal {
  DecimalParts parts;
  std::size_t length = 0;  // characters consumed, white space included
  bool valid = false;
};

constexpr bool isSpace(char c) noexcept {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
constexpr bool isDigit(char c) noexcept { return c >= '0' && c <= '9'; }

/// Reads the longest number at the start of `text`. Keeps the first 38
/// significant digits, remembers the first dropped digit and whether any
/// later one is nonzero, and rounds half to even once at the end.
constexpr ParsedDecimal parseDecimal(std::string_view text) noexcept {
  // Counters saturate far beyond any exponent that can matter.
  constexpr std::int64_t kSaturate = std::int64_t{1} << 50;
  ParsedDecimal result;
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && isSpace(text[i])) ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

  // Most numbers have at most 19 digits: they fit one word, and nothing is
  // dropped or rounded. (A longer run wraps the word; the full reader below
  // then starts again.)
  {
    std::size_t j = i;
    std::uint64_t word = 0;
    while (j < n && isDigit(text[j])) word = word * 10 + static_cast<unsigned>(text[j++] - '0');
    std::size_t digits = j - i;
    std::size_t fraction = 0;
    if (j < n && text[j] == '.') {
      const std::size_t start = ++j;
      while (j < n && isDigit(text[j])) word = word * 10 + static_cast<unsigned>(text[j++] - '0');
      fraction = j - start;
      digits += fraction;
    }
    if (digits != 0 && digits <= 19 && (j == n || (text[j] != 'e' && text[j] != 'E'))) {
      // At most 19 places below the point, so always in range.
      result.parts = {word, -static_cast<std::int64_t>(fraction), negative, false};
      result.length = j;
      result.valid = true;
      return result;
    }
  }

  // Kept digits gather in a 64-bit word, 19 at a time, and join the
  // 128-bit coefficient once per word rather than once per digit.
  Uint128 coefficient = 0;
  std::uint64_t chunk = 0;
  int chunkDigits = 0;
  int significant = 0;
  std::int64_t dropped = 0;      // significant digits beyond the 38 kept
  std::int64_t fractionDigits = 0;
  int roundDigit = 0;
  bool sticky = false;
  bool anyDigit = false;
  auto take = [&](int digit) {
    anyDigit = true;
    if (significant == 0 && digit == 0) return;
    if (significant < kMaxDigits) {
      chunk = chunk * 10 + static_cast<unsigned>(digit);
      ++significant;
      if (++chunkDigits == 19) {
        coefficient = coefficient * kPow10[19] + chunk;
        chunk = 0;
        chunkDigits = 0;
      }
    } else {
      if (dropped == 0) {
        roundDigit = digit;
      } else if (digit != 0) {
        sticky = true;
      }
      if (dropped < kSaturate) ++dropped;
    }
  };
  while (i < n && isDigit(text[i])) take(text[i++] - '0');
  if (i < n && text[i] == '.') {
    std::size_t j = i + 1;
    const bool hadDigits = anyDigit;
    while (j < n && isDigit(text[j])) {
      take(text[j++] - '0');
      if (fractionDigits < kSaturate) ++fractionDigits;
    }
    if (!hadDigits && !anyDigit) return result;  // "." alone is not a number
    i = j;
  }
  if (!anyDigit) return result;
  coefficient = coefficient * kPow10[static_cast<std::size_t>(chunkDigits)] + chunk;

  std::int64_t exponent = 0;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    bool expNegative = false;
    if (j < n && (text[j] == '+' || text[j] == '-')) expNegative = text[j++] == '-';
    if (j < n && isDigit(text[j])) {
      while (j < n && isDigit(text[j])) {
        if (exponent < kSaturate) exponent = exponent * 10 + (text[j] - '0');
        ++j;
      }
      if (expNegative) exponent = -exponent;
      i = j;
    }
  }

  // A significant digit was dropped only when 38 were kept, so rounding up
  // can carry into a 39th digit; that is 10^38 and becomes 10^37 × 10.
  std::int64_t scale = exponent + dropped - fractionDigits;
  if (roundDigit > 5 || (roundDigit == 5 && (sticky || (coefficient & 1) != 0))) {
    ++coefficient;
    if (coefficient == kPow10[kMaxDigits]) {
      coefficient = kPow10[kMaxDigits - 1];
      ++scale;
    }
  }
  result.parts = limitRange({coefficient, scale, negative && coefficient != 0, false});
  result.length = i;
  result.valid = true;
  return result;
}

}  // namespace tal::platform::detail
