// Decimal and hexadecimal text to the nearest double, correctly rounded for
// any number of digits, with no dependence on the C library's locale or on
// floating-point from_chars (missing from libc++ 14). Used by
// Decimal::toDouble and by the digit conversions in numbertext.
#pragma once

#include <array>
#include <bit>
#include <cfloat>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

namespace tal::platform::detail {

/// A double read from text.
struct DoubleFromText {
  double value = 0.0;
  std::size_t length = 0;   // characters read; 0 when the text does not begin with a number
  bool outOfRange = false;  // overflowed to infinity, or a nonzero value underflowed to zero
};

namespace double_parse {

/// An unsigned integer of up to kLimbs 32-bit limbs, enough for 800 digits
/// scaled by the largest power of five an in-range double needs.
class BigUnsigned {
 public:
  static constexpr std::size_t kLimbs = 100;

  void multiplyAdd(std::uint32_t factor, std::uint32_t addend) noexcept {
    std::uint64_t carry = addend;
    for (std::size_t i = 0; i < size_; ++i) {
      const std::uint64_t p = std::uint64_t{limbs_[i]} * factor + carry;
      limbs_[i] = static_cast<std::uint32_t>(p);
      carry = p >> 32;
    }
    if (carry != 0) limbs_[size_++] = static_cast<std::uint32_t>(carry);
  }
  void multiplyByPow5(std::int64_t k) noexcept {
    constexpr std::uint32_t kPow5To13 = 1220703125u;  // the largest power of five below 2^32
    for (; k >= 13; k -= 13) multiplyAdd(kPow5To13, 0);
    std::uint32_t rest = 1;
    for (; k > 0; --k) rest *= 5;
    multiplyAdd(rest, 0);
  }
  void shiftLeft(int bits) noexcept {
    const auto words = static_cast<std::size_t>(bits / 32);
    const int part = bits % 32;
    if (size_ == 0) return;
    if (part != 0) {
      std::uint32_t carry = 0;
      for (std::size_t i = 0; i < size_; ++i) {
        const std::uint32_t limb = limbs_[i];
        limbs_[i] = (limb << part) | carry;
        carry = limb >> (32 - part);
      }
      if (carry != 0) limbs_[size_++] = carry;
    }
    if (words != 0) {
      for (std::size_t i = size_; i-- > 0;) limbs_[i + words] = limbs_[i];
      for (std::size_t i = 0; i < words; ++i) limbs_[i] = 0;
      size_ += words;
    }
  }
  void shiftRightOne() noexcept {
    for (std::size_t i = 0; i < size_; ++i) {
      limbs_[i] >>= 1;
      if (i + 1 < size_) limbs_[i] |= limbs_[i + 1] << 31;
    }
    trim();
  }
  /// this -= other, for other <= this.
  void subtract(const BigUnsigned& other) noexcept {
    std::uint32_t borrow = 0;
    for (std::size_t i = 0; i < size_; ++i) {
      const std::uint64_t o = (i < other.size_ ? std::uint64_t{other.limbs_[i]} : 0) + borrow;
      borrow = limbs_[i] < o ? 1 : 0;
      limbs_[i] = static_cast<std::uint32_t>(limbs_[i] - o);
    }
    trim();
  }
  [[nodiscard]] int bitLength() const noexcept {
    if (size_ == 0) return 0;
    return static_cast<int>(32 * size_) - std::countl_zero(limbs_[size_ - 1]);
  }
  [[nodiscard]] bool isZero() const noexcept { return size_ == 0; }
  friend int compare(const BigUnsigned& a, const BigUnsigned& b) noexcept {
    if (a.size_ != b.size_) return a.size_ < b.size_ ? -1 : 1;
    for (std::size_t i = a.size_; i-- > 0;)
      if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    return 0;
  }
  /// The top 64 bits (the whole value when shorter), and whether any bit
  /// below them is set.
  [[nodiscard]] std::uint64_t top64(bool& sticky) const noexcept {
    const int length = bitLength();
    std::uint64_t r = 0;
    sticky = false;
    for (int bit = length; bit-- > 0;) {
      const bool set = ((limbs_[static_cast<std::size_t>(bit / 32)] >> (bit % 32)) & 1u) != 0;
      if (bit >= length - 64) {
        r = (r << 1) | (set ? 1u : 0u);
      } else if (set) {
        sticky = true;
        break;
      }
    }
    return r;
  }

