// TalUnitHeatCapacity: the heat capacity catalogue — joule per kelvin
// (base), calories and BTUs per degree.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The heat capacity units, based on the joule per kelvin, with calories and BTUs per degree.
class TAL_EXPORT TalUnitHeatCapacity {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::heatCapacity; }
  /// The 8 heat capacity units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
