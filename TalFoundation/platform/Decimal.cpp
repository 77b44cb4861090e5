#include "TalFoundation/platform/Decimal.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <ostream>
#include <system_error>

#include "TalFoundation/platform/detail/DoubleParse.h"
#include "TalFoundation/platform/detail/HashCombine.h"
#include "TalFoundation/platform/detail/WideInt.h"

namespace tal::platform {

using detail::DecimalParts;
using detail::kMaxDigits;
using detail::kPow10;
using detail::Uint128;
using detail::WideInt;

struct DecimalAccess {
  static Uint128 coefficient(const Decimal& d) noexcept {
    return Uint128::fromWords(d.hi_, d.lo_);
  }
  static std::int64_t exponent(const Decimal& d) noexcept { return d.exponent_; }
  static Decimal make(const DecimalParts& p) noexcept { return Decimal::fromParts(detail::limitRange(p)); }
  /// make() for a coefficient known to have all 38 digits.
  static Decimal makeFull(Uint128 c, std::int64_t exponent, bool negative) noexcept {
    const std::int64_t adjusted = exponent + kMaxDigits - 1;
    // One unsigned comparison for both ends of the range.
    if (static_cast<std::uint64_t>(adjusted + detail::kMaxAdjusted) > 2 * std::uint64_t{detail::kMaxAdjusted})
        [[unlikely]]
      return adjusted > 0 ? Decimal::nan() : Decimal();
    // Every field written, none tested: c is not zero.
    Decimal d;
    d.lo_ = c.low();
    d.hi_ = c.high();
    d.exponent_ = static_cast<std::int32_t>(exponent);
    d.negative_ = negative;
    return d;
  }
  static constexpr bool ordinaryExponent(std::int64_t exponent) noexcept { return Decimal::ordinaryExponent(exponent); }
  static Decimal divide(const Decimal& a, const DecimalDivisor& divisor, std::int64_t k) noexcept;
  static Decimal divideLead(Uint128 leadA, int na, std::int64_t exponent, bool negativeA,
                            const DecimalDivisor& divisor) noexcept;
  static Decimal divideLong(Uint128 leadA, int m, Uint128 cb, std::uint64_t inverse, std::int64_t exponent,
                            bool negative) noexcept;
};

namespace {

using A = DecimalAccess;

std::int64_t adjustedExponent(const Decimal& d) noexcept {
  return A::exponent(d) + detail::digitCount(A::coefficient(d)) - 1;
}

/// Adds one in the last place of a coefficient rounded to 38 digits; a
/// carry out of them leaves 10^37 one place up.
template <class Exponent>
void roundUp(Uint128& q, Exponent& exponent) noexcept {
  ++q;
  // The high word alone rules out 10^38 nearly always.
  if (q.high() == kPow10[kMaxDigits].high() && q == kPow10[kMaxDigits]) [[unlikely]] {
    q = kPow10[kMaxDigits - 1];
    ++exponent;
  }
}

/// Rounds an exact coefficient of any width to 38 digits, half to even.
/// `sticky` says that nonzero digits were already cut below `value`.
template <std::size_t N>
Decimal roundToDecimal(WideInt<N> value, std::int64_t exponent, bool negative, bool sticky = false) noexcept {
  const int digits = detail::digitCount(value);
  if (digits <= kMaxDigits && !sticky) return A::make({value.low128(), exponent, negative, false});
  Uint128 q = value.low128();
  if (digits > kMaxDigits) {
    // Cut the lowest digits, 19 at a time; the last cut's remainder against
    // half of its power of ten decides the rounding, so no digit is isolated.
    int remaining = digits - kMaxDigits;
    exponent += remaining;
    for (; remaining > 19; remaining -= 19)
      sticky |= detail::divideInPlace(value, detail::kPow10Reciprocal[19]) != 0;
    const std::uint64_t r = detail::divideInPlace(value, detail::kPow10Reciprocal[static_cast<std::size_t>(remaining)]);
    const std::uint64_t half = 5 * detail::kPow10Word[static_cast<std::size_t>(remaining - 1)];
    q = value.low128();
    if (r > half || (r == half && (sticky || (q & 1) != 0))) roundUp(q, exponent);
  }
  // With sticky bits only (no digit cut here) the value is already rounded
  // toward zero to 38 digits; callers pass sticky only with a cut.
  return A::make({q, exponent, negative, false});
}

// Far-apart sums in base 10^19. A 38-digit coefficient is two such digits,
// so scaling by a power of ten is mostly a move of whole digits, and cutting
// a result to 38 digits divides a single digit, where cutting a binary
// number would chain a division through every word.
constexpr std::uint64_t kDigit19 = detail::kPow10Word[19];

struct Digits19 {
  std::uint64_t high;
  std::uint64_t low;
};

/// x = high·10^19 + low, for x < 10^38.
Digits19 splitDigits19(Uint128 x) noexcept {
  std::uint64_t low = 0;
  const std::uint64_t high = detail::divideWord(x.high(), x.low(), detail::kPow10Reciprocal[19], low);
  return {high, low};
}

/// Keeps a sum of three digits below 10^19; returns what carries over.
std::uint64_t carryDigit19(Uint128& sum) noexcept {
  const std::uint64_t carry = std::uint64_t{sum >= kDigit19} + std::uint64_t{sum >= 2 * static_cast<Uint128>(kDigit19)};
  sum -= Uint128::multiply(carry, kDigit19);
  return carry;
}

struct RoundedCoefficient {
  Uint128 coefficient;  // rounded half to even to 38 digits
  int cut;              // digits removed
};

/// Rounds an exact value, given as base-10^19 digits from the lowest, to 38
/// decimal digits.
template <std::size_t N>
RoundedCoefficient roundDigits19(const std::array<std::uint64_t, N>& d) noexcept {
  std::size_t top = N - 1;
  while (top > 0 && d[top] == 0) --top;
  const int digits = 19 * static_cast<int>(top) + detail::digitCount(static_cast<Uint128>(d[top]));
  if (digits <= kMaxDigits) return {Uint128::multiply(d[1], kDigit19) + d[0], 0};

  // Cut k = 19·m + j digits: the kept digits end inside d[m], whose low j
  // decimal digits decide the rounding (all of d[m - 1] when j is 0).
  const int cut = digits - kMaxDigits;
  const auto m = static_cast<std::size_t>(cut / 19);
  const auto j = static_cast<std::size_t>(cut % 19);
  bool sticky = false;
  for (std::size_t i = 0; i + (j == 0 ? 1 : 0) < m; ++i) sticky |= d[i] != 0;
  Uint128 q = 0;
  std::uint64_t dropped = 0;
  std::uint64_t half = 0;
  if (j == 0) {
    q = Uint128::multiply(d[m + 1], kDigit19) + d[m];
    dropped = d[m - 1];
    half = kDigit19 / 2;
  } else {
    const std::uint64_t above = m + 2 < N ? d[m + 2] : 0;
    // d[m] split at its j-th digit by the power's reciprocal, not a word
    // division.
    WideInt<1> kept{{d[m]}};
    dropped = detail::divideInPlace(kept, detail::kPow10Reciprocal[j]);
    q = static_cast<Uint128>(above) * kPow10[38 - j] + Uint128::multiply(d[m + 1], detail::kPow10Word[19 - j]) +
        kept.w[0];
    half = 5 * detail::kPow10Word[j - 1];
  }
  int removed = cut;
  if (dropped > half || (dropped == half && (sticky || (q & 1) != 0))) roundUp(q, removed);
  return {q, removed};
}

// Cutting a product of two coefficients to 38 digits with multiplications
// only. For a product of cut + 38 digits, its 128 bits from `shift` on
// times `reciprocal` give the kept digits, or up to 2 less (the bits below
// `shift` and the rounding down of the reciprocal each take less than one);
// the low two words of the remainder then settle them and the rounding.
struct ProductCut {
  Uint128 reciprocal;  // floor(2^(shift + 128) / 10^cut)
  int shift;           // the bit width of 10^(cut + 38) less 128
};

constexpr auto kProductCut = [] {
  std::array<ProductCut, kMaxDigits + 1> table{};
  for (int cut = 1; cut <= kMaxDigits; ++cut) {
    const int shift = detail::kPow10Wide<4>[static_cast<std::size_t>(cut + kMaxDigits)].bitWidth() - 128;
    // floor(2^(shift + 128) / 10^cut), one bit at a time.
    const Uint128 d = kPow10[static_cast<std::size_t>(cut)];
    Uint128 q = 0;
    Uint128 r = 1;
    for (int i = 0; i < shift + 128; ++i) {
      r = r << 1;  // below 2^128, as d < 2^127
      q = q << 1;
      if (r >= d) {
        r -= d;
        q = q | 1;
      }
    }
    table[static_cast<std::size_t>(cut)] = {q, shift};
  }
  return table;
}();
// The bits are taken with one funnel shift inside a word pair.
static_assert([] {
  for (const ProductCut& c : kProductCut)
    if (c.shift % 64 == 0 && c.shift != 0) return false;
  return true;
}());

/// An exact product of two coefficients as its low and high halves.
struct WideProduct {
  Uint128 low;
  Uint128 high;
};

/// a + b for a word b. Spelt out in words so that the carry is one add of
/// zero, not a zeroed register added in.
[[gnu::always_inline]] inline Uint128 plusWord(Uint128 a, std::uint64_t b) noexcept {
  const std::uint64_t low = a.low() + b;
  return Uint128::fromWords(a.high() + (low < b ? 1 : 0), low);
}

/// a·b, schoolbook on words. Each step adds one word to a word product,
/// which cannot carry out of 128 bits, so no carry has to be kept.
[[gnu::always_inline]] inline WideProduct multiplyFull(Uint128 a, Uint128 b) noexcept {
  const Uint128 ll = Uint128::multiply(a.low(), b.low());
  const Uint128 lh = plusWord(Uint128::multiply(a.low(), b.high()), ll.high());
  const Uint128 hl = plusWord(Uint128::multiply(a.high(), b.low()), lh.low());
  return {Uint128::fromWords(hl.low(), ll.low()),
          plusWord(plusWord(Uint128::multiply(a.high(), b.high()), lh.high()), hl.high())};
}

/// a·b for a one-word a: three words.
[[gnu::always_inline]] inline WideProduct multiplyFull(std::uint64_t a, Uint128 b) noexcept {
  const Uint128 low = Uint128::multiply(a, b.low());
  const Uint128 high = Uint128::multiply(a, b.high()) + low.high();
  return {Uint128::fromWords(high.low(), low.low()), Uint128(high.high())};
}

/// The product of `cut` + 38 digits cut to 38, rounded half to even.
[[gnu::always_inline]] inline RoundedCoefficient cutProduct(const WideProduct& p, int cut) noexcept {
  const ProductCut& entry = kProductCut[static_cast<std::size_t>(cut)];
  // The 128 bits from `shift` on, from the three words that hold them.
  const bool upper = entry.shift >= 64;
  const std::uint64_t w0 = upper ? p.low.high() : p.low.low();
  const std::uint64_t w1 = upper ? p.high.low() : p.low.high();
  const std::uint64_t w2 = upper ? p.high.high() : p.high.low();
  const int bits = entry.shift & 63;  // not 0, see above
  const std::uint64_t n0 = (w0 >> bits) | (w1 << (64 - bits));
  const std::uint64_t n1 = (w1 >> bits) | (w2 << (64 - bits));

  // The high half of n·reciprocal, exactly.
  Uint128 q = multiplyFull(Uint128::fromWords(n1, n0), entry.reciprocal).high;

  // The remainder is below 3·10^cut < 2^128, so its low two words are all
  // of it.
  const Uint128 t = kPow10[static_cast<std::size_t>(cut)];
  Uint128 r = p.low - q * t;
  for (int i = 0; i < 2; ++i) {
    if (r.high() != t.high() ? r.high() > t.high() : r.low() >= t.low()) {
      r -= t;
      ++q;
    }
  }
  int removed = cut;
  // High words first: they nearly always differ.
  const Uint128 half = t >> 1;
  if (r.high() != half.high() ? r.high() > half.high()
                              : r.low() > half.low() || (r.low() == half.low() && (q & 1) != 0))
    roundUp(q, removed);
  return {q, removed};
}

/// A product of 2^128 or more rounded to 38 digits.
[[gnu::always_inline]] inline RoundedCoefficient roundedProduct(const WideProduct& p) noexcept {
  // The bit width leaves two digit counts; one comparison settles them. The
  // two roads are written out so the cut's constants need not wait for it.
  const int width =
      p.high.high() != 0 ? 256 - std::countl_zero(p.high.high()) : 192 - std::countl_zero(p.high.low());
  const int digits = (width * 1233) >> 12;
  const WideInt<4>& power = detail::kPow10Wide<4>[static_cast<std::size_t>(digits)];
  const Uint128 powerHigh = Uint128::fromWords(power.w[3], power.w[2]);
  if (p.high != powerHigh ? p.high > powerHigh : p.low >= power.low128()) return cutProduct(p, digits + 1 - kMaxDigits);
  return cutProduct(p, digits - kMaxDigits);
}

/// The high half of 10^k, for a product's digit count at a glance.
constexpr Uint128 highHalfOfPow10(std::size_t k) noexcept {
  const WideInt<4>& power = detail::kPow10Wide<4>[k];
  return Uint128::fromWords(power.w[3], power.w[2]);
}

/// A product of two long coefficients rounded to 38 digits. Most have 75 or
/// 76 digits (two coefficients of 38 digits, the form of every rounded
/// result), which the high half alone tells apart, and are cut by a
/// constant; the rest, and a high half equal to 10^74's or 10^75's, take the
/// digit count.
[[gnu::always_inline]] inline RoundedCoefficient roundedLongProduct(Uint128 a, Uint128 b) noexcept {
  // The high halves of the least products of 76 and of 75 digits.
  constexpr Uint128 least76 = highHalfOfPow10(2 * kMaxDigits - 1);
  constexpr Uint128 least75 = highHalfOfPow10(2 * kMaxDigits - 2);
  const WideProduct p = multiplyFull(a, b);
  if (p.high > least76) [[likely]]
    return cutProduct(p, kMaxDigits);
  if (p.high > least75 && p.high < least76) [[likely]]
    return cutProduct(p, kMaxDigits - 1);
  return roundedProduct(p);
}

/// x·10^shift ± y rounded to 38 digits, for coefficients below 10^38 where
/// x·10^shift has more than 38 digits (so it outweighs y) and shift < 77.
/// In base 10^19 the scale is a whole-digit move and one short multiply.
RoundedCoefficient roundedScaledSum(Uint128 x, int shift, Uint128 y, bool subtract) noexcept {
  const auto whole = static_cast<std::size_t>(shift / 19);
  const std::uint64_t scale = detail::kPow10Word[static_cast<std::size_t>(shift % 19)];
  const Digits19 xs = splitDigits19(x);
  const Digits19 low = splitDigits19(Uint128::multiply(xs.low, scale));
  const Digits19 high = splitDigits19(Uint128::multiply(xs.high, scale));
  std::array<std::uint64_t, 7> d{};
  Uint128 middle = static_cast<Uint128>(low.high) + high.low;
  const std::uint64_t carry = carryDigit19(middle);
  d[whole] = low.low;
  d[whole + 1] = static_cast<std::uint64_t>(middle);
  d[whole + 2] = high.high + carry;

  const Digits19 ys = splitDigits19(y);
  const std::array<std::uint64_t, 2> yDigits{ys.low, ys.high};
  std::uint64_t pending = 0;  // carry, or borrow when subtracting
  for (std::size_t i = 0; i < d.size(); ++i) {
    const std::uint64_t change = (i < yDigits.size() ? yDigits[i] : 0) + pending;
    if (change == 0 && i >= yDigits.size()) break;
    if (subtract) {
      pending = d[i] < change ? 1 : 0;
      d[i] = d[i] + (pending != 0 ? kDigit19 : 0) - change;  // below 10^19; any wrap cancels
    } else {
      const Uint128 total = static_cast<Uint128>(d[i]) + change;
      pending = total >= kDigit19 ? 1 : 0;
      d[i] = static_cast<std::uint64_t>(total - (pending != 0 ? kDigit19 : 0));
    }
  }
  return roundDigits19(d);
}

/// A 38-digit coefficient's sum with another, below 2·10^38, rounded half to
/// even when it reaches a 39th digit.
[[gnu::always_inline]] inline Decimal roundedSum(Uint128 sum, std::int64_t exponent, bool negative) noexcept {
  if (sum < kPow10[kMaxDigits]) return A::make({sum, exponent, negative, false});
  // 39 digits starting with 1: the 38 kept ones stay below 2·10^37 however
  // they round, so rounding never carries into another digit.
  std::uint64_t digit = 0;
  Uint128 q = detail::divideByTen(sum, digit);
  if (digit > 5 || (digit == 5 && (q & 1) != 0)) ++q;
  return A::makeFull(q, exponent + 1, negative);
}

/// An exact value of three words rounded to 38 digits.
struct RoundedWide {
  Uint128 coefficient;
  int cut;     // digits removed
  int digits;  // of the coefficient
};

// Cuts up to 19 digits by two word divisions with a prepared reciprocal of
// the power of ten; the second remainder is the exact cut part. Absent for
// values of 58 digits or more.
[[gnu::always_inline]] inline std::optional<RoundedWide> roundThreeWords(const WideInt<3>& value) noexcept {
  const int cut = detail::digitCount(value) - kMaxDigits;
  if (cut <= 0) return RoundedWide{value.low128(), 0, kMaxDigits + cut};
  if (cut > 19) return std::nullopt;
  // 10^cut shifted until its top bit is set; the value shifted with it
  // stays below 2^191, and its top word below the divisor.
  const detail::WordReciprocal& d = detail::kPow10Reciprocal[static_cast<std::size_t>(cut)];
  const int shift = d.shift;
  std::uint64_t n2 = value.w[2];
  std::uint64_t n1 = value.w[1];
  std::uint64_t n0 = value.w[0];
  if (shift != 0) {
    n2 = (n2 << shift) | (n1 >> (64 - shift));
    n1 = (n1 << shift) | (n0 >> (64 - shift));
    n0 <<= shift;
  }
  std::uint64_t r = 0;
  const std::uint64_t qHigh = detail::divideWord(n2, n1, d, r);
  const std::uint64_t qLow = detail::divideWord(r, n0, d, r);
  Uint128 q = Uint128::fromWords(qHigh, qLow);
  const std::uint64_t dropped = r >> shift;
  const std::uint64_t half = detail::kPow10Word[static_cast<std::size_t>(cut)] / 2;
  int removed = cut;
  if (dropped > half || (dropped == half && (q & 1) != 0)) roundUp(q, removed);
  return RoundedWide{q, removed, kMaxDigits};
}

/// a ± b for operands that are not NaN.
Decimal addAligned(const Decimal& a, const Decimal& b, bool negateB) noexcept {
  // The operands as plain fields: copying a Decimal whole right after it was
  // written field by field stalls the load.
  struct Term {
    Uint128 c;
    std::int64_t e;
    bool negative;
    int digits;
  };
  const Term ta{A::coefficient(a), A::exponent(a), a.isNegative(), detail::digitCount(A::coefficient(a))};
  const Term tb{A::coefficient(b), A::exponent(b), b.isNegative() != negateB, detail::digitCount(A::coefficient(b))};
  if (tb.c == 0) return a;
  if (ta.c == 0) return A::make({tb.c, tb.e, tb.negative, false});
  // An addend 40 or more digits below the other's leading digit cannot move
  // the rounded sum away from the larger one.
  const std::int64_t adjA = ta.e + ta.digits;
  const std::int64_t adjB = tb.e + tb.digits;
  if (adjA - adjB >= 40) return a;
  if (adjB - adjA >= 40) return A::make({tb.c, tb.e, tb.negative, false});

  // x has the larger exponent and is scaled down to y's.
  const Term& x = ta.e >= tb.e ? ta : tb;
  const Term& y = ta.e >= tb.e ? tb : ta;
  const int shift = static_cast<int>(x.e - y.e);
  const bool same = x.negative == y.negative;

  if (x.digits + shift <= kMaxDigits) {
    const Uint128 sx = x.c * kPow10[static_cast<std::size_t>(shift)];
    if (same) return roundedSum(sx + y.c, y.e, x.negative);
    if (sx >= y.c) return A::make({sx - y.c, y.e, x.negative, false});
    return A::make({y.c - sx, y.e, y.negative, false});
  }
  if (x.digits + shift <= 57 && shift <= kMaxDigits) {
    // x·10^shift in three words, then y added or taken away exactly;
    // x·10^shift has more than 38 digits, so it outweighs y.
    WideInt<3> scaled;
    if (shift <= 19) {
      const std::uint64_t scale = detail::kPow10Word[static_cast<std::size_t>(shift)];
      const Uint128 low = Uint128::multiply(x.c.low(), scale);
      const Uint128 high = Uint128::multiply(x.c.high(), scale) + low.high();
      scaled.w = {low.low(), high.low(), high.high()};
    } else {
      const WideInt<4> p = detail::multiply(WideInt<2>::from(x.c), WideInt<2>::from(kPow10[static_cast<std::size_t>(shift)]));
      scaled.w = {p.w[0], p.w[1], p.w[2]};  // below 10^57
    }
    Uint128 bottom = scaled.low128();
    std::uint64_t top = scaled.w[2];
    if (same) {
      const Uint128 total = bottom + y.c;
      top += std::uint64_t{total < bottom};
      bottom = total;
    } else {
      top -= std::uint64_t{bottom < y.c};
      bottom -= y.c;
    }
    if (const auto r = roundThreeWords(WideInt<3>{{bottom.low(), bottom.high(), top}}))
      return A::make({r->coefficient, y.e + r->cut, x.negative, false});
  }
  const RoundedCoefficient r = roundedScaledSum(x.c, shift, y.c, !same);
  return A::make({r.coefficient, y.e + r.cut, x.negative, false});
}

/// a ± b for one-word coefficients whose exponents differ: within 19
/// places they align exactly in two words. Out of line, so the wide sums
/// keep their registers.
[[gnu::noinline]] Decimal shortSum(const Decimal& a, const Decimal& b, bool negateB) noexcept {
  const Uint128 ca = A::coefficient(a);
  const Uint128 cb = A::coefficient(b);
  const std::int64_t apart = A::exponent(a) - A::exponent(b);
  if (ca != 0 && cb != 0 && apart >= -19 && apart <= 19) {
    const std::uint64_t scale = detail::kPow10Word[static_cast<std::size_t>(apart < 0 ? -apart : apart)];
    const Uint128 x = apart > 0 ? Uint128::multiply(ca.low(), scale) : Uint128(ca.low());
    const Uint128 y = apart < 0 ? Uint128::multiply(cb.low(), scale) : Uint128(cb.low());
    const std::int64_t exponent = apart > 0 ? A::exponent(b) : A::exponent(a);
    const bool negativeA = a.isNegative();
    const bool negativeB = b.isNegative() != negateB;
    if (negativeA != negativeB)
      return x >= y ? A::make({x - y, exponent, negativeA, false}) : A::make({y - x, exponent, negativeB, false});
    const Uint128 sum = x + y;  // below 2^128: x, y < 10^19·2^64
    if (sum < kPow10[kMaxDigits]) return A::make({sum, exponent, negativeA, false});
  }
  return addAligned(a, b, negateB);
}

/// a ± b at one exponent, the common case of values of one scale: no digit
/// counts and no alignment, and only a 39th digit to round.
Decimal sameExponentSum(const Decimal& a, const Decimal& b, bool negateB) noexcept {
  const Uint128 x = A::coefficient(a);
  const Uint128 y = A::coefficient(b);
  const std::int64_t exponent = A::exponent(a);
  const bool negativeB = b.isNegative() != negateB;
  if (a.isNegative() == negativeB) return roundedSum(x + y, exponent, negativeB);  // below 2·10^38
  return x >= y ? A::make({x - y, exponent, a.isNegative(), false}) : A::make({y - x, exponent, negativeB, false});
}

Decimal addSigned(const Decimal& a, const Decimal& b, bool negateB) noexcept {
  const bool longA = A::coefficient(a).high() != 0;
  const bool longB = A::coefficient(b).high() != 0;
  // Two long coefficients first: a NaN has no digits, so neither is one.
  if (!(longA && longB)) {
    if (a.isNaN() || b.isNaN()) return Decimal::nan();
    if (!(longA || longB)) return shortSum(a, b, negateB);
  }
  if (A::exponent(a) == A::exponent(b)) return sameExponentSum(a, b, negateB);
  return addAligned(a, b, negateB);
}

/// A one-word coefficient times one of two words (a typed value times a
/// long constant), rounded to 38 digits; absent for a 20-digit factor whose
/// product has 58.
[[gnu::always_inline]] inline std::optional<RoundedWide> shortTimesLong(std::uint64_t shortOne,
                                                                       Uint128 longOne) noexcept {
  const Uint128 low = Uint128::multiply(shortOne, longOne.low());
  const Uint128 high = Uint128::multiply(shortOne, longOne.high()) + low.high();
  return roundThreeWords(WideInt<3>{{low.low(), high.low(), high.high()}});
}

}  // namespace

Decimal Decimal::sumWide(const Decimal& a, const Decimal& b, bool negateB) noexcept {
  return addSigned(a, b, negateB);
}

Decimal Decimal::multiplyWide(const Decimal& a, const Decimal& b) noexcept {
  // Two long coefficients (so neither is NaN or zero): the product has 39
  // digits or more, all 38 kept digits are filled.
  if (a.hi_ != 0 && b.hi_ != 0) [[likely]] {
    const RoundedCoefficient p = roundedLongProduct(A::coefficient(a), A::coefficient(b));
    return A::makeFull(p.coefficient, A::exponent(a) + A::exponent(b) + p.cut, a.isNegative() != b.isNegative());
  }
  if (a.isNaN() || b.isNaN()) return Decimal::nan();
  if (a.isZero() || b.isZero()) return Decimal();
  const bool negative = a.isNegative() != b.isNegative();
  const std::int64_t exponent = A::exponent(a) + A::exponent(b);
  const Uint128 ca = A::coefficient(a);
  const Uint128 cb = A::coefficient(b);
  if (ca.high() == 0 && cb.high() == 0) {
    const Uint128 product = Uint128::multiply(ca.low(), cb.low());
    if (product < kPow10[kMaxDigits]) return A::make({product, exponent, negative, false});
  }
  if (ca.high() == 0 || cb.high() == 0) {
    if (const auto p = shortTimesLong(ca.high() == 0 ? ca.low() : cb.low(), ca.high() == 0 ? cb : ca))
      return A::make({p->coefficient, exponent + p->cut, negative, false});
  }
  // Left: a 20-digit factor times a long one, 58 digits, far above 2^128.
  const RoundedCoefficient p = roundedProduct(multiplyFull(ca, cb));
  return A::make({p.coefficient, exponent + p.cut, negative, false});
}

Decimal operator/(const Decimal& a, const Decimal& b) noexcept {
  if (a.isNaN() || b.isNaN() || b.isZero()) return Decimal::nan();
  if (a.isZero()) return Decimal();
  const bool negative = a.isNegative() != b.isNegative();
  const Uint128 ca = A::coefficient(a);
  const Uint128 cb = A::coefficient(b);
  const int na = detail::digitCount(ca);
  const int nb = detail::digitCount(cb);
  // Scale the dividend so the quotient has exactly 38 digits: by 10^(37 +
  // nb - na), one place more when a's leading digits fall below b's. The
  // remainder then decides the rounding.
  const int apart = nb - na;
  const bool below = apart == 0  ? ca < cb
                     : apart > 0 ? ca * kPow10[static_cast<std::size_t>(apart)] < cb
                                 : ca < cb * kPow10[static_cast<std::size_t>(-apart)];
  const int shift = kMaxDigits - 1 + apart + (below ? 1 : 0);
  // ca·10^shift as one product of two coefficient-sized factors: the part of
  // the scale beyond 38 places leaves ca below 10^38, since the dividend has
  // at most 76 digits.
  const Uint128 scaled = shift > kMaxDigits ? ca * kPow10[static_cast<std::size_t>(shift - kMaxDigits)] : ca;
  const Uint128 power = kPow10[static_cast<std::size_t>(std::min(shift, kMaxDigits))];
  const WideProduct product = scaled.high() == 0 ? multiplyFull(scaled.low(), power) : multiplyFull(scaled, power);
  const WideInt<4> dividend{{product.low.low(), product.low.high(), product.high.low(), product.high.high()}};
  auto [q, r] = detail::divide(dividend, cb);
  std::int64_t exponent = A::exponent(a) - A::exponent(b) - shift;
  if (r != 0) {
    const Uint128 twice = r << 1;  // r < cb < 2^127
    if (twice > cb || (twice == cb && (q & 1) != 0)) roundUp(q, exponent);
  }
  return A::make({q, exponent, negative, false});
}

// The quotient of a nonzero dividend of na digits, widened to 38 (leadA),
// whose exponent less the divisor's is `exponent`.
[[gnu::always_inline]] inline Decimal DecimalAccess::divideLead(Uint128 leadA, int na, std::int64_t exponent,
                                                            bool negativeA, const DecimalDivisor& divisor) noexcept {
  const Decimal& b = divisor.value_;
  const bool negative = negativeA != b.isNegative();
  const Uint128 cb = A::coefficient(b);
  const Uint128 leadB = Uint128::fromWords(divisor.leadHigh_, divisor.leadLow_);
  const bool below = leadA < leadB;
  const int m = divisor.digits_ - 1 + (below ? 1 : 0);
  exponent -= kMaxDigits - na + m;
  if (divisor.digits_ <= detail::kScaledDivisorDigits) {
    // The quotient of leadA·10^m as one product; the remainder, below the
    // divisor, is exact in its lowest word.
    Uint128 q = detail::multiplyScaled(leadA, divisor.scaled_[below ? 1 : 0]);
    const std::uint64_t d = cb.low();
    const std::uint64_t r = leadA.low() * detail::kPow10Word[static_cast<std::size_t>(m)] - q.low() * d;
    const std::uint64_t twice = r << 1;  // d < 10^18, so no overflow
    if (twice > d || (twice == d && (q & 1) != 0)) roundUp(q, exponent);
    return A::makeFull(q, exponent, negative);
  }
  return divideLong(leadA, m, cb, divisor.inverse_, exponent, negative);
}

// The steps of a / b with b's share done beforehand. Both callers take it
// inline: a call between them cost a nanosecond of a 15 ns division.
[[gnu::always_inline]] inline Decimal DecimalAccess::divide(const Decimal& a, const DecimalDivisor& divisor,
                                                        std::int64_t k) noexcept {
  const Decimal& b = divisor.value_;
  // A NaN or zero divisor is left with no digits.
  if (a.isNaN() || divisor.digits_ == 0) return Decimal::nan();
  const std::int64_t divisorExponent = A::exponent(b) + k;
  if (k != 0) {  // a finite divisor is in range; scaled, it may leave it
    const std::int64_t divisorAdjusted = divisorExponent + divisor.digits_ - 1;
    if (divisorAdjusted > detail::kMaxAdjusted || divisorAdjusted < -detail::kMaxAdjusted) return Decimal::nan();
  }
  if (a.isZero()) return Decimal();
  const Uint128 ca = A::coefficient(a);
  // The dividend widened to 38 digits (leadA, from na digits).
  int na = 0;
  Uint128 leadA = ca;
  if (ca.high() == 0) {
    // A typed value: its bit length leaves two digit counts, so both
    // widenings are worked out while the count is settled.
    const std::uint64_t c = ca.low();
    const int guess = ((64 - std::countl_zero(c)) * 1233) >> 12;
    const bool longer = c >= detail::kPow10Word[static_cast<std::size_t>(guess)];
    const Uint128 ifGuess = Uint128(c) * kPow10[static_cast<std::size_t>(kMaxDigits - guess)];
    const Uint128 ifLonger = Uint128(c) * kPow10[static_cast<std::size_t>(kMaxDigits - 1 - guess)];
    na = guess + (longer ? 1 : 0);
    leadA = longer ? ifLonger : ifGuess;
  } else {
    // Nothing to do for a full coefficient, a quotient passed on.
    na = detail::digitCount(ca);
    if (na < kMaxDigits) leadA = ca * kPow10[static_cast<std::size_t>(kMaxDigits - na)];
  }
  return divideLead(leadA, na, A::exponent(a) - divisorExponent, a.isNegative(), divisor);
}

// The long division by a divisor of 19 digits or more, out of line so the
// common road above keeps its values in registers.
[[gnu::noinline]] Decimal DecimalAccess::divideLong(Uint128 leadA, int m, Uint128 cb, std::uint64_t inverse,
                                                    std::int64_t exponent, bool negative) noexcept {
  // ca·10^shift is the dividend widened to 38 digits, times 10^m: one
  // short product for the divisors of up to 19 digits.
  WideInt<4> dividend;
  if (m < 20) {
    const std::uint64_t scale = detail::kPow10Word[static_cast<std::size_t>(m)];
    const Uint128 low = Uint128::multiply(leadA.low(), scale);
    const Uint128 high = Uint128::multiply(leadA.high(), scale) + low.high();
    dividend.w = {low.low(), high.low(), high.high(), 0};
  } else {
    dividend = detail::multiply(WideInt<2>::from(leadA), WideInt<2>::from(kPow10[static_cast<std::size_t>(m)]));
  }
  auto [q, r] = detail::divide(dividend, cb, inverse);
  if (r != 0) {
    const Uint128 twice = r << 1;
    if (twice > cb || (twice == cb && (q & 1) != 0)) roundUp(q, exponent);
  }
  return A::makeFull(q, exponent, negative);
}

Decimal operator/(const Decimal& a, const DecimalDivisor& divisor) noexcept { return A::divide(a, divisor, 0); }

Decimal multiplyThenDivide(const Decimal& a, const Decimal& b, const DecimalDivisor& divisor) noexcept {
  const Uint128 ca = A::coefficient(a);
  const Uint128 cb = A::coefficient(b);
  // A typed value and a long constant: their rounded product goes straight
  // on to the division, its digit count known. Anything else, and products
  // near the edges of the range, take the two steps.
  if (!(a.isNaN() || b.isNaN()) && divisor.digits_ != 0 && (ca.high() == 0) != (cb.high() == 0)) {
    const std::uint64_t shortOne = ca.high() == 0 ? ca.low() : cb.low();
    if (shortOne != 0) {
      if (const auto p = shortTimesLong(shortOne, ca.high() == 0 ? cb : ca)) {
        const std::int64_t exponent = A::exponent(a) + A::exponent(b) + p->cut;
        if (A::ordinaryExponent(exponent)) {
          const Uint128 lead = p->digits == kMaxDigits
                                   ? p->coefficient
                                   : p->coefficient * kPow10[static_cast<std::size_t>(kMaxDigits - p->digits)];
          return A::divideLead(lead, p->digits, exponent - A::exponent(divisor.value_), a.isNegative() != b.isNegative(),
                               divisor);
        }
      }
    }
  }
  return (a * b) / divisor;
}

Decimal multiplyThenDivide(const Decimal& a, const DecimalFactor& factor, const DecimalDivisor& divisor) noexcept {
  const Decimal& b = factor.value_;
  const Uint128 ca = A::coefficient(a);
  if (factor.full_ && !a.isNaN() && divisor.digits_ != 0 && ca.high() == 0 && ca.low() != 0) {
    const std::uint64_t s = ca.low();
    const Uint128 cb = A::coefficient(b);
    const Uint128 low = Uint128::multiply(s, cb.low());
    const Uint128 high = Uint128::multiply(s, cb.high()) + low.high();
    const int cut = detail::digitCount(WideInt<3>{{low.low(), high.low(), high.high()}}) - kMaxDigits;
    if (cut >= 1 && cut <= 18) {
      // With b = H·10^18 + L, floor(s·b / 10^cut) = s·H·10^(18 − cut) +
      // floor(s·L / 10^cut). As b has 38 digits, s has at most cut + 1, so
      // the second quotient fits a word: one word division, whose remainder
      // is the exact part cut.
      const detail::WordReciprocal& d = detail::kPow10Reciprocal[static_cast<std::size_t>(cut)];
      const Uint128 part = Uint128::multiply(s, factor.low_);
      const int shift = d.shift;
      std::uint64_t n1 = part.high();
      std::uint64_t n0 = part.low();
      if (shift != 0) {
        n1 = (n1 << shift) | (n0 >> (64 - shift));
        n0 <<= shift;
      }
      std::uint64_t r = 0;
      const std::uint64_t below = detail::divideWord(n1, n0, d, r);
      const Uint128 upper = Uint128::multiply(s, factor.high_) + Uint128::fromWords(s * factor.highCarry_, 0);
      Uint128 q = upper * Uint128(detail::kPow10Word[static_cast<std::size_t>(18 - cut)]) + below;
      const std::uint64_t dropped = r >> shift;
      const std::uint64_t half = detail::kPow10Word[static_cast<std::size_t>(cut)] / 2;
      std::int64_t exponent = A::exponent(a) + A::exponent(b) + cut;
      if (dropped > half || (dropped == half && (q & 1) != 0)) roundUp(q, exponent);
      if (A::ordinaryExponent(exponent))
        return A::divideLead(q, kMaxDigits, exponent - A::exponent(divisor.value_), a.isNegative() != b.isNegative(),
                             divisor);
    }
  }
  return multiplyThenDivide(a, b, divisor);
}

Decimal divideScaled(const Decimal& a, const DecimalDivisor& divisor, std::int64_t k) noexcept {
  return A::divide(a, divisor, k);
}

Decimal pow(const Decimal& x, std::int64_t n) noexcept {
  if (x.isNaN() || n < 0) return Decimal::nan();
  if (n == 0) return Decimal(1);
  if (x.isZero()) return Decimal();
  // Strip trailing zeros so an exact power keeps to the fewest digits.
  Uint128 c = A::coefficient(x);
  std::int64_t e = A::exponent(x);
  for (;;) {
    const Uint128::Division d = Uint128::divide(c, 10u);
    if (d.remainder != 0) break;
    c = d.quotient;
    ++e;
  }
  const bool negative = x.isNegative() && (n & 1) != 0;
  // An exponent this far out is past the range whatever the digits do.
  constexpr std::int64_t kFar = std::int64_t{1} << 40;
  if (c == 1) {
    if (e != 0 && (e > kFar / n || e < -kFar / n)) return e > 0 ? Decimal::nan() : Decimal();
    return A::make({1, e * n, negative, false});
  }
  // Square-and-multiply on 57 digits, cutting toward zero: exact whenever
  // every partial power fits, and far inside one unit of the 38th digit
  // otherwise. |x| != 1 here, so every partial power lies on the same side
  // of 1 as the result and a runaway exponent decides the outcome early.
  constexpr int kWork = 57;
  struct Work {
    WideInt<3> c;
    std::int64_t e;
  };
  bool inexact = false;
  auto times = [&](const Work& p, const Work& q) {
    auto product = detail::multiply(p.c, q.c);
    const int cut = detail::digitCount(product) - kWork;
    std::int64_t exponent = p.e + q.e;
    if (cut > 0) {
      inexact |= detail::dropDigits(product, cut);
      exponent += cut;
    }
    WideInt<3> r;
    for (std::size_t i = 0; i < 3; ++i) r.w[i] = product.w[i];
    return Work{r, exponent};
  };
  auto runaway = [&](const Work& w) {
    const std::int64_t adjusted = w.e + detail::digitCount(w.c) - 1;
    return adjusted > kFar || adjusted < -kFar;
  };
  Work base{WideInt<3>::from(c), e};
  Work result{WideInt<3>::from(1), 0};
  for (std::int64_t k = n;;) {
    if ((k & 1) != 0) {
      result = times(result, base);
      if (runaway(result)) return result.e > 0 ? Decimal::nan() : Decimal();
    }
    k >>= 1;
    if (k == 0) break;
    base = times(base, base);
    if (runaway(base)) return base.e > 0 ? Decimal::nan() : Decimal();
  }
  if (detail::digitCount(result.c) <= kMaxDigits && !inexact)
    return A::make({result.c.low128(), result.e, negative, false});
  return roundToDecimal(result.c, result.e, negative, inexact);
}

Decimal Decimal::rounded(std::int64_t fractionDigits, Rounding mode) const noexcept {
  // Further out than this the answer no longer changes; the clamp keeps
  // -fractionDigits defined for INT64_MIN.
  constexpr std::int64_t kReach = kMaxExponent + 2 * kMaxDigits;
  fractionDigits = std::clamp(fractionDigits, -kReach, kReach);
  if (isNaN() || isZero() || exponent_ >= -fractionDigits) return *this;
  const std::int64_t cut = -fractionDigits - exponent_;
  const Uint128 c = A::coefficient(*this);
  Uint128 q = 0;
  std::uint64_t roundDigit = 0;
  bool sticky = false;
  if (cut <= kMaxDigits) {
    WideInt<2> w = WideInt<2>::from(c);
    sticky = detail::dropDigits(w, static_cast<int>(cut - 1));
    roundDigit = detail::dropDigit(w);
    q = w.low128();
  } else {
    sticky = true;  // every digit lies below the rounding digit, which is 0
  }
  const bool exact = roundDigit == 0 && !sticky;
  bool up = false;
  switch (mode) {
    case Rounding::halfUp: up = roundDigit >= 5; break;
    case Rounding::halfEven: up = roundDigit > 5 || (roundDigit == 5 && (sticky || (q & 1) != 0)); break;
    case Rounding::halfDown: up = roundDigit > 5 || (roundDigit == 5 && sticky); break;
    case Rounding::down: up = false; break;
    case Rounding::up: up = !exact; break;
    case Rounding::ceiling: up = !exact && !negative_; break;
    case Rounding::floor: up = !exact && negative_; break;
  }
  if (up) ++q;  // q < 10^37 here, so no carry out of 38 digits
  return A::make({q, -fractionDigits, negative_ && q != 0, false});
}

bool operator==(const Decimal& a, const Decimal& b) noexcept { return (a <=> b) == 0; }

std::partial_ordering operator<=>(const Decimal& a, const Decimal& b) noexcept {
  if (a.isNaN() || b.isNaN()) return std::partial_ordering::unordered;
  const auto sign = [](const Decimal& d) { return d.isZero() ? 0 : d.isNegative() ? -1 : 1; };
  const int sa = sign(a);
  const int sb = sign(b);
  if (sa != sb || sa == 0) return sa <=> sb;
  // Same nonzero sign: compare magnitudes, then flip for negatives.
  const auto magnitudeOrder = [&]() -> std::strong_ordering {
    const std::int64_t adjA = adjustedExponent(a);
    const std::int64_t adjB = adjustedExponent(b);
    if (adjA != adjB) return adjA <=> adjB;
    // Same leading position: widen both to 38 digits and compare.
    const Uint128 ca = A::coefficient(a);
    const Uint128 cb = A::coefficient(b);
    const Uint128 wa = ca * kPow10[static_cast<std::size_t>(kMaxDigits - detail::digitCount(ca))];
    const Uint128 wb = cb * kPow10[static_cast<std::size_t>(kMaxDigits - detail::digitCount(cb))];
    return wa <=> wb;
  }();
  return sa > 0 ? magnitudeOrder : 0 <=> magnitudeOrder;
}

namespace {


constexpr auto kDigitPairs = [] {
  std::array<char, 200> table{};
  for (std::size_t i = 0; i < 100; ++i) {
    table[2 * i] = static_cast<char>('0' + i / 10);
    table[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return table;
}();

/// Writes n < 10^8 as exactly eight digits, two at a time. n / 10^6 is held
/// in fixed point with 48 fraction bits, its constant rounded up (checked
/// exact for every n below 10^8); multiplying the fraction by 100 brings the
/// next two digits above the point, with no division.
void writeEightDigits(std::uint64_t n, char* out) noexcept {
  constexpr std::uint64_t kFraction = (std::uint64_t{1} << 48) - 1;
  std::uint64_t y = n * 281474977u;  // ceil(2^48 / 10^6)
  for (std::size_t i = 0; i < 8; i += 2) {
    std::memcpy(out + i, &kDigitPairs[2 * static_cast<std::size_t>(y >> 48)], 2);
    y = (y & kFraction) * 100;
  }
}

/// Writes v < 10^16 as exactly sixteen digits.
void writeSixteenDigits(std::uint64_t v, char* out) noexcept {
  // v / 10^8 as the product a compiler makes of it on 64-bit targets; on
  // 32-bit ARM the division would be a library call.
  const std::uint64_t high = Uint128::multiply(v, 0xabcc77118461cefd).high() >> 26;  // ceil(2^90 / 10^8)
  writeEightDigits(high, out);
  writeEightDigits(v - high * 100000000, out + 8);
}

/// Writes the coefficient's digits; returns their count (at most 38).
int writeDigits(Uint128 c, char* out) noexcept {
  // Sixteen-digit blocks from the right, zero-padded, then the significant
  // digits moved to the front.
  constexpr std::uint64_t kSixteen = 10000000000000000u;
  char field[48];
  if (c.high() == 0 && c.low() < kSixteen) {
    writeSixteenDigits(c.low(), field + 32);
  } else {
    WideInt<2> w = WideInt<2>::from(c);
    writeSixteenDigits(detail::divideInPlace(w, detail::kPow10Reciprocal[16]), field + 32);
    writeSixteenDigits(detail::divideInPlace(w, detail::kPow10Reciprocal[16]), field + 16);
    writeSixteenDigits(w.w[0], field);  // below 10^6
  }
  const int count = detail::digitCount(c);
  std::memcpy(out, field + 48 - count, static_cast<std::size_t>(count));
  return count;
}

/// The digits with trailing zeros removed, and the exponent of the last one.
struct Digits {
  char text[40];
  int count;
  std::int64_t exponent;
};
Digits significantDigits(const Decimal& d) noexcept {
  Digits r;  // only the first `count` characters are read
  r.count = writeDigits(A::coefficient(d), r.text);
  r.exponent = A::exponent(d);
  while (r.count > 1 && r.text[r.count - 1] == '0') {
    --r.count;
    ++r.exponent;
  }
  return r;
}

}  // namespace

std::string Decimal::description() const {
  if (isNaN()) return "NaN";
  if (isZero()) return "0";
  const Digits d = significantDigits(*this);
  const auto count = static_cast<std::size_t>(d.count);
  const std::size_t sign = negative_ ? 1 : 0;
  const std::int64_t point = d.count + d.exponent;  // digits before '.'
  // The text is made at its final length, filled with the zeros plain
  // notation adds (after the digits, or between "0." and them); sign, point
  // and digits are then written over it: one allocation, no second copy.
  if (d.exponent >= 0) {
    std::string out(sign + count + static_cast<std::size_t>(d.exponent), '0');
    if (negative_) out[0] = '-';
    std::copy_n(d.text, count, out.begin() + static_cast<std::ptrdiff_t>(sign));
    return out;
  }
  if (point > 0) {
    const auto whole = static_cast<std::size_t>(point);
    std::string out(sign + count + 1, '.');
    if (negative_) out[0] = '-';
    std::copy_n(d.text, whole, out.begin() + static_cast<std::ptrdiff_t>(sign));
    std::copy_n(d.text + whole, count - whole, out.begin() + static_cast<std::ptrdiff_t>(sign + whole + 1));
    return out;
  }
  const auto zeros = static_cast<std::size_t>(-point);
  std::string out(sign + 2 + zeros + count, '0');
  if (negative_) out[0] = '-';
  out[sign + 1] = '.';
  std::copy_n(d.text, count, out.begin() + static_cast<std::ptrdiff_t>(sign + 2 + zeros));
  return out;
}

std::string Decimal::toScientificString() const {
  if (isNaN()) return "NaN";
  if (isZero()) return "0";
  const Digits d = significantDigits(*this);
  std::string out;
  if (negative_) out += '-';
  out += d.text[0];
  if (d.count > 1) {
    out += '.';
    out.append(d.text + 1, static_cast<std::size_t>(d.count - 1));
  }
  const std::int64_t adjusted = d.exponent + d.count - 1;
  out += adjusted < 0 ? "E-" : "E+";
  char buffer[24];
  const auto magnitude = adjusted < 0 ? -adjusted : adjusted;
  out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, magnitude).ptr);
  return out;
}

double Decimal::toDouble() const noexcept {
  if (isNaN()) return std::numeric_limits<double>::quiet_NaN();
  if (isZero()) return 0.0;
#if defined(__cpp_lib_to_chars)
  // from_chars rounds correctly; hand it "digitsE<exponent>".
  char buffer[64];
  char* p = buffer;
  if (negative_) *p++ = '-';
  p += writeDigits(A::coefficient(*this), p);
  *p++ = 'e';
  p = std::to_chars(p, buffer + sizeof buffer, exponent_).ptr;
  double value = 0.0;
  const auto [end, error] = std::from_chars(buffer, p, value);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    const double far = adjustedExponent(*this) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative_ ? -far : far;
  }
  return value;
#else
  // No floating-point from_chars (libc++ 14): our own correctly rounded
  // reader, which gives ±infinity and ±0 beyond the range as well.
  char digits[40];
  const int count = writeDigits(A::coefficient(*this), digits);
  return detail::decimalToDouble(std::string_view(digits, static_cast<std::size_t>(count)), exponent_, negative_).value;
#endif
}