 private:
  void trim() noexcept {
    while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
  }
  std::array<std::uint32_t, kLimbs> limbs_{};
  std::size_t size_ = 0;
};

/// The double nearest to (m + f)·2^e2, where 0 <= f < 1 is nonzero when
/// `sticky` is set; ties go to even. Sets `overflow` when the result is
/// infinite.
inline double roundToDouble(std::uint64_t m, bool sticky, std::int64_t e2, bool& overflow) noexcept {
  overflow = false;
  if (m == 0) return 0.0;
  const int lead = std::countl_zero(m);
  m <<= lead;
  e2 -= lead;
  // Now m has its top bit set and the value is m·2^e2 = 1.xxx·2^(e2 + 63).
  const std::int64_t exponent = e2 + 63;
  if (exponent > 1023) {
    overflow = true;
    return std::numeric_limits<double>::infinity();
  }
  // Below 2^-1022 the double has fewer significant bits: drop more of m.
  const std::int64_t drop = exponent >= -1022 ? 11 : 11 + (-1022 - exponent);
  if (drop > 64) return 0.0;  // below half the smallest subnormal
  std::uint64_t keep = 0;
  std::uint64_t rest = 0;
  std::uint64_t half = 0;
  if (drop == 64) {
    rest = m;
    half = std::uint64_t{1} << 63;
  } else {
    keep = m >> drop;
    rest = m & ((std::uint64_t{1} << drop) - 1);
    half = std::uint64_t{1} << (drop - 1);
  }
  if (rest > half || (rest == half && (sticky || (keep & 1) != 0))) ++keep;
  if (exponent < -1022) return std::bit_cast<double>(keep);  // 2^52 here is the smallest normal, as it should be
  std::int64_t biased = exponent + 1023;
  if (keep == std::uint64_t{1} << 53) {
    keep >>= 1;
    if (++biased > 2046) {
      overflow = true;
      return std::numeric_limits<double>::infinity();
    }
  }
  return std::bit_cast<double>((static_cast<std::uint64_t>(biased) << 52) | (keep & ((std::uint64_t{1} << 52) - 1)));
}

inline constexpr std::array<double, 23> kExactPow10 = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

constexpr bool isDecimalDigit(char c) noexcept { return c >= '0' && c <= '9'; }

}  // namespace double_parse

/// The double nearest to ±digits·10^exponent, ties to even; `digits` holds
/// decimal digits only (leading and trailing zeros allowed, none at all is
/// zero). Beyond the double range: ±infinity, or ±0 for a nonzero value
/// below half the smallest subnormal, with outOfRange set. `length` is left 0.
inline DoubleFromText decimalToDouble(std::string_view digits, std::int64_t exponent, bool negative) noexcept {
  using namespace double_parse;
  // Digits beyond 800 cannot decide the rounding (a halfway point between
  // two doubles has at most 767 significant digits); one more nonzero digit
  // stands for all the ones dropped.
  constexpr std::size_t kKeep = 800;
  constexpr std::int64_t kFar = std::int64_t{1} << 40;
  DoubleFromText result;
  const double sign = negative ? -1.0 : 1.0;
  while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
  while (!digits.empty() && digits.back() == '0') {
    digits.remove_suffix(1);
    if (exponent < kFar) ++exponent;
  }
  if (digits.empty()) {
    result.value = 0.0 * sign;
    return result;
  }
  bool dropped = false;
  if (digits.size() > kKeep) {
    exponent += static_cast<std::int64_t>(digits.size() - kKeep);
    dropped = true;  // trailing zeros are gone, so the last dropped digit is nonzero
    digits = digits.substr(0, kKeep);
  }
  if (exponent > kFar) exponent = kFar;
  if (exponent < -kFar) exponent = -kFar;
  const auto count = static_cast<std::int64_t>(digits.size()) + (dropped ? 1 : 0);
  const std::int64_t adjusted = exponent - (dropped ? 1 : 0) + count - 1;
  if (adjusted > 309) {
    result.value = std::numeric_limits<double>::infinity() * sign;
    result.outOfRange = true;
    return result;
  }
  if (adjusted < -325) {
    result.value = 0.0 * sign;
    result.outOfRange = true;
    return result;
  }

#if FLT_EVAL_METHOD == 0
  // Clinger's fast path: an integer below 2^53 times or over an exact power
  // of ten rounds once, correctly.
  if (!dropped && digits.size() <= 15 && exponent >= -22 && exponent <= 22 + 15) {
    std::uint64_t small = 0;
    for (const char c : digits) small = small * 10 + static_cast<std::uint64_t>(c - '0');
    if (exponent < 0) {
      result.value = sign * (static_cast<double>(small) / kExactPow10[static_cast<std::size_t>(-exponent)]);
      return result;
    }
    std::int64_t e = exponent;
    // Move powers of ten into the integer while it stays exact.
    while (e > 22 && small < (std::uint64_t{1} << 53) / 10) {
      small *= 10;
      --e;
    }
    if (e <= 22 && small < (std::uint64_t{1} << 53)) {
      result.value = sign * (static_cast<double>(small) * kExactPow10[static_cast<std::size_t>(e)]);
      return result;
    }
  }
#endif

  BigUnsigned n;
  std::size_t i = 0;
  while (i < digits.size()) {
    std::uint32_t chunk = 0;
    std::uint32_t scale = 1;
    for (int k = 0; k < 9 && i < digits.size(); ++k, ++i) {
      chunk = chunk * 10 + static_cast<std::uint32_t>(digits[i] - '0');
      scale *= 10;
    }
    n.multiplyAdd(scale, chunk);
  }
  if (dropped) {
    n.multiplyAdd(10, 1);
    --exponent;
  }
  bool sticky = false;
  std::uint64_t m = 0;
  std::int64_t e2 = 0;
  if (exponent >= 0) {
    // n·10^e = n·5^e·2^e, exact.
    n.multiplyByPow5(exponent);
    m = n.top64(sticky);
    e2 = exponent + (n.bitLength() > 64 ? n.bitLength() - 64 : 0);
  } else {
    // n / 10^k = n / 5^k · 2^-k: divide with a quotient of 63 or 64 bits;
    // a nonzero remainder is the sticky bit.
    BigUnsigned divisor;
    divisor.multiplyAdd(1, 1);
    divisor.multiplyByPow5(-exponent);
    const int t = n.bitLength() - divisor.bitLength() - 63;
    if (t < 0) {
      n.shiftLeft(-t);
    } else {
      divisor.shiftLeft(t);
    }
    // Long division one quotient bit at a time: the quotient has 64 bits at most.
    divisor.shiftLeft(64);
    for (int bit = 0; bit < 64; ++bit) {
      divisor.shiftRightOne();
      m <<= 1;
      if (compare(n, divisor) >= 0) {
        n.subtract(divisor);
        m |= 1;
      }
    }
    sticky = !n.isZero();
    e2 = t + exponent;
  }
  bool overflow = false;
  const double magnitude = roundToDouble(m, sticky, e2, overflow);
  result.value = sign * magnitude;
  result.outOfRange = overflow || magnitude == 0.0;
  return result;
}

/// Reads a double at the start of `text` as C's strtod does in the "C"
/// locale, white space excepted: an optional sign, then decimal digits with
/// an optional '.' and 'e' exponent, "0x" hexadecimal digits with an optional
/// '.' and 'p' exponent, "inf", "infinity" or "nan" with an optional
/// "(chars)", letters in any case. Rounds to nearest, ties to even.
/// `length` is 0 when the text does not begin with a number.
inline DoubleFromText readDouble(std::string_view text) noexcept {
  using namespace double_parse;
  constexpr std::int64_t kSaturate = std::int64_t{1} << 50;
  DoubleFromText result;
  std::size_t i = 0;
  const std::size_t n = text.size();
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const double sign = negative ? -1.0 : 1.0;
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  const auto startsWith = [&](std::size_t at, std::string_view word) {
    if (n - at < word.size()) return false;
    for (std::size_t k = 0; k < word.size(); ++k)
      if (lower(text[at + k]) != word[k]) return false;
    return true;
  };
  if (startsWith(i, "inf")) {
    result.value = sign * std::numeric_limits<double>::infinity();
    result.length = i + (startsWith(i, "infinity") ? 8 : 3);
    return result;
  }
  if (startsWith(i, "nan")) {
    result.value = sign * std::numeric_limits<double>::quiet_NaN();
    std::size_t j = i + 3;
    if (j < n && text[j] == '(') {
      std::size_t k = j + 1;
      while (k < n && (isDecimalDigit(text[k]) || (lower(text[k]) >= 'a' && lower(text[k]) <= 'z') || text[k] == '_')) ++k;
      if (k < n && text[k] == ')') j = k + 1;
    }
    result.length = j;
    return result;
  }

  const auto hexValue = [&](char c) -> int {
    if (isDecimalDigit(c)) return c - '0';
    const char l = lower(c);
    return l >= 'a' && l <= 'f' ? l - 'a' + 10 : -1;
  };
  const bool hex = i + 2 <= n && text[i] == '0' && lower(text[i + 1]) == 'x' &&
                   ((i + 2 < n && hexValue(text[i + 2]) >= 0) ||
                    (i + 3 < n && text[i + 2] == '.' && hexValue(text[i + 3]) >= 0));
  if (hex) {
    // Up to 16 significant hexadecimal digits fill a 64-bit word; any later
    // nonzero one only sets the sticky bit.
    i += 2;
    std::uint64_t m = 0;
    int kept = 0;
    bool sticky = false;
    std::int64_t e2 = 0;
    const auto take = [&](int digit, bool fraction) {
      if (kept < 16) {
        if (m == 0 && digit == 0) {
          if (fraction) e2 -= 4;
          return;
        }
        m = (m << 4) | static_cast<std::uint64_t>(digit);
        ++kept;
        if (fraction) e2 -= 4;
      } else {
        sticky |= digit != 0;
        if (!fraction && e2 < kSaturate) e2 += 4;
      }
    };
    while (i < n && hexValue(text[i]) >= 0) take(hexValue(text[i++]), false);
    if (i < n && text[i] == '.') {
      ++i;
      while (i < n && hexValue(text[i]) >= 0) {
        take(hexValue(text[i++]), true);
        if (e2 < -kSaturate) e2 = -kSaturate;
      }
    }
    if (i < n && lower(text[i]) == 'p') {
      std::size_t j = i + 1;
      bool expNegative = false;
      if (j < n && (text[j] == '+' || text[j] == '-')) expNegative = text[j++] == '-';
      if (j < n && isDecimalDigit(text[j])) {
        std::int64_t e = 0;
        while (j < n && isDecimalDigit(text[j])) {
          if (e < kSaturate) e = e * 10 + (text[j] - '0');
          ++j;
        }
        e2 += expNegative ? -e : e;
        i = j;
      }
    }
    bool overflow = false;
    const double magnitude = roundToDouble(m, sticky, e2, overflow);
    result.value = sign * magnitude;
    result.outOfRange = overflow || (magnitude == 0.0 && m != 0);
    result.length = i;
    return result;
  }

  // Decimal: the digits, with the point taken out, go on to decimalToDouble.
  // They are gathered only when the text has a point inside them.
  const std::size_t start = i;
  while (i < n && isDecimalDigit(text[i])) ++i;
  const std::size_t integerEnd = i;
  std::size_t fractionStart = i;
  std::size_t fractionEnd = i;
  if (i < n && text[i] == '.') {
    fractionStart = i + 1;
    fractionEnd = fractionStart;
    while (fractionEnd < n && isDecimalDigit(text[fractionEnd])) ++fractionEnd;
    i = fractionEnd;
  }
  if (integerEnd == start && fractionEnd == fractionStart) return result;  // no digit
  std::int64_t exponent = 0;
  if (i < n && lower(text[i]) == 'e') {
    std::size_t j = i + 1;
    bool expNegative = false;
    if (j < n && (text[j] == '+' || text[j] == '-')) expNegative = text[j++] == '-';
    if (j < n && isDecimalDigit(text[j])) {
      while (j < n && isDecimalDigit(text[j])) {
        if (exponent < kSaturate) exponent = exponent * 10 + (text[j] - '0');
        ++j;
      }
      if (expNegative) exponent = -exponent;
      i = j;
    }
  }
  const std::string_view integerDigits = text.substr(start, integerEnd - start);
  const std::string_view fractionDigits = text.substr(fractionStart, fractionEnd - fractionStart);
  exponent -= static_cast<std::int64_t>(fractionDigits.size());
  if (fractionDigits.empty()) {
    result = decimalToDouble(integerDigits, exponent, negative);
  } else {
    // Join the two parts; digits past what can matter are cut to the first
    // 801, the last of them standing in for any nonzero one after.
    constexpr std::size_t kJoined = 801;
    std::array<char, kJoined + 1> joined{};
    std::size_t length = 0;
    bool significant = false;
    bool anyCutNonzero = false;
    std::int64_t cut = 0;
    const auto append = [&](std::string_view part) {
      for (const char c : part) {
        if (!significant && c == '0') continue;  // leading zeros carry no weight
        significant = true;
        if (length < kJoined) {
          joined[length++] = c;
        } else {
          anyCutNonzero |= c != '0';
          ++cut;
        }
      }
    };
    append(integerDigits);
    append(fractionDigits);
    if (anyCutNonzero) joined[length++] = '1';
    exponent += cut - (anyCutNonzero ? 1 : 0);
    result = decimalToDouble(std::string_view(joined.data(), length), exponent, negative);
  }
  result.length = i;
  return result;
}

}  // namespace tal::platform::detail
