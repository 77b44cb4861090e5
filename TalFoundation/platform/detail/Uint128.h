// Uint128: the unsigned 128-bit integer of the Decimal kernel, usable in
// constant expressions. Where the compiler has unsigned __int128 the class
// wraps it, so 64-bit targets keep their native code; elsewhere (32-bit ARM,
// i386) two 64-bit words do the same work. TALFOUNDATION_PORTABLE_INT128
// forces the two-word body so 64-bit hosts can test it. Division never calls
// the runtime library's 128-bit helpers (__udivti3, __umodti3).
// Neighbours: DecimalParse.h and WideInt.h, its users.
#pragma once

#include <bit>
#include <compare>
#include <concepts>
#include <cstdint>
#include <type_traits>

#if defined(__SIZEOF_INT128__) && !defined(TALFOUNDATION_PORTABLE_INT128)
#define TALFOUNDATION_NATIVE_INT128 1
#else
#define TALFOUNDATION_NATIVE_INT128 0
#endif

namespace tal::platform::detail {

/// Whether Uint128 wraps the compiler's unsigned __int128.
inline constexpr bool kNativeInt128 = TALFOUNDATION_NATIVE_INT128 != 0;

#if defined(__x86_64__)
/// Whether a 128-by-64-bit word division is one instruction here. Elsewhere
/// it is a sequence of 64-bit divisions (library calls on 32-bit ARM), and
/// reciprocals are worked out by multiplication instead.
inline constexpr bool kHardwareWordDivide = true;

// divq divides 128 by 64 bits in one instruction; kept beside the portable
// division because it is faster there.
inline std::uint64_t hardwareDivideWord(std::uint64_t hi, std::uint64_t lo, std::uint64_t d,
                                        std::uint64_t& remainder) noexcept {
  std::uint64_t q = 0;
  std::uint64_t r = 0;
  __asm__("divq %4" : "=a"(q), "=d"(r) : "a"(lo), "d"(hi), "rm"(d));
  remainder = r;
  return q;
}
#else
inline constexpr bool kHardwareWordDivide = false;
#endif

/// (hi·2^64 + lo) / d and its remainder, for hi < d, from 64-bit divisions
/// of 32-bit halves (Knuth's algorithm D on two digits, as in Hacker's
/// Delight divlu).
constexpr std::uint64_t portableDivideWord(std::uint64_t hi, std::uint64_t lo, std::uint64_t d,
                                           std::uint64_t& remainder) noexcept {
  constexpr std::uint64_t kBase = std::uint64_t{1} << 32;
  constexpr std::uint64_t kHalf = kBase - 1;
  const int s = std::countl_zero(d);
  const std::uint64_t v = d << s;
  const std::uint64_t v1 = v >> 32;
  const std::uint64_t v0 = v & kHalf;
  const std::uint64_t u32 = s == 0 ? hi : (hi << s) | (lo >> (64 - s));
  const std::uint64_t u10 = lo << s;
  const std::uint64_t u1 = u10 >> 32;
  const std::uint64_t u0 = u10 & kHalf;

  std::uint64_t q1 = u32 / v1;
  std::uint64_t rhat = u32 - q1 * v1;
  while (q1 >= kBase || q1 * v0 > ((rhat << 32) | u1)) {
    --q1;
    rhat += v1;
    if (rhat >= kBase) break;
  }
  const std::uint64_t u21 = (u32 << 32) + u1 - q1 * v;  // modulo 2^64: the true value is below v
  std::uint64_t q0 = u21 / v1;
  rhat = u21 - q0 * v1;
  while (q0 >= kBase || q0 * v0 > ((rhat << 32) | u0)) {
    --q0;
    rhat += v1;
    if (rhat >= kBase) break;
  }
  remainder = ((u21 << 32) + u0 - q0 * v) >> s;
  return (q1 << 32) + q0;
}

/// (hi·2^64 + lo) / d and its remainder, for hi < d.
constexpr std::uint64_t divideWord(std::uint64_t hi, std::uint64_t lo, std::uint64_t d,
                                   std::uint64_t& remainder) noexcept {
#if defined(__x86_64__)
  if (!std::is_constant_evaluated()) return hardwareDivideWord(hi, lo, d, remainder);
#endif
  return portableDivideWord(hi, lo, d, remainder);
}

class Uint128 {
 public:
  constexpr Uint128() noexcept = default;
  /// Like the built-in integers: negative values wrap modulo 2^128.
  template <std::integral T>
  constexpr Uint128(T value) noexcept  // NOLINT(google-explicit-constructor)
      : Uint128(fromWords(std::is_signed_v<T> && value < 0 ? ~std::uint64_t{0} : 0, static_cast<std::uint64_t>(value))) {}

