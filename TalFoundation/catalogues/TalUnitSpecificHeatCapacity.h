// TalUnitSpecificHeatCapacity: the specific heat capacity catalogue — joule per
// kilogram-kelvin (base) and the calorie and BTU families per mass and degree.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

class TAL_EXPORT TalUnitSpecificHeatCapacity {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::specificHeatCapacity; }
  /// The 52 specific heat capacity units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
