// Fixed-width unsigned integers of N 64-bit words for the Decimal kernel:
// exact products of coefficients and their division by powers of ten.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "TalFoundation/platform/detail/DecimalParse.h"

namespace tal::platform::detail {

template <std::size_t N>
struct WideInt {
  std::array<std::uint64_t, N> w{};  // least significant word first

  static constexpr WideInt from(uint128 x) noexcept {
    WideInt r;
    r.w[0] = static_cast<std::uint64_t>(x);
    if constexpr (N > 1) r.w[1] = static_cast<std::uint64_t>(x >> 64);
    return r;
  }
  /// The low 128 bits.
  [[nodiscard]] constexpr uint128 low128() const noexcept {
    uint128 r = w[0];
    if constexpr (N > 1) r |= static_cast<uint128>(w[1]) << 64;
    return r;
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
      const uint128 p = static_cast<uint128>(a.w[i]) * b.w[j] + r.w[i + j] + carry;
      r.w[i + j] = static_cast<std::uint64_t>(p);
      carry = static_cast<std::uint64_t>(p >> 64);
    }
    r.w[i + M] = carry;
  }
  return r;
}

/// (hi·2^64 + lo) / d and its remainder, for hi < d.
inline std::uint64_t divideWord(std::uint64_t hi, std::uint64_t lo, std::uint64_t d,
                                std::uint64_t& remainder) noexcept {
#if defined(__x86_64__)
  std::uint64_t q = 0;
  std::uint64_t r = 0;
  __asm__("divq %4" : "=a"(q), "=d"(r) : "a"(lo), "d"(hi), "rm"(d));
  remainder = r;
  return q;
#else
  const uint128 n = (static_cast<uint128>(hi) << 64) | lo;
  remainder = static_cast<std::uint64_t>(n % d);
  return static_cast<std::uint64_t>(n / d);
#endif
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
      const uint128 p = static_cast<uint128>(a.w[i]) * kPow10Word[static_cast<std::size_t>(step)] + carry;
      a.w[i] = static_cast<std::uint64_t>(p);
      carry = static_cast<std::uint64_t>(p >> 64);
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
  const uint128 all = ~static_cast<uint128>(0);
  return {normalized, static_cast<std::uint64_t>(all / normalized - (static_cast<uint128>(1) << 64)), shift};
}

/// (hi·2^64 + lo) / d for hi < d, d normalized.
constexpr std::uint64_t divideWord(std::uint64_t hi, std::uint64_t lo, const WordReciprocal& d,
                                   std::uint64_t& remainder) noexcept {
  const uint128 q = static_cast<uint128>(d.inverse) * hi + ((static_cast<uint128>(hi) << 64) | lo);
  auto q1 = static_cast<std::uint64_t>(q >> 64) + 1;
  const auto q0 = static_cast<std::uint64_t>(q);
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

/// The reciprocal of a divisor known only at run time: one hardware divide
/// here, then two multiplications per word divided.
inline WordReciprocal reciprocalOf(std::uint64_t d) noexcept {
  const int shift = std::countl_zero(d);
  const std::uint64_t normalized = d << shift;
  // floor((2^128 - 1) / n) - 2^64 is (~n · 2^64 + 2^64 - 1) / n, and ~n < n.
  std::uint64_t unused = 0;
  return {normalized, divideWord(~normalized, ~std::uint64_t{0}, normalized, unused), shift};
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

/// A normalized two-word divisor with the reciprocal that turns dividing a
/// three-word number by it into two multiplications (Möller and Granlund,
/// "Improved division by invariant integers", 2011, algorithms 5 and 6).
struct TwoWordReciprocal {
  std::uint64_t d1;       // top word, top bit set
  std::uint64_t d0;
  std::uint64_t inverse;  // floor((2^192 - 1) / (d1·2^64 + d0)) - 2^64
};

inline TwoWordReciprocal reciprocalOf(std::uint64_t d1, std::uint64_t d0) noexcept {
  std::uint64_t v = reciprocalOf(d1).inverse;
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
  const uint128 t = static_cast<uint128>(v) * d0;
  const auto t1 = static_cast<std::uint64_t>(t >> 64);
  const auto t0 = static_cast<std::uint64_t>(t);
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
                                uint128& remainder) noexcept {
  const uint128 divisor = (static_cast<uint128>(d.d1) << 64) | d.d0;
  const uint128 estimate = static_cast<uint128>(d.inverse) * u2 + ((static_cast<uint128>(u2) << 64) | u1);
  auto q1 = static_cast<std::uint64_t>(estimate >> 64);
  const auto q0 = static_cast<std::uint64_t>(estimate);
  const std::uint64_t r1 = u1 - q1 * d.d1;
  // All below is modulo 2^128.
  uint128 r = ((static_cast<uint128>(r1) << 64) | u0) - static_cast<uint128>(d.d0) * q1 - divisor;
  ++q1;
  if (static_cast<std::uint64_t>(r >> 64) >= q0) {
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

/// Quotient and remainder of a 4-word number by a 2-word divisor, for
/// quotients below 2^128.
struct Division128 {
  uint128 quotient;
  uint128 remainder;
};
inline Division128 divide(const WideInt<4>& a, uint128 divisor) noexcept {
  const auto dHi = static_cast<std::uint64_t>(divisor >> 64);
  if (dHi == 0) {
    // With the quotient below 2^128, a.w[3] is zero and a.w[2] is below the
    // divisor: two word divisions remain. (Words are read one by one; copying
    // `a` whole would reload it in halves it was not stored in.)
    const auto d = static_cast<std::uint64_t>(divisor);
    std::uint64_t r = a.w[2];
    const std::uint64_t q1 = divideWord(r, a.w[1], d, r);
    const std::uint64_t q0 = divideWord(r, a.w[0], d, r);
    return {(static_cast<uint128>(q1) << 64) | q0, r};
  }
  // Normalize so the divisor's top bit is set. A quotient below 2^128 leaves
  // the shifted dividend's top word zero and its next two below the divisor,
  // so two quotient words remain, each from three words of the dividend.
  const int shift = std::countl_zero(dHi);
  const uint128 d = divisor << shift;
  std::array<std::uint64_t, 4> u{};
  for (std::size_t i = 0; i < 4; ++i) {
    u[i] |= a.w[i] << shift;
    if (shift != 0 && i + 1 < 4) u[i + 1] = a.w[i] >> (64 - shift);
  }
  const TwoWordReciprocal reciprocal = reciprocalOf(static_cast<std::uint64_t>(d >> 64), static_cast<std::uint64_t>(d));
  uint128 r = 0;
  const std::uint64_t q1 = divide3by2(u[3], u[2], u[1], reciprocal, r);
  const std::uint64_t q0 =
      divide3by2(static_cast<std::uint64_t>(r >> 64), static_cast<std::uint64_t>(r), u[0], reciprocal, r);
  return {(static_cast<uint128>(q1) << 64) | q0, r >> shift};
}

}  // namespace tal::platform::detail