  [[nodiscard]] static constexpr Uint128 fromWords(std::uint64_t high, std::uint64_t low) noexcept {
    Uint128 r;
#if TALFOUNDATION_NATIVE_INT128
    r.v_ = (static_cast<Native>(high) << 64) | low;
#else
    r.hi_ = high;
    r.lo_ = low;
#endif
    return r;
  }

#if TALFOUNDATION_NATIVE_INT128
  [[nodiscard]] constexpr std::uint64_t high() const noexcept { return static_cast<std::uint64_t>(v_ >> 64); }
  [[nodiscard]] constexpr std::uint64_t low() const noexcept { return static_cast<std::uint64_t>(v_); }
#else
  [[nodiscard]] constexpr std::uint64_t high() const noexcept { return hi_; }
  [[nodiscard]] constexpr std::uint64_t low() const noexcept { return lo_; }
#endif

  /// The low bits, as a cast of a built-in integer does; bool tests for zero.
  template <std::integral T>
  constexpr explicit operator T() const noexcept {
    if constexpr (std::is_same_v<T, bool>) {
      return (high() | low()) != 0;
    } else {
      return static_cast<T>(low());
    }
  }

  /// The full product of two words.
  [[nodiscard]] static constexpr Uint128 multiply(std::uint64_t a, std::uint64_t b) noexcept {
#if TALFOUNDATION_NATIVE_INT128
    Uint128 r;
    r.v_ = static_cast<Native>(a) * b;
    return r;
#else
    constexpr std::uint64_t kHalf = 0xffffffffu;
    const std::uint64_t a0 = a & kHalf;
    const std::uint64_t a1 = a >> 32;
    const std::uint64_t b0 = b & kHalf;
    const std::uint64_t b1 = b >> 32;
    const std::uint64_t p00 = a0 * b0;
    const std::uint64_t p01 = a0 * b1;
    const std::uint64_t p10 = a1 * b0;
    const std::uint64_t p11 = a1 * b1;
    const std::uint64_t middle = (p00 >> 32) + (p01 & kHalf) + (p10 & kHalf);  // below 3·2^32
    return fromWords(p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32), (middle << 32) | (p00 & kHalf));
#endif
  }

  struct Division;
  /// Quotient and remainder; the divisor must not be zero.
  [[nodiscard]] static constexpr Division divide(Uint128 n, Uint128 d) noexcept;

  friend constexpr Uint128 operator+(Uint128 a, Uint128 b) noexcept {
#if TALFOUNDATION_NATIVE_INT128
    a.v_ += b.v_;
    return a;
#else
    const std::uint64_t low = a.lo_ + b.lo_;
    return fromWords(a.hi_ + b.hi_ + (low < a.lo_ ? 1 : 0), low);
#endif
  }
  friend constexpr Uint128 operator-(Uint128 a, Uint128 b) noexcept {
#if TALFOUNDATION_NATIVE_INT128
    a.v_ -= b.v_;
    return a;
#else
    return fromWords(a.hi_ - b.hi_ - (a.lo_ < b.lo_ ? 1 : 0), a.lo_ - b.lo_);
#endif
  }
  friend constexpr Uint128 operator*(Uint128 a, Uint128 b) noexcept {
#if TALFOUNDATION_NATIVE_INT128
    a.v_ *= b.v_;
    return a;
#else
    const Uint128 low = multiply(a.lo_, b.lo_);
    return fromWords(low.hi_ + a.lo_ * b.hi_ + a.hi_ * b.lo_, low.lo_);
#endif
  }
  friend constexpr Uint128 operator/(Uint128 a, Uint128 b) noexcept;
  friend constexpr Uint128 operator%(Uint128 a, Uint128 b) noexcept;

  /// Shifts by 0 to 127 places, as for the built-in type.
  friend constexpr Uint128 operator<<(Uint128 a, int n) noexcept {
#if TALFOUNDATION_NATIVE_INT128
    a.v_ <<= n;
    return a;
#else
    if (n == 0) return a;
    if (n >= 64) return fromWords(a.lo_ << (n - 64), 0);
    return fromWords((a.hi_ << n) | (a.lo_ >> (64 - n)), a.lo_ << n);
#endif
  }
  friend constexpr Uint128 operator>>(Uint128 a, int n) noexcept {
#if TALFOUNDATION_NATIVE_INT128
    a.v_ >>= n;
    return a;
#else
    if (n == 0) return a;
    if (n >= 64) return fromWords(0, a.hi_ >> (n - 64));
    return fromWords(a.hi_ >> n, (a.lo_ >> n) | (a.hi_ << (64 - n)));
#endif
  }

  friend constexpr Uint128 operator&(Uint128 a, Uint128 b) noexcept {
    return fromWords(a.high() & b.high(), a.low() & b.low());
  }
  friend constexpr Uint128 operator|(Uint128 a, Uint128 b) noexcept {
    return fromWords(a.high() | b.high(), a.low() | b.low());
  }
  friend constexpr Uint128 operator^(Uint128 a, Uint128 b) noexcept {
    return fromWords(a.high() ^ b.high(), a.low() ^ b.low());
  }
  constexpr Uint128 operator~() const noexcept { return fromWords(~high(), ~low()); }
  constexpr Uint128 operator-() const noexcept { return Uint128() - *this; }
  constexpr Uint128 operator+() const noexcept { return *this; }

