#include "TalFoundation/units/detail/ConversionData.h"

#include <functional>
#include <string>

#include "TalFoundation/catalogues/detail/TemperatureScales.h"
#include "TalFoundation/platform/Unit.h"

namespace tal::detail {

namespace {

ExactAngle exactAngleOf(const platform::Unit* unit) noexcept {
  using platform::UnitAngle;
  if (unit == &UnitAngle::degrees()) return ExactAngle::degrees;
  if (unit == &UnitAngle::arcMinutes()) return ExactAngle::arcMinutes;
  if (unit == &UnitAngle::arcSeconds()) return ExactAngle::arcSeconds;
  if (unit == &UnitAngle::radians()) return ExactAngle::radians;
  if (unit == &UnitAngle::gradians()) return ExactAngle::gradians;
  if (unit == &UnitAngle::revolutions()) return ExactAngle::revolutions;
  return ExactAngle::other;
}

/// How often `factor` divides `n`, which is left with the rest.
int strip(std::uint64_t& n, std::uint64_t factor) noexcept {
  int count = 0;
  for (; n % factor == 0; n /= factor) ++count;
  return count;
}

/// The significant digits of a finite nonzero value, without leading or
/// trailing zeros.
std::string significantDigits(const Decimal& value) {
  std::string digits;
  for (const char c : value.magnitude().description())
    if (c >= '0' && c <= '9') digits += c;
  digits.erase(0, digits.find_first_not_of('0'));
  digits.erase(digits.find_last_not_of('0') + 1);
  return digits;
}

}  // namespace

std::optional<Decimal> exactReciprocal(const Decimal& value) {
  if (!value.isFinite() || value.isZero()) return std::nullopt;
  // 1 ÷ value is a terminating decimal only when the significant digits are
  // 2^a or 5^b.
  const std::string digits = significantDigits(value);
  // Wider significands would need reciprocals of more than 38 digits, or
  // are no table's factor; they keep the division.
  if (digits.empty() || digits.size() > 19) return std::nullopt;
  std::uint64_t n = 0;
  for (const char c : digits) n = n * 10 + static_cast<std::uint64_t>(c - '0');
  const int twos = strip(n, 2);
  strip(n, 5);
  if (n != 1) return std::nullopt;
  // 1 / 2^a = 5^a / 10^a has 38 digits or fewer up to a = 54; 1 / 5^b =
  // 2^b / 10^b always fits for a 19-digit 5^b. Both cannot occur at once
  // since trailing zeros are gone.
  if (twos > 54) return std::nullopt;
  // A quotient comes with all 38 digits (0.001 as 1000…0E-40); read back
  // from its text it keeps only its significant ones, so a short value
  // times it takes the one-word product.
  return Decimal::fromString((Decimal(1) / value).toScientificString());
}

std::optional<int> powerOfTen(const Decimal& value) {
  if (!value.isFinite() || value.isZero() || value.isNegative() || significantDigits(value) != "1")
    return std::nullopt;
  // "1000" or "0.001": the digits before the point, or the zeros after it.
  const std::string text = value.description();
  const auto point = text.find('.');
  if (point == std::string::npos) return static_cast<int>(text.size()) - 1;
  return -static_cast<int>(text.size() - point - 1);
}

ConversionData ConversionData::of(const Unit& unit) {
  const Decimal& coefficient = unit.coefficient;
  ConversionData data;
  data.category = unit.category;
  if (unit.category == TalUnitCategory::temperature) {
    data.temperatureScale = catalogue::temperatureScaleOf(unit.symbol);
    data.temperatureFormulas = catalogue::temperatureFormulasFrom(data.temperatureScale);
  }
  data.angle = exactAngleOf(unit.dimension);
  data.unitCoefficient = coefficient == Decimal(1);
  data.proportional = !unit.inverse && unit.offset.isZero();
  data.exactReciprocal = detail::exactReciprocal(coefficient);
  if (!data.unitCoefficient && !data.exactReciprocal) data.divisor = platform::DecimalDivisor(coefficient);
  if (const auto k = powerOfTen(coefficient); k && *k != 0) {
    // value × 10^k stays within the range while the value's leading digit
    // is below 10^(max + 1 − k) (k > 0) or at least 10^(min − k) (k < 0).
    data.foldLimit = *k > 0 ? Decimal::kMaxExponent + 1 - *k : Decimal::kMinExponent - *k;
    data.foldLimitIsUpper = *k > 0;
    data.tenExponent = *k;
  }
  if (unit.inverse) {
    data.fromBase = FromBase::inverse;
  } else if (!unit.offset.isZero()) {
    data.fromBase = FromBase::offset;
  } else if (unit.hasBaseNumerator) {
    data.fromBase = FromBase::numerator;
  } else if (data.unitCoefficient) {
    data.fromBase = FromBase::same;
  } else if (data.exactReciprocal) {
    data.fromBase = FromBase::reciprocal;
  } else {
    data.fromBase = FromBase::divisor;
  }
  data.symbolKey = std::hash<std::string_view>{}(unit.symbol);
  return data;
}

}  // namespace tal::detail
