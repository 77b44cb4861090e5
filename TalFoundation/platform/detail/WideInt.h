// Fixed-width unsigned integers of N 64-bit words for the Decimal kernel:
// exact products of coefficients and their division by powers of ten.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "TalFoundation/platform/detail/DecimalParse.h"

namespace tal::platform::detail {

template <std::size_t N>
struct WideInt {
  std::array<std::uint64_t, N> w{};  // least significant word first

  static constexpr WideInt from(Uint128 x) noexcept {
    WideInt r;
    r.w[0] = x.low();
    if constexpr (N > 1) r.w[1] = x.high();
    return r;
  }
  /// The low 128 bits.
  [[nodiscard]] constexpr Uint128 low128() const noexcept {
    if constexpr (N > 1) return Uint128::fromWords(w[1], w[0]);
    return w[0];
  }
  [[nodiscard]] constexpr int bitWidth() const noexcept {
    for (std::size_t i = N; i-- > 0;)
      if (w[i] != 0) return static_cast<int>(64 * i) + 64 - std::countl_zero(w[i]);
    return 0;
  }
};

template <std::size_t N>
constexpr int compare(const WideInt<N>& a, const WideInt<N>& b) noexcept {
  for (std::size_t i = N; i-- > 0;)
    if (a.w[i] != b.w[i]) return a.w[i] < b.w[i] ? -1 : 1;
  return 0;
}

/// The full product of an N-word and an M-word number.
template <std::size_t N, std::size_t M>
constexpr WideInt<N + M> multiply(const WideInt<N>& a, const WideInt<M>& b) noexcept {
  WideInt<N + M> r;
  for (std::size_t i = 0; i < N; ++i) {
    if (a.w[i] == 0) continue;
    std::uint64_t carry = 0;
    for (std::size_t j = 0; j < M; ++j) {
      const Uint128 p = Uint128::multiply(a.w[i], b.w[j]) + r.w[i + j] + carry;
      r.w[i + j] = p.low();
      carry = p.high();
    }
    r.w[i + M] = carry;
  }
  return r;
}

inline constexpr std::array<std::uint64_t, 20> kPow10Word = [] {
  std::array<std::uint64_t, 20> table{};
  std::uint64_t p = 1;
  for (auto& entry : table) {
    entry = p;
    p *= 10;
  }
  return table;
}();

/// a × 10^k, for results that fit N words.
template <std::size_t N>
constexpr WideInt<N> scaleByPow10(WideInt<N> a, int k) noexcept {
  while (k > 0) {
    const int step = k < 19 ? k : 19;
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < N; ++i) {
      const Uint128 p = Uint128::multiply(a.w[i], kPow10Word[static_cast<std::size_t>(step)]) + carry;
      a.w[i] = p.low();
      carry = p.high();
    }
    k -= step;
  }
  return a;
}

/// Powers of ten that fit N words: 10^0 … 10^floor(64·N·log10 2).
template <std::size_t N>
inline constexpr auto kPow10Wide = [] {
  constexpr std::size_t count = ((64 * N * 1233) >> 12) + 1;
  std::array<WideInt<N>, count> table{};
  WideInt<N> p = WideInt<N>::from(1);
  for (auto& entry : table) {
    entry = p;
    p = scaleByPow10(p, 1);
  }
  return table;
}();

/// Number of decimal digits of a (1 for zero).
template <std::size_t N>
constexpr int digitCount(const WideInt<N>& a) noexcept {
  const int guess = (a.bitWidth() * 1233) >> 12;
  return guess + (compare(a, kPow10Wide<N>[static_cast<std::size_t>(guess)]) >= 0 ? 1 : 0);
}

/// A divisor word with its precomputed reciprocal, so dividing by it takes
/// two multiplications instead of a hardware divide (Möller and Granlund,
/// "Improved division by invariant integers", 2011).
struct WordReciprocal {
  std::uint64_t normalized;  // divisor << shift, top bit set
  std::uint64_t inverse;     // floor((2^128 - 1) / normalized) - 2^64
  int shift;
};

