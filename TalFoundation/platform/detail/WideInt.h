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
  [[nodiscard]] constexpr bool fitsIn128() const noexcept {
    for (std::size_t i = 2; i < N; ++i)
      if (w[i] != 0) return false;
    return true;
  }
  [[nodiscard]] constexpr int bitWidth() const noexcept {
    for (std::size_t i = N; i-- > 0;)
      if (w[i] != 0) return static_cast<int>(64 * i) + 64 - std::countl_zero(w[i]);
    return 0;
  }
  [[nodiscard]] constexpr bool isZero() const noexcept { return bitWidth() == 0; }
};

template <std::size_t N>
constexpr int compare(const WideInt<N>& a, const WideInt<N>& b) noexcept {
  for (std::size_t i = N; i-- > 0;)
    if (a.w[i] != b.w[i]) return a.w[i] < b.w[i] ? -1 : 1;
  return 0;
}

template <std::size_t N>
constexpr void addInPlace(WideInt<N>& a, const WideInt<N>& b) noexcept {
  std::uint64_t carry = 0;
  for (std::size_t i = 0; i < N; ++i) {
    const uint128 s = static_cast<uint128>(a.w[i]) + b.w[i] + carry;
    a.w[i] = static_cast<std::uint64_t>(s);
    carry = static_cast<std::uint64_t>(s >> 64);
  }
}

/// a -= b, where a >= b.
template <std::size_t N>
constexpr void subInPlace(WideInt<N>& a, const WideInt<N>& b) noexcept {
  std::uint64_t borrow = 0;
  for (std::size_t i = 0; i < N; ++i) {
    const std::uint64_t x = a.w[i];
    const std::uint64_t d = x - b.w[i] - borrow;
    borrow = (x < b.w[i] || (x == b.w[i] && borrow != 0)) ? 1 : 0;
    a.w[i] = d;
  }
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

/// a /= d; returns the remainder. d != 0.
template <std::size_t N>
inline std::uint64_t divideInPlace(WideInt<N>& a, std::uint64_t d) noexcept {
  std::uint64_t r = 0;
  for (std::size_t i = N; i-- > 0;) {
    if (r == 0 && a.w[i] < d) {  // quotient word is zero; skip the divide
      r = a.w[i];
      a.w[i] = 0;
      continue;
    }
    a.w[i] = divideWord(r, a.w[i], d, r);
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

/// Quotient and remainder of a 4-word number by a 2-word divisor, for
/// quotients below 2^128 (Knuth's algorithm D on 64-bit digits).
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
  const int shift = std::countl_zero(dHi);
  const uint128 d = divisor << shift;
  const std::uint64_t v1 = static_cast<std::uint64_t>(d >> 64);
  const std::uint64_t v0 = static_cast<std::uint64_t>(d);
  std::array<std::uint64_t, 5> u{};
  for (std::size_t i = 0; i < 4; ++i) {
    u[i] |= a.w[i] << shift;
    if (shift != 0) u[i + 1] = a.w[i] >> (64 - shift);
  }
  // Every estimate divides by the same top word: take its reciprocal once.
  const WordReciprocal top = reciprocalOf(v1);
  // A quotient below 2^128 has no third word: u[2..4] is already below the
  // divisor, so the long division starts one word lower.
  std::array<std::uint64_t, 2> q{};
  for (std::size_t j = 2; j-- > 0;) {
    // u[j+2] <= v1 since the running remainder is below the divisor.
    std::uint64_t qhat = ~std::uint64_t{0};
    std::uint64_t rhat = 0;
    bool rhatFits = true;
    if (u[j + 2] < v1) {
      qhat = divideWord(u[j + 2], u[j + 1], top, rhat);
    } else {
      const uint128 r = static_cast<uint128>(u[j + 1]) + v1;
      rhat = static_cast<std::uint64_t>(r);
      rhatFits = (r >> 64) == 0;
    }
    // At most two corrections (Knuth, Theorem B).
    while (rhatFits && static_cast<uint128>(qhat) * v0 > ((static_cast<uint128>(rhat) << 64) | u[j])) {
      --qhat;
      const uint128 r = static_cast<uint128>(rhat) + v1;
      rhat = static_cast<std::uint64_t>(r);
      rhatFits = (r >> 64) == 0;
    }
    // u[j..j+2] -= qhat × (v1, v0)
    const std::uint64_t qd = qhat;
    const uint128 p0 = static_cast<uint128>(qd) * v0;
    const uint128 p1 = static_cast<uint128>(qd) * v1 + (p0 >> 64);
    const std::array<std::uint64_t, 3> sub{static_cast<std::uint64_t>(p0), static_cast<std::uint64_t>(p1),
                                           static_cast<std::uint64_t>(p1 >> 64)};
    std::uint64_t borrow = 0;
    for (std::size_t i = 0; i < 3; ++i) {
      const std::uint64_t x = u[j + i];
      u[j + i] = x - sub[i] - borrow;
      borrow = (x < sub[i] || (x == sub[i] && borrow != 0)) ? 1 : 0;
    }
    if (borrow != 0) {  // qhat was one too large: add the divisor back
      --qhat;
      std::uint64_t carry = 0;
      const std::array<std::uint64_t, 2> v{v0, v1};
      for (std::size_t i = 0; i < 2; ++i) {
        const uint128 s = static_cast<uint128>(u[j + i]) + v[i] + carry;
        u[j + i] = static_cast<std::uint64_t>(s);
        carry = static_cast<std::uint64_t>(s >> 64);
      }
      u[j + 2] += carry;
    }
    q[j] = qhat;
  }
  const uint128 rem = ((static_cast<uint128>(u[1]) << 64) | u[0]) >> shift |
                      (shift != 0 ? static_cast<uint128>(u[2]) << (128 - shift) : 0);
  return {(static_cast<uint128>(q[1]) << 64) | q[0], rem};
}

}  // namespace tal::platform::detail
