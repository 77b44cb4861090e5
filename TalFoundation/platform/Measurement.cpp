#include "TalFoundation/platform/Measurement.h"

namespace tal::platform {

std::optional<Measurement> Measurement::convertedTo(const Unit& other) const noexcept {
  if (&other == unit_) return *this;  // no round trip through the base unit, so no rounding
  if (other.dimension() != unit_->dimension()) return std::nullopt;
  return Measurement(other.fromBaseValue(unit_->toBaseValue(value_)), other);
}

}  // namespace tal::platform