constexpr WordReciprocal makeReciprocal(std::uint64_t d) noexcept {
  const int shift = std::countl_zero(d);
  const std::uint64_t normalized = d << shift;
  const Uint128 all = ~Uint128(0u);
  return {normalized, (all / normalized).low(), shift};  // the quotient is 2^64 + inverse
}

/// (hi·2^64 + lo) / d for hi < d, d normalized.
constexpr std::uint64_t divideWord(std::uint64_t hi, std::uint64_t lo, const WordReciprocal& d,
                                   std::uint64_t& remainder) noexcept {
  const Uint128 q = Uint128::multiply(d.inverse, hi) + Uint128::fromWords(hi, lo);
  std::uint64_t q1 = q.high() + 1;
  const std::uint64_t q0 = q.low();
  std::uint64_t r = lo - q1 * d.normalized;
  if (r > q0) {
    --q1;
    r += d.normalized;
  }
  if (r >= d.normalized) {
    ++q1;
    r -= d.normalized;
  }
  remainder = r;
  return q1;
}

// floor((2^19 - 3·2^8) / t) for the top nine bits t of a normalized word:
// the 11-bit first estimate of its reciprocal.
inline constexpr auto kReciprocalSeed = [] {
  std::array<std::uint16_t, 256> table{};
  for (std::size_t top = 256; top < 512; ++top)
    table[top - 256] = static_cast<std::uint16_t>(((std::uint64_t{1} << 19) - 3 * (std::uint64_t{1} << 8)) / top);
  return table;
}();

/// floor((2^128 - 1) / n) - 2^64 for n with its top bit set, without a
/// division: the table's estimate, three Newton steps in word arithmetic
/// and a last step that makes it exact (Möller and Granlund 2011,
/// algorithm 3).
constexpr std::uint64_t reciprocalWord(std::uint64_t n) noexcept {
  const std::uint64_t odd = n & 1;
  const std::uint64_t top40 = (n >> 24) + 1;
  const std::uint64_t halfUp = (n >> 1) + odd;  // ceil(n / 2)
  const std::uint64_t v0 = kReciprocalSeed[static_cast<std::size_t>(n >> 55) - 256];
  const std::uint64_t v1 = (v0 << 11) - ((v0 * v0 * top40) >> 40) - 1;
  const std::uint64_t v2 = (v1 << 13) + ((v1 * ((std::uint64_t{1} << 60) - v1 * top40)) >> 47);
  // 2^96 - v2·ceil(n/2) (+ v2/2 for odd n), which fits a word.
  const std::uint64_t e = ((v2 >> 1) & (0 - odd)) - v2 * halfUp;
  const std::uint64_t v3 = (v2 << 31) + (Uint128::multiply(v2, e).high() >> 1);
  const Uint128 p = Uint128::multiply(v3, n) + n;
  return v3 - p.high() - n;
}

/// The reciprocal of a divisor known only at run time: worked out once, it
/// turns each word divided into two multiplications.
constexpr std::uint64_t inverseOfNormalized(std::uint64_t normalized) noexcept {
  if (kHardwareWordDivide && !std::is_constant_evaluated()) {
    // floor((2^128 - 1) / n) - 2^64 is (~n · 2^64 + 2^64 - 1) / n, and ~n < n.
    std::uint64_t unused = 0;
    return divideWord(~normalized, ~std::uint64_t{0}, normalized, unused);
  }
  return reciprocalWord(normalized);
}
constexpr WordReciprocal reciprocalOf(std::uint64_t d) noexcept {
  const int shift = std::countl_zero(d);
  const std::uint64_t normalized = d << shift;
  return {normalized, inverseOfNormalized(normalized), shift};
}

inline constexpr std::array<WordReciprocal, 20> kPow10Reciprocal = [] {
  std::array<WordReciprocal, 20> table{};
  for (std::size_t k = 1; k < table.size(); ++k) table[k] = makeReciprocal(kPow10Word[k]);
  return table;
}();

