#include "TalFoundation/numbertext/DecimalHelpers.h"

#include <charconv>
#include <cmath>
#include <string>

namespace tal {

namespace {

template <class Op>
std::optional<Decimal> onTexts(std::string_view a, std::string_view b, Op op) noexcept {
  const auto x = Decimal::fromString(a);
  if (!x) return std::nullopt;
  const auto y = Decimal::fromString(b);
  if (!y) return std::nullopt;
  return op(*x, *y);
}

}  // namespace

std::optional<Decimal> add(std::string_view a, std::string_view b) noexcept {
  return onTexts(a, b, [](const Decimal& x, const Decimal& y) { return std::optional<Decimal>(x + y); });
}
std::optional<Decimal> subtract(std::string_view a, std::string_view b) noexcept {
  return onTexts(a, b, [](const Decimal& x, const Decimal& y) { return std::optional<Decimal>(x - y); });
}
std::optional<Decimal> multiply(std::string_view a, std::string_view b) noexcept {
  return onTexts(a, b, [](const Decimal& x, const Decimal& y) { return std::optional<Decimal>(x * y); });
}
std::optional<Decimal> divide(std::string_view a, std::string_view b) noexcept {
  return onTexts(a, b, [](const Decimal& x, const Decimal& y) { return divide(x, y); });
}

Decimal add(const Decimal& a, const Decimal& b) noexcept { return a + b; }
Decimal subtract(const Decimal& a, const Decimal& b) noexcept { return a - b; }
Decimal multiply(const Decimal& a, const Decimal& b) noexcept { return a * b; }
std::optional<Decimal> divide(const Decimal& a, const Decimal& b) noexcept {
  if (b.isZero()) return std::nullopt;
  return a / b;
}

Decimal power(const Decimal& value, std::int64_t n) noexcept {
  if (n < 0) return Decimal();
  // Repeated multiplication rounds at every step; past this many steps it
  // would take too long, and squaring gives the same value to one unit.
  constexpr std::int64_t kRepeatedLimit = 4096;
  if (n > kRepeatedLimit) return pow(value, n);
  Decimal result = 1;
  for (std::int64_t i = 0; i < n; ++i) {
    result *= value;
    if (result.isNaN() || result.isZero()) break;  // no later step changes it
  }
  return result;
}

bool isValidForComputation(const Decimal& value) noexcept { return value.isFinite(); }
bool isValidForComputation(double value) noexcept { return std::isfinite(value); }

bool isFiniteDecimal(const Decimal& value) {
  if (value.isNaN()) return false;
  const std::string text = value.rounded(50, Decimal::Rounding::halfEven).description();
  const auto point = text.find('.');
  if (point == std::string::npos || point + 1 == text.size()) return true;
  const std::string_view fraction = std::string_view(text).substr(point + 1);
  if (fraction.size() <= 20) return true;
  const std::string_view last = fraction.substr(fraction.size() - 12);
  if (fraction.size() >= 25 && fraction.substr(fraction.size() - 24, 12) == last) return false;
  return fraction.find_first_not_of(fraction[0]) != std::string_view::npos;
}

bool shouldUseScientificNotation(const Decimal& value, int maxFractionDigits, const std::optional<Decimal>& minThreshold,
                                 const std::optional<Decimal>& maxThreshold) noexcept {
  if (value.isZero()) return false;
  const Decimal magnitude = value.magnitude();
  if (minThreshold && magnitude < *minThreshold) return true;
  if (maxThreshold && !(magnitude < *maxThreshold)) return true;
  const int digits = maxFractionDigits < 0 ? 0 : maxFractionDigits;
  return value.rounded(digits, Decimal::Rounding::halfUp).isZero();
}

}  // namespace tal
