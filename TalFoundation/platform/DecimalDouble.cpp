#include "TalFoundation/platform/DecimalDouble.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

namespace tal {

std::optional<double> toDouble(const Decimal& value) noexcept {
  const double d = value.toDouble();
  if (!std::isfinite(d)) return std::nullopt;
  if (d == 0.0 && !value.isZero()) return std::nullopt;
  return d;
}

std::optional<Decimal> toExactDecimal(double value) noexcept {
  if (!std::isfinite(value)) return std::nullopt;
  // Same digits as "%.15g", but never with a locale's decimal separator.
  char buffer[32];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  if (error != std::errc()) return std::nullopt;
  return Decimal::fromString(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

}  // namespace tal