  friend constexpr bool operator==(Uint128 a, Uint128 b) noexcept {
#if TALFOUNDATION_NATIVE_INT128
    return a.v_ == b.v_;
#else
    return a.hi_ == b.hi_ && a.lo_ == b.lo_;
#endif
  }
  // The relations are spelled out so that each is one comparison of the
  // native type, not a three-way result compared again.
  friend constexpr bool operator<(Uint128 a, Uint128 b) noexcept {
#if TALFOUNDATION_NATIVE_INT128
    return a.v_ < b.v_;
#else
    return a.hi_ != b.hi_ ? a.hi_ < b.hi_ : a.lo_ < b.lo_;
#endif
  }
  friend constexpr bool operator>(Uint128 a, Uint128 b) noexcept { return b < a; }
  friend constexpr bool operator<=(Uint128 a, Uint128 b) noexcept { return !(b < a); }
  friend constexpr bool operator>=(Uint128 a, Uint128 b) noexcept { return !(a < b); }
  friend constexpr std::strong_ordering operator<=>(Uint128 a, Uint128 b) noexcept {
#if TALFOUNDATION_NATIVE_INT128
    return a.v_ < b.v_ ? std::strong_ordering::less
           : a.v_ == b.v_ ? std::strong_ordering::equal
                          : std::strong_ordering::greater;
#else
    return a.hi_ != b.hi_ ? a.hi_ <=> b.hi_ : a.lo_ <=> b.lo_;
#endif
  }

  constexpr Uint128& operator+=(Uint128 b) noexcept { return *this = *this + b; }
  constexpr Uint128& operator-=(Uint128 b) noexcept { return *this = *this - b; }
  constexpr Uint128& operator*=(Uint128 b) noexcept { return *this = *this * b; }
  constexpr Uint128& operator/=(Uint128 b) noexcept;
  constexpr Uint128& operator%=(Uint128 b) noexcept;
  constexpr Uint128& operator<<=(int n) noexcept { return *this = *this << n; }
  constexpr Uint128& operator>>=(int n) noexcept { return *this = *this >> n; }
  constexpr Uint128& operator&=(Uint128 b) noexcept { return *this = *this & b; }
  constexpr Uint128& operator|=(Uint128 b) noexcept { return *this = *this | b; }
  constexpr Uint128& operator^=(Uint128 b) noexcept { return *this = *this ^ b; }
  constexpr Uint128& operator++() noexcept { return *this += 1u; }
  constexpr Uint128& operator--() noexcept { return *this -= 1u; }
  constexpr Uint128 operator++(int) noexcept {
    const Uint128 before = *this;
    ++*this;
    return before;
  }
  constexpr Uint128 operator--(int) noexcept {
    const Uint128 before = *this;
    --*this;
    return before;
  }

 private:
#if TALFOUNDATION_NATIVE_INT128
  __extension__ typedef unsigned __int128 Native;
  Native v_ = 0;
#else
  std::uint64_t lo_ = 0;
  std::uint64_t hi_ = 0;
#endif
};

struct Uint128::Division {
  Uint128 quotient;
  Uint128 remainder;
};

constexpr Uint128::Division Uint128::divide(Uint128 n, Uint128 d) noexcept {
  const std::uint64_t dHigh = d.high();
  if (dHigh == 0) {
    // Two word divisions, the first with a word-sized dividend.
    const std::uint64_t dLow = d.low();
    const std::uint64_t nHigh = n.high();
    const std::uint64_t qHigh = nHigh / dLow;
    std::uint64_t r = nHigh - qHigh * dLow;
    const std::uint64_t qLow = divideWord(r, n.low(), dLow, r);
    return {fromWords(qHigh, qLow), r};
  }
  if (n < d) return {0u, n};
  // The quotient fits a word. Estimate it from the divisor's top 64 bits,
  // normalized, and half the dividend (so the word division cannot
  // overflow); the estimate is at most one too large after undoing the
  // normalization and the halving, less one (Hacker's Delight, 9-5).
  const int s = std::countl_zero(dHigh);
  const std::uint64_t top = (d << s).high();
  const Uint128 half = n >> 1;
  std::uint64_t unused = 0;
  const std::uint64_t estimate = divideWord(half.high(), half.low(), top, unused);
  std::uint64_t q = ((Uint128(estimate) << s) >> 63).low();
  if (q != 0) --q;
  Uint128 r = n - Uint128(q) * d;
  if (r >= d) {
    ++q;
    r -= d;
  }
  return {q, r};
}

constexpr Uint128 operator/(Uint128 a, Uint128 b) noexcept { return Uint128::divide(a, b).quotient; }
constexpr Uint128 operator%(Uint128 a, Uint128 b) noexcept { return Uint128::divide(a, b).remainder; }
constexpr Uint128& Uint128::operator/=(Uint128 b) noexcept { return *this = *this / b; }
constexpr Uint128& Uint128::operator%=(Uint128 b) noexcept { return *this = *this % b; }

}  // namespace tal::platform::detail