/// a /= d by its reciprocal; returns the remainder.
template <std::size_t N>
constexpr std::uint64_t divideInPlace(WideInt<N>& a, const WordReciprocal& d) noexcept {
  std::size_t top = N;
  while (top > 0 && a.w[top - 1] == 0) --top;
  if (top == 0) return 0;
  const int s = d.shift;
  // Divide a·2^s by d·2^s: same quotient, remainder scaled by 2^s.
  std::uint64_t r = s == 0 ? 0 : a.w[top - 1] >> (64 - s);
  for (std::size_t i = top; i-- > 0;) {
    const std::uint64_t limb = s == 0 ? a.w[i] : (a.w[i] << s) | (i > 0 ? a.w[i - 1] >> (64 - s) : 0);
    a.w[i] = divideWord(r, limb, d, r);
  }
  return r >> s;
}

/// Removes the lowest k digits of a (rounding toward zero); returns whether
/// any removed digit was nonzero.
template <std::size_t N>
constexpr bool dropDigits(WideInt<N>& a, int k) noexcept {
  bool inexact = false;
  while (k > 0) {
    const int step = k < 19 ? k : 19;
    inexact |= divideInPlace(a, kPow10Reciprocal[static_cast<std::size_t>(step)]) != 0;
    k -= step;
  }
  return inexact;
}

/// a /= 10; returns the digit removed.
template <std::size_t N>
constexpr std::uint64_t dropDigit(WideInt<N>& a) noexcept {
  return divideInPlace(a, kPow10Reciprocal[1]);
}

/// n / 10, with n % 10 in `digit`, without a division: as 2^64 leaves 1 over
/// a multiple of 5, n's remainder by 5 is that of its words' sum, and n less
/// its last digit, halved, is an exact multiple of 5, divided by multiplying
/// with the inverse of 5 modulo 2^128.
constexpr Uint128 divideByTen(Uint128 n, std::uint64_t& digit) noexcept {
  std::uint64_t byFive = n.high() % 5 + n.low() % 5;
  if (byFive >= 5) byFive -= 5;
  digit = byFive + 5 * ((byFive ^ n.low()) & 1);  // the one of r, r + 5 with n's parity
  constexpr Uint128 kInverseOfFive = Uint128::fromWords(0xCCCCCCCCCCCCCCCC, 0xCCCCCCCCCCCCCCCD);
  return ((n - digit) >> 1) * kInverseOfFive;
}

/// Dividing by a divisor of at most 18 digits as one multiplication: for
/// X < 10^38 and m ≤ 18, floor(X·10^m / d) is the product X·R shifted right
/// by kScaledShift, R = ceil(2^kScaledShift · 10^m / d), because X·d stays
/// below 2^kScaledShift and so the rounding up of R never reaches the next
/// integer. R stays below 2^192 for 10^m/d ≤ 10.
inline constexpr int kScaledShift = 188;
inline constexpr int kScaledDivisorDigits = 18;

constexpr std::array<std::uint64_t, 3> scaledReciprocal(std::uint64_t d, int m) noexcept {
  // 10^m · 2^188 as four words; 188 = 2·64 + 60.
  const std::uint64_t p = kPow10Word[static_cast<std::size_t>(m)];
  const std::array<std::uint64_t, 4> n{0, 0, p << 60, p >> 4};
  std::array<std::uint64_t, 4> q{};
  Uint128 r = 0;
  for (std::size_t i = 4; i-- > 0;) {
    const Uint128::Division step = Uint128::divide(Uint128::fromWords(r.low(), n[i]), d);
    q[i] = step.quotient.low();
    r = step.remainder;
  }
  std::array<std::uint64_t, 3> result{q[0], q[1], q[2]};
  if (r != 0) {  // round up; q[3] is zero and the carry stays inside
    for (auto& word : result)
      if (++word != 0) break;
  }
  return result;
}

