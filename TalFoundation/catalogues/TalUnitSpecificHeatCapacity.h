// TalUnitSpecificHeatCapacity: the specific heat capacity catalogue — joule per
// kilogram-kelvin (base) and the calorie and BTU families per mass and degree.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The specific heat capacity units, based on the joule per kilogram-kelvin, with calorie and BTU families.
class TAL_EXPORT TalUnitSpecificHeatCapacity {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::specificHeatCapacity; }
  /// The 52 specific heat capacity units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
