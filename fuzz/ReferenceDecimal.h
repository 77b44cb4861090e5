// ReferenceDecimal: a deliberately naive decimal made of digit strings, used
// by the fuzz invariants as an independent oracle for Decimal's parse,
// arithmetic and rounding. Slow and simple on purpose: nothing here shares
// code or tricks with TalFoundation/platform/Decimal.cpp.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tal::fuzz {

/// sign × digits × 10^exponent, digits most significant first. Normalised:
/// no leading or trailing zeros, and zero is the empty string without sign.
struct RefDecimal {
  bool negative = false;
  std::string digits;
  std::int64_t exponent = 0;

  [[nodiscard]] bool isZero() const noexcept { return digits.empty(); }
  /// Power of ten of the leading digit.
  [[nodiscard]] std::int64_t adjusted() const noexcept {
    return exponent + static_cast<std::int64_t>(digits.size()) - 1;
  }
  friend bool operator==(const RefDecimal&, const RefDecimal&) = default;
};

namespace ref {

inline RefDecimal normalized(RefDecimal r) {
  const std::size_t first = r.digits.find_first_not_of('0');
  if (first == std::string::npos) return {};
  r.digits.erase(0, first);
  const std::size_t last = r.digits.find_last_not_of('0');
  r.exponent += static_cast<std::int64_t>(r.digits.size() - 1 - last);
  r.digits.erase(last + 1);
  return r;
}

inline std::string text(const RefDecimal& r) {
  if (r.isZero()) return "0";
  return (r.negative ? "-" : "") + r.digits + "E" + std::to_string(r.exponent);
}

/// Plain notation: no exponent, no trailing fraction zeros, "0" for zero.
inline std::string plainText(const RefDecimal& r) {
  if (r.isZero()) return "0";
  std::string out = r.negative ? "-" : "";
  const auto size = static_cast<std::int64_t>(r.digits.size());
  if (r.exponent >= 0) {
    out += r.digits;
    out.append(static_cast<std::size_t>(r.exponent), '0');
  } else if (-r.exponent < size) {
    const auto point = static_cast<std::size_t>(size + r.exponent);
    out += r.digits.substr(0, point) + "." + r.digits.substr(point);
  } else {
    out += "0.";
    out.append(static_cast<std::size_t>(-r.exponent - size), '0');
    out += r.digits;
  }
  return out;
}

// --- magnitudes: digit strings, most significant first, possibly with leading zeros

inline int compareMagnitude(std::string_view a, std::string_view b) {
  const auto strip = [](std::string_view s) {
    const std::size_t first = s.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view() : s.substr(first);
  };
  a = strip(a);
  b = strip(b);
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  const int c = a.compare(b);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

inline std::string addMagnitude(std::string_view a, std::string_view b) {
  std::string out;
  int carry = 0;
  for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
    int d = carry;
    if (i < a.size()) d += a[a.size() - 1 - i] - '0';
    if (i < b.size()) d += b[b.size() - 1 - i] - '0';
    out.push_back(static_cast<char>('0' + d % 10));
    carry = d / 10;
  }
  std::reverse(out.begin(), out.end());
  return out;
}

/// a − b for a ≥ b.
inline std::string subtractMagnitude(std::string_view a, std::string_view b) {
  std::string out;
  int borrow = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    int d = a[a.size() - 1 - i] - '0' - borrow;
    if (i < b.size()) d -= b[b.size() - 1 - i] - '0';
    borrow = d < 0 ? 1 : 0;
    out.push_back(static_cast<char>('0' + d + 10 * borrow));
  }
  std::reverse(out.begin(), out.end());
  return out;
}

// --- arithmetic, exact

inline RefDecimal add(const RefDecimal& a, const RefDecimal& b) {
  if (a.isZero()) return b;
  if (b.isZero()) return a;
  const std::int64_t e = std::min(a.exponent, b.exponent);
  const std::string x = a.digits + std::string(static_cast<std::size_t>(a.exponent - e), '0');
  const std::string y = b.digits + std::string(static_cast<std::size_t>(b.exponent - e), '0');
  RefDecimal r;
  r.exponent = e;
  if (a.negative == b.negative) {
    r.negative = a.negative;
    r.digits = addMagnitude(x, y);
  } else if (compareMagnitude(x, y) >= 0) {
    r.negative = a.negative;
    r.digits = subtractMagnitude(x, y);
  } else {
    r.negative = b.negative;
    r.digits = subtractMagnitude(y, x);
  }
  return normalized(r);
}

inline RefDecimal negated(RefDecimal a) {
  if (!a.isZero()) a.negative = !a.negative;
  return a;
}

inline RefDecimal multiply(const RefDecimal& a, const RefDecimal& b) {
  if (a.isZero() || b.isZero()) return {};
  std::string out(a.digits.size() + b.digits.size(), '0');
  for (std::size_t i = a.digits.size(); i-- > 0;) {
    int carry = 0;
    for (std::size_t j = b.digits.size(); j-- > 0;) {
      const std::size_t k = i + j + 1;
      const int d = (out[k] - '0') + (a.digits[i] - '0') * (b.digits[j] - '0') + carry;
      out[k] = static_cast<char>('0' + d % 10);
      carry = d / 10;
    }
    out[i] = static_cast<char>(out[i] + carry);
  }
  return normalized({a.negative != b.negative, out, a.exponent + b.exponent});
}