/// floor(x · R / 2^kScaledShift) for x below 2^127 and R from scaledReciprocal.
constexpr Uint128 multiplyScaled(Uint128 x, const std::array<std::uint64_t, 3>& r) noexcept {
  // Schoolbook, one row per word of x, kept in registers. Each step adds at
  // most two words to a word product, which cannot carry out of 128 bits.
  const Uint128 a0 = Uint128::multiply(x.low(), r[0]);
  const Uint128 a1 = Uint128::multiply(x.low(), r[1]) + a0.high();
  const Uint128 a2 = Uint128::multiply(x.low(), r[2]) + a1.high();
  const Uint128 b0 = Uint128::multiply(x.high(), r[0]) + a1.low();
  const Uint128 b1 = Uint128::multiply(x.high(), r[1]) + a2.low() + b0.high();
  const Uint128 b2 = Uint128::multiply(x.high(), r[2]) + a2.high() + b1.high();
  // Words 2 to 4 of the product are b1.low(), b2.low() and b2.high().
  constexpr int s = kScaledShift - 128;
  return Uint128::fromWords((b2.high() << (64 - s)) | (b2.low() >> s), (b2.low() << (64 - s)) | (b1.low() >> s));
}

/// A normalized two-word divisor with the reciprocal that turns dividing a
/// three-word number by it into two multiplications (Möller and Granlund,
/// "Improved division by invariant integers", 2011, algorithms 5 and 6).
struct TwoWordReciprocal {
  std::uint64_t d1;       // top word, top bit set
  std::uint64_t d0;
  std::uint64_t inverse;  // floor((2^192 - 1) / (d1·2^64 + d0)) - 2^64
};

constexpr TwoWordReciprocal reciprocalOf(std::uint64_t d1, std::uint64_t d0) noexcept {
  std::uint64_t v = inverseOfNormalized(d1);
  // Adjust the reciprocal of d1 alone for the low word, first for d1·v + d0 ...
  std::uint64_t p = d1 * v + d0;
  if (p < d0) {
    --v;
    if (p >= d1) {
      --v;
      p -= d1;
    }
    p -= d1;
  }
  // ... then for the high half of v·d0.
  const Uint128 t = Uint128::multiply(v, d0);
  const std::uint64_t t1 = t.high();
  const std::uint64_t t0 = t.low();
  p += t1;
  if (p < t1) {
    --v;
    if (p > d1 || (p == d1 && t0 >= d0)) --v;
  }
  return {d1, d0, v};
}

/// ⟨u2, u1, u0⟩ / ⟨d1, d0⟩ for ⟨u2, u1⟩ below the divisor; the remainder
/// replaces ⟨u1, u0⟩ in `remainder`.
inline std::uint64_t divide3by2(std::uint64_t u2, std::uint64_t u1, std::uint64_t u0, const TwoWordReciprocal& d,
                                Uint128& remainder) noexcept {
  const Uint128 divisor = Uint128::fromWords(d.d1, d.d0);
  const Uint128 estimate = Uint128::multiply(d.inverse, u2) + Uint128::fromWords(u2, u1);
  std::uint64_t q1 = estimate.high();
  const std::uint64_t q0 = estimate.low();
  const std::uint64_t r1 = u1 - q1 * d.d1;
  // All below is modulo 2^128.
  Uint128 r = Uint128::fromWords(r1, u0) - Uint128::multiply(d.d0, q1) - divisor;
  ++q1;
  if (r.high() >= q0) {
    --q1;
    r += divisor;
  }
  if (r >= divisor) {  // rare
    ++q1;
    r -= divisor;
  }
  remainder = r;
  return q1;
}

/// a·2^s for s from 0 to 63, as four words: the callers' top bits are zero.
constexpr std::array<std::uint64_t, 4> shiftedLeft(const WideInt<4>& a, int s) noexcept {
  // (low >> 1) >> (63 - s) is low >> (64 - s), and 0 for s = 0, with no branch.
  const auto join = [s](std::uint64_t high, std::uint64_t low) { return (high << s) | ((low >> 1) >> (63 - s)); };
  return {a.w[0] << s, join(a.w[1], a.w[0]), join(a.w[2], a.w[1]), join(a.w[3], a.w[2])};
}

