#include "TalFoundation/units/TalMeasurement.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <utility>

#include "TalFoundation/catalogues/TalUnitTemperature.h"
#include "TalFoundation/catalogues/detail/TemperatureScales.h"
#include "TalFoundation/platform/BackgroundExecutor.h"
#include "TalFoundation/platform/DecimalDouble.h"
#include "TalFoundation/platform/Measurement.h"
#include "TalFoundation/platform/Unit.h"
#include "TalFoundation/units/detail/InPlaceResult.h"

namespace tal {

namespace {

using detail::Computed;
using detail::computed;
using detail::ExactAngle;
using detail::FromBase;

Decimal timesCoefficient(const Decimal& value, const TalUnit& unit) {
  return unit.conversionData().unitCoefficient ? value : value * unit.coefficient();
}

// Where the reciprocal is exact, multiplying by it rounds the same exact
// quotient the division would, and costs half as much. Otherwise the unit's
// prepared divisor spares each division the work on the coefficient.
Decimal overCoefficient(const Decimal& value, const TalUnit& unit) {
  const auto& data = unit.conversionData();
  if (data.unitCoefficient) return value;
  if (data.exactReciprocal) return value * *data.exactReciprocal;
  if (data.divisor) return value / *data.divisor;
  return value / unit.coefficient();
}

/// The generic road's first half: `value` in the category's base unit.
Decimal toBase(const Decimal& value, const TalUnit& from) {
  if (from.inverse()) return from.coefficient() / value;
  // Adding a zero offset changes nothing, so it is skipped.
  if (from.offset().isZero()) return timesCoefficient(value, from);
  return timesCoefficient(value, from) + from.offset();
}

/// Its second half: a base-unit value in `to`.
Decimal fromBase(const Decimal& base, const TalUnit& to) {
  const auto& data = to.conversionData();
  switch (data.fromBase) {
    case FromBase::inverse: return to.coefficient() / base;
    case FromBase::offset: return overCoefficient(base - to.offset(), to);
    case FromBase::numerator: return base * *to.baseNumerator();
    case FromBase::same: return base;
    case FromBase::reciprocal: return base * *data.exactReciprocal;
    case FromBase::divisor: break;
  }
  return base / *data.divisor;
}

// π as Decimal::pi() has it.
constexpr Decimal k60 = 60, k3600 = 3600, k180 = 180, k0_9 = 0.9_dec, k360 = 360,
                  kPi = "3.1415926535897932384626433832795028842"_dec;
// The same constants as divisors, prepared by the compiler.
constexpr DecimalDivisor kBy60{k60}, kBy3600{k3600}, kBy180{k180}, kBy0_9{k0_9}, kBy360{k360}, kByPi{kPi};
constexpr DecimalFactor kTimesPi{kPi};

// The exact roads return their results by value, so each lands where the
// caller keeps it: copying a just-computed Decimal whole costs more than a
// short multiply on the machines we measured.
Decimal toDegrees(const Decimal& value, ExactAngle from) {
  switch (from) {
    case ExactAngle::degrees: return value;
    case ExactAngle::arcMinutes: return value / kBy60;
    case ExactAngle::arcSeconds: return value / kBy3600;
    case ExactAngle::radians: return (value * k180) / kByPi;
    case ExactAngle::gradians: return value * k0_9;
    case ExactAngle::revolutions: return value * k360;
    case ExactAngle::other: break;
  }
  return Decimal::nan();  // not reached: callers pass one of the six
}

Decimal fromDegrees(const Decimal& degrees, ExactAngle to) {
  switch (to) {
    case ExactAngle::degrees: return degrees;
    case ExactAngle::arcMinutes: return degrees * k60;
    case ExactAngle::arcSeconds: return degrees * k3600;
    case ExactAngle::radians: return multiplyThenDivide(degrees, kTimesPi, kBy180);
    case ExactAngle::gradians: return degrees / kBy0_9;
    case ExactAngle::revolutions: return degrees / kBy360;
    case ExactAngle::other: break;
  }
  return Decimal::nan();  // not reached: callers pass one of the six
}

/// A caller's own angle unit on either side: the platform measurement
/// converts it through degrees. Absent means "take the generic road".
// Out of line: a rare road whose locals would otherwise widen the stack
// frame of every conversion.
[[gnu::noinline]] std::optional<std::optional<Decimal>> angleThroughPlatform(const Decimal& value, const platform::Unit& from,
                                                           ExactAngle fromAngle, const platform::Unit& to,
                                                           ExactAngle toAngle) {
  if (from.dimension() != platform::Dimension::angle || to.dimension() != platform::Dimension::angle)
    return std::nullopt;
  Decimal degrees;
  if (fromAngle != ExactAngle::other) {
    degrees = toDegrees(value, fromAngle);
  } else {
    const auto asDouble = toDouble(value);
    if (!asDouble) return std::nullopt;
    const auto inDegrees = platform::Measurement(*asDouble, from).convertedTo(platform::UnitAngle::degrees());
    const auto exact = inDegrees ? toExactDecimal(inDegrees->value()) : std::nullopt;
    if (!exact) return std::nullopt;
    degrees = *exact;
  }
  if (toAngle != ExactAngle::other) return std::optional<Decimal>(fromDegrees(degrees, toAngle));
  const auto asDouble = toDouble(degrees);
  if (!asDouble) return std::optional<Decimal>();
  const auto converted = platform::Measurement(*asDouble, platform::UnitAngle::degrees()).convertedTo(to);
  return std::optional<Decimal>(converted ? toExactDecimal(converted->value()) : std::nullopt);
}

/// Whether the generic road may skip multiplying by `from`'s coefficient, a
/// power of ten: x × 10^k is exact, so folding 10^k into the constant of the
/// second half rounds the same exact value once, unless x × 10^k would
/// leave the decimal range.
bool foldsSource(const Decimal& value, const TalUnit& from, const TalUnit& to) {
  const auto& data = from.conversionData();
  const auto& target = to.conversionData();
  if (!data.foldLimit || !data.proportional || !target.proportional || target.unitCoefficient) return false;
  if (value.isZero() || value.isNaN()) return true;
  const std::int64_t lead = value.leadingExponent();
  return data.foldLimitIsUpper ? lead < *data.foldLimit : lead >= *data.foldLimit;
}

/// The generic road with `from`'s power of ten folded into `to`'s constant.
Decimal foldedRoad(const Decimal& value, const TalUnit& from, const TalUnit& to) {
  const Decimal& scale = from.coefficient();
  if (to.baseNumerator()) return value * (*to.baseNumerator() * scale);
  if (const auto& reciprocal = to.conversionData().exactReciprocal) return value * (*reciprocal * scale);
  // to.coefficient() × 10^−k keeps the coefficient's digits, and so its
  // prepared reciprocal.
  if (const auto& divisor = to.conversionData().divisor)
    return divideScaled(value, *divisor, -from.conversionData().tenExponent);
  return value / (to.coefficient() * *from.conversionData().exactReciprocal);
}

bool sameSymbol(const TalUnit& a, const TalUnit& b) {
  // Copies of one unit share their record, and so their conversion data.
  if (&a.conversionData() == &b.conversionData()) return true;
  return a.conversionData().symbolKey == b.conversionData().symbolKey && a.symbol() == b.symbol();
}

/// Which way a pair of units converts; the order of the tests is the order
/// of precedence. Ids are the category's raw value, "_" and the symbol, and
/// no raw value has a "_", so equal ids are an equal category and symbol.
enum class Road { same, none, temperature, exactAngle, platformAngle, generic };

Road roadOf(const TalUnit& from, const TalUnit& to) {
  const auto& a = from.conversionData();
  const auto& b = to.conversionData();
  if (a.category != b.category) return Road::none;
  if (sameSymbol(from, to)) return Road::same;
  if (a.category == TalUnitCategory::temperature) return Road::temperature;
  if (a.category == TalUnitCategory::angle) {
    if (a.angle != ExactAngle::other && b.angle != ExactAngle::other) return Road::exactAngle;
    if (from.dimension() != nullptr && to.dimension() != nullptr) return Road::platformAngle;
  }
  return Road::generic;
}

}  // namespace

std::optional<Decimal> TalMeasurement::convert(const Decimal& value, const TalUnit& from, const TalUnit& to) {
  switch (roadOf(from, to)) {
    case Road::same: return value;
    case Road::none: return std::nullopt;
    case Road::temperature:
      // The catalogue's scales straight to their formula.
      if (const auto* formulas = from.conversionData().temperatureFormulas) {
        const int scale = to.conversionData().temperatureScale;
        if (const auto formula = scale >= 0 ? formulas[scale] : nullptr) return computed([&] { return formula(value); });
      }
      return TalUnitTemperature::convert(value, from, to);
    case Road::exactAngle:
      // From degrees, the value itself goes in: no copy on the way.
      if (from.conversionData().angle == ExactAngle::degrees)
        return computed([&] { return fromDegrees(value, to.conversionData().angle); });
      return computed(
          [&] { return fromDegrees(toDegrees(value, from.conversionData().angle), to.conversionData().angle); });
    case Road::platformAngle:
      if (auto result = angleThroughPlatform(value, *from.dimension(), from.conversionData().angle, *to.dimension(),
                                             to.conversionData().angle))
        return *result;
      break;
    case Road::generic:
      if (foldsSource(value, from, to)) return computed([&] { return foldedRoad(value, from, to); });
      break;
  }
  return computed([&] { return fromBase(toBase(value, from), to); });
}

void TalMeasurement::convert(const Decimal& value, const TalUnit& from, std::span<const TalUnit> to,
                             std::span<std::optional<Decimal>> results) {
  // A copy, in case `value` is one of the results about to be written.
  const Decimal input = value;
  const std::size_t count = std::min(to.size(), results.size());
  // The first half of each shared road, worked out at its first use.
  std::optional<Decimal> base;
  std::optional<Decimal> degrees;
  for (std::size_t i = 0; i < count; ++i) {
    const TalUnit& target = to[i];
    std::optional<Decimal>& result = results[i];
    switch (roadOf(from, target)) {
      case Road::same: result = input; continue;
      case Road::none: result.reset(); continue;
      case Road::temperature: result = TalUnitTemperature::convert(input, from, target); continue;
      case Road::exactAngle:
        if (!degrees) degrees = toDegrees(input, from.conversionData().angle);
        result.emplace(Computed{[&] { return fromDegrees(*degrees, target.conversionData().angle); }});
        continue;
      case Road::platformAngle:
        // A caller's own angle unit: rare, and worth no shortcut.
        result = convert(input, from, target);
        continue;
      case Road::generic: break;
    }
    if (!base) base = toBase(input, from);
    result.emplace(Computed{[&] { return fromBase(*base, target); }});
  }
  for (std::size_t i = count; i < results.size(); ++i) results[i].reset();
}

std::future<std::optional<Decimal>> TalMeasurement::convertValue(const Decimal& value, const TalUnit& from,
                                                                 const TalUnit& to) {
  auto promise = std::make_shared<std::promise<std::optional<Decimal>>>();
  auto future = promise->get_future();
  platform::runInBackground([promise, value, from, to] { promise->set_value(convert(value, from, to)); });
  return future;
}

bool TalMeasurement::convertValue(const Decimal& value, const TalUnit& from, const TalUnit& to,
                                  std::function<void(std::optional<Decimal>)> completion) {
  if (!completion) return false;
  platform::runInBackground(
      [completion = std::move(completion), value, from, to] { completion(convert(value, from, to)); });
  return true;
}

}  // namespace tal
