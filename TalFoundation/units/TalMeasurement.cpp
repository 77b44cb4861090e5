#include "TalFoundation/units/TalMeasurement.h"

#include <array>
#include <memory>
#include <string>
#include <utility>

#include "TalFoundation/catalogues/TalUnitTemperature.h"
#include "TalFoundation/platform/BackgroundExecutor.h"
#include "TalFoundation/platform/DecimalDouble.h"
#include "TalFoundation/platform/Measurement.h"
#include "TalFoundation/platform/Unit.h"

namespace tal {

namespace {

std::optional<Decimal> generic(const Decimal& value, const TalUnit& from, const TalUnit& to) {
  // Adding or taking away a zero offset changes nothing, so it is skipped.
  Decimal base = from.inverse() ? from.coefficient() / value : value * from.coefficient();
  if (!from.inverse() && !from.offset().isZero()) base += from.offset();
  if (to.inverse()) return to.coefficient() / base;
  if (to.offset().isZero()) return to.baseNumerator() ? base * *to.baseNumerator() : base / to.coefficient();
  return (base - to.offset()) / to.coefficient();
}

// The six angle units with their exact factors to and from degrees.
enum class Angle { degrees, arcMinutes, arcSeconds, radians, gradians, revolutions, other };

Angle angleOf(const platform::Unit& unit) {
  using platform::UnitAngle;
  if (&unit == &UnitAngle::degrees()) return Angle::degrees;
  if (&unit == &UnitAngle::arcMinutes()) return Angle::arcMinutes;
  if (&unit == &UnitAngle::arcSeconds()) return Angle::arcSeconds;
  if (&unit == &UnitAngle::radians()) return Angle::radians;
  if (&unit == &UnitAngle::gradians()) return Angle::gradians;
  if (&unit == &UnitAngle::revolutions()) return Angle::revolutions;
  return Angle::other;
}

constexpr Decimal k60 = 60, k3600 = 3600, k180 = 180, k0_9 = 0.9_dec, k360 = 360;

// The exact roads return their results by value, so each lands where the
// caller keeps it: copying a just-computed Decimal whole costs more than a
// short multiply on the machines we measured.
Decimal toDegrees(const Decimal& value, Angle from) {
  switch (from) {
    case Angle::degrees: return value;
    case Angle::arcMinutes: return value / k60;
    case Angle::arcSeconds: return value / k3600;
    case Angle::radians: return (value * k180) / Decimal::pi();
    case Angle::gradians: return value * k0_9;
    case Angle::revolutions: return value * k360;
    case Angle::other: break;
  }
  return Decimal::nan();  // not reached: callers pass one of the six
}

Decimal fromDegrees(const Decimal& degrees, Angle to) {
  switch (to) {
    case Angle::degrees: return degrees;
    case Angle::arcMinutes: return degrees * k60;
    case Angle::arcSeconds: return degrees * k3600;
    case Angle::radians: return (degrees * Decimal::pi()) / k180;
    case Angle::gradians: return degrees / k0_9;
    case Angle::revolutions: return degrees / k360;
    case Angle::other: break;
  }
  return Decimal::nan();  // not reached: callers pass one of the six
}

/// A caller's own angle unit on either side: the platform measurement
/// converts it through degrees. Absent means "take the generic road".
std::optional<std::optional<Decimal>> angleThroughPlatform(const Decimal& value, const platform::Unit& from,
                                                           Angle fromAngle, const platform::Unit& to, Angle toAngle) {
  if (from.dimension() != platform::Dimension::angle || to.dimension() != platform::Dimension::angle)
    return std::nullopt;
  Decimal degrees;
  if (fromAngle != Angle::other) {
    degrees = toDegrees(value, fromAngle);
  } else {
    const auto asDouble = toDouble(value);
    if (!asDouble) return std::nullopt;
    const auto inDegrees = platform::Measurement(*asDouble, from).convertedTo(platform::UnitAngle::degrees());
    const auto exact = inDegrees ? toExactDecimal(inDegrees->value()) : std::nullopt;
    if (!exact) return std::nullopt;
    degrees = *exact;
  }
  if (toAngle != Angle::other) return std::optional<Decimal>(fromDegrees(degrees, toAngle));
  const auto asDouble = toDouble(degrees);
  if (!asDouble) return std::optional<Decimal>();
  const auto converted = platform::Measurement(*asDouble, platform::UnitAngle::degrees()).convertedTo(to);
  return std::optional<Decimal>(converted ? toExactDecimal(converted->value()) : std::nullopt);
}

}  // namespace

std::optional<Decimal> TalMeasurement::convert(const Decimal& value, const TalUnit& from, const TalUnit& to) {
  if (from.id() == to.id()) return value;
  if (from.category() != to.category()) return std::nullopt;
  if (from.symbol() == to.symbol()) return value;
  if (from.category() == TalUnitCategory::temperature) return TalUnitTemperature::convert(value, from, to);
  if (from.category() == TalUnitCategory::angle && from.dimension() != nullptr && to.dimension() != nullptr) {
    const Angle fromAngle = angleOf(*from.dimension());
    const Angle toAngle = angleOf(*to.dimension());
    if (fromAngle != Angle::other && toAngle != Angle::other) return fromDegrees(toDegrees(value, fromAngle), toAngle);
    if (auto result = angleThroughPlatform(value, *from.dimension(), fromAngle, *to.dimension(), toAngle))
      return *result;
  }
  return generic(value, from, to);
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