/// Quotient and remainder of a 4-word number by a 2-word divisor, for
/// quotients below 2^128.
struct Division128 {
  Uint128 quotient;
  Uint128 remainder;
};

/// The reciprocal `divide` below needs for `divisor` (nonzero): of its
/// normalized form, one word or two.
constexpr std::uint64_t normalizedInverse(Uint128 divisor) noexcept {
  if (divisor.high() == 0) return reciprocalOf(divisor.low()).inverse;
  const Uint128 d = divisor << std::countl_zero(divisor.high());
  return reciprocalOf(d.high(), d.low()).inverse;
}

/// a / d for a one-word divisor.
inline Division128 divideByWord(const WideInt<4>& a, const WordReciprocal& d) noexcept {
  // a·2^s < 2^128·d·2^s fits three words, the top one below d·2^s.
  const int s = d.shift;
  const std::uint64_t u2 = s == 0 ? a.w[2] : (a.w[2] << s) | (a.w[1] >> (64 - s));
  const std::uint64_t u1 = s == 0 ? a.w[1] : (a.w[1] << s) | (a.w[0] >> (64 - s));
  std::uint64_t r = 0;
  const std::uint64_t q1 = divideWord(u2, u1, d, r);
  const std::uint64_t q0 = divideWord(r, a.w[0] << s, d, r);
  return {Uint128::fromWords(q1, q0), r >> s};
}

/// a / d for a two-word divisor normalized by `shift`.
inline Division128 divideByTwoWords(const WideInt<4>& a, const TwoWordReciprocal& d, int shift) noexcept {
  // A quotient below 2^128 leaves the shifted dividend's top word zero and
  // its next two below the divisor, so two quotient words remain, each from
  // three words of the dividend.
  const std::array<std::uint64_t, 4> u = shiftedLeft(a, shift);
  Uint128 r = 0;
  const std::uint64_t q1 = divide3by2(u[3], u[2], u[1], d, r);
  const std::uint64_t q0 = divide3by2(r.high(), r.low(), u[0], d, r);
  return {Uint128::fromWords(q1, q0), r >> shift};
}

/// a / divisor with the divisor's normalizedInverse given, so no division
/// instruction is left.
inline Division128 divide(const WideInt<4>& a, Uint128 divisor, std::uint64_t inverse) noexcept {
  if (divisor.high() == 0) {
    const int s = std::countl_zero(divisor.low());
    return divideByWord(a, {divisor.low() << s, inverse, s});
  }
  const int shift = std::countl_zero(divisor.high());
  const Uint128 d = divisor << shift;
  return divideByTwoWords(a, {d.high(), d.low(), inverse}, shift);
}

/// a / divisor, its reciprocal worked out first.
inline Division128 divide(const WideInt<4>& a, Uint128 divisor) noexcept {
  if (divisor.high() == 0) {
    if (kHardwareWordDivide) {
      // Two word divisions are cheaper here than a reciprocal. With the
      // quotient below 2^128, a.w[3] is zero and a.w[2] is below the
      // divisor. (Words are read one by one; copying `a` whole would reload
      // it in halves it was not stored in.)
      const std::uint64_t d = divisor.low();
      std::uint64_t r = a.w[2];
      const std::uint64_t q1 = divideWord(r, a.w[1], d, r);
      const std::uint64_t q0 = divideWord(r, a.w[0], d, r);
      return {Uint128::fromWords(q1, q0), r};
    }
    return divideByWord(a, reciprocalOf(divisor.low()));
  }
  const int shift = std::countl_zero(divisor.high());
  const Uint128 d = divisor << shift;
  return divideByTwoWords(a, reciprocalOf(d.high(), d.low()), shift);
}

}  // namespace tal::platform::detail
