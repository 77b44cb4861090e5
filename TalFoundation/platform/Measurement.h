// Measurement: a double in one platform unit, and its conversion to another
// unit of the same dimension class. The angle road falls back on it for angle
// units it does not know. Neighbours: Unit.h (the units themselves).
#pragma once

#include <optional>

#include "TalFoundation/Export.h"
#include "TalFoundation/platform/Unit.h"

namespace tal::platform {

/// A value in a unit. Holds the unit by reference: the unit must outlive the
/// measurement (the class-level units live for the whole process).
class TAL_EXPORT Measurement {
 public:
  constexpr Measurement(double value, const Unit& unit) noexcept : value_(value), unit_(&unit) {}

  [[nodiscard]] constexpr double value() const noexcept { return value_; }
  [[nodiscard]] constexpr const Unit& unit() const noexcept { return *unit_; }

  /// The same quantity in `other`, through the class's base unit; absent when
  /// `other` belongs to another dimension class. Converting to the own unit
  /// returns the value unchanged.
  [[nodiscard]] std::optional<Measurement> convertedTo(const Unit& other) const noexcept;

 private:
  double value_;
  const Unit* unit_;
};

}  // namespace tal::platform