Decimal Decimal::fromDouble(double value) noexcept {
  if (!std::isfinite(value)) return nan();
  char buffer[32];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  if (error != std::errc()) return nan();
  return fromString(std::string_view(buffer, static_cast<std::size_t>(end - buffer))).value_or(nan());
}

Decimal Decimal::pi() noexcept {
  static constexpr Decimal kPi = "3.1415926535897932384626433832795028842"_dec;
  return kPi;
}

std::size_t Decimal::hash() const noexcept {
  if (isNaN()) return detail::kGoldenRatio;
  if (isZero()) return 0;
  // Equal values share their coefficient and exponent once trailing zeros go.
  Uint128 c = A::coefficient(*this);
  std::int64_t e = exponent_;
  for (;;) {
    const Uint128::Division d = Uint128::divide(c, 10u);
    if (d.remainder != 0) break;
    c = d.quotient;
    ++e;
  }
  std::size_t h = detail::hashWord(c.low());
  h = detail::hashCombine(h, detail::hashWord(c.high()));
  h = detail::hashCombine(h, detail::hashWord(static_cast<std::uint64_t>(e)));
  return detail::hashCombine(h, negative_ ? 1u : 0u);
}

std::ostream& operator<<(std::ostream& os, const Decimal& value) { return os << value.description(); }

}  // namespace tal::platform