/// The quotient a ÷ b (b nonzero) with at least `digits` + 1 significant
/// digits, and whether anything nonzero was left over.
struct Quotient {
  RefDecimal value;
  bool inexact = false;
};
inline Quotient divide(const RefDecimal& a, const RefDecimal& b, std::size_t digits) {
  if (a.isZero()) return {};
  // Enough zeros after the dividend that the quotient has digits + 1 digits.
  const std::size_t extra = digits + 1 + b.digits.size();
  const std::string dividend = a.digits + std::string(extra, '0');
  std::string quotient;
  std::string remainder;
  for (const char c : dividend) {
    remainder.push_back(c);
    int q = 0;
    while (compareMagnitude(remainder, b.digits) >= 0) {
      remainder = subtractMagnitude(remainder, b.digits);
      ++q;
    }
    quotient.push_back(static_cast<char>('0' + q));
  }
  Quotient out;
  out.inexact = remainder.find_first_not_of('0') != std::string::npos;
  out.value = {a.negative != b.negative, quotient, a.exponent - b.exponent - static_cast<std::int64_t>(extra)};
  // Keep trailing zeros' meaning but drop leading ones; normalising would
  // be wrong only if it dropped digits, and it drops zeros only.
  out.value = normalized(out.value);
  return out;
}

// --- rounding

enum class Mode { halfUp, halfEven, halfDown, down, up, ceiling, floor };

/// Rounds at 10^minExponent: the result has no digit below it.
/// `inexact` says the exact value has nonzero digits beyond those in `r`.
inline RefDecimal roundAt(const RefDecimal& r, std::int64_t minExponent, Mode mode, bool inexact = false) {
  if (r.isZero()) return {};
  if (r.exponent >= minExponent && !inexact) return r;
  std::string kept;
  int first = 0;
  bool rest = inexact;
  if (r.exponent >= minExponent) {
    kept = r.digits + std::string(static_cast<std::size_t>(r.exponent - minExponent), '0');
  } else {
    const auto drop = static_cast<std::uint64_t>(minExponent - r.exponent);
    const std::size_t size = r.digits.size();
    if (drop > size) {
      rest = true;  // every digit lies below the first dropped position
    } else {
      const std::size_t keep = size - static_cast<std::size_t>(drop);
      kept = r.digits.substr(0, keep);
      first = r.digits[keep] - '0';
      rest = rest || r.digits.find_first_not_of('0', keep + 1) != std::string::npos;
    }
  }
  const bool lastOdd = !kept.empty() && ((kept.back() - '0') & 1) != 0;
  const bool any = first > 0 || rest;
  bool up = false;
  switch (mode) {
    case Mode::halfUp: up = first >= 5; break;
    case Mode::halfEven: up = first > 5 || (first == 5 && (rest || lastOdd)); break;
    case Mode::halfDown: up = first > 5 || (first == 5 && rest); break;
    case Mode::down: up = false; break;
    case Mode::up: up = any; break;
    case Mode::ceiling: up = any && !r.negative; break;
    case Mode::floor: up = any && r.negative; break;
  }
  if (up) kept = addMagnitude(kept.empty() ? "0" : kept, "1");
  return normalized({r.negative, kept, minExponent});
}

/// Rounds to `digits` significant digits, half to even.
inline RefDecimal roundSignificant(const RefDecimal& r, std::size_t digits, bool inexact = false) {
  if (r.isZero()) return {};
  return roundAt(r, r.adjusted() - static_cast<std::int64_t>(digits) + 1, Mode::halfEven, inexact);
}

inline int compare(const RefDecimal& a, const RefDecimal& b) {
  const RefDecimal d = add(a, negated(b));
  if (d.isZero()) return 0;
  return d.negative ? -1 : 1;
}

// --- text

/// What the number at the start of a text is, read by the rules Decimal
/// documents: white space, sign, digits with an optional '.', an exponent
/// only when digits follow it. The value is exact (not rounded).
struct Parsed {
  bool valid = false;
  RefDecimal value;
  std::size_t length = 0;
};

inline Parsed parse(std::string_view text) {
  constexpr std::int64_t kCap = 1'000'000'000'000'000;  // far beyond any exponent that matters
  const auto digit = [&](std::size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
  std::size_t i = 0;
  while (i < text.size() && std::string_view(" \t\n\v\f\r").find(text[i]) != std::string_view::npos) ++i;
  Parsed p;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) p.value.negative = text[i++] == '-';
  std::size_t count = 0;
  std::int64_t fraction = 0;
  while (digit(i)) {
    p.value.digits.push_back(text[i++]);
    ++count;
  }
  if (i < text.size() && text[i] == '.' && (count > 0 || digit(i + 1))) {
    ++i;
    while (digit(i)) {
      p.value.digits.push_back(text[i++]);
      ++count;
      ++fraction;
    }
  }
  if (count == 0) return {};
  std::int64_t exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    const bool negative = j < text.size() && text[j] == '-';
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (digit(j)) {
      while (digit(j)) {
        exponent = std::min(kCap, exponent * 10 + (text[j] - '0'));
        ++j;
      }
      if (negative) exponent = -exponent;
      i = j;
    }
  }
  p.valid = true;
  p.length = i;
  p.value.exponent = exponent - fraction;
  p.value = normalized(p.value);
  return p;
}

}  // namespace ref
}  // namespace tal::fuzz
