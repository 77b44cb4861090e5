// TalUnitTemperature: the eight temperature scales and their conversion, one
// formula per ordered pair of scales (they are not proportional to each other).
#pragma once

#include <optional>
#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/platform/Decimal.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The eight temperature scales, kelvin-based, converted by one formula per pair rather than by factors.
class TAL_EXPORT TalUnitTemperature {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::temperature; }
  /// Kelvin, Celsius, Fahrenheit, Rankine, Réaumur, Rømer, Newton, Delisle.
  [[nodiscard]] static std::vector<TalUnit> allUnits();

  [[nodiscard]] static const TalUnit& kelvin();
  [[nodiscard]] static const TalUnit& celsius();
  [[nodiscard]] static const TalUnit& fahrenheit();

  /// `value` in `fromUnit` expressed in `toUnit`, by the pair's own formula.
  /// Absent when either unit is not a temperature unit or is not one of the
  /// eight scales.
  [[nodiscard]] static std::optional<Decimal> convert(const Decimal& value, const TalUnit& fromUnit,
                                                      const TalUnit& toUnit);
};

}  // namespace tal
