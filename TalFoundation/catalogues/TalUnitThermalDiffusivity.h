// TalUnitThermalDiffusivity: the thermal diffusivity catalogue — square meter
// per second (base) and the metric and foot areas per time.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The thermal diffusivity units, based on the square metre per second, with metric and foot areas per time.
class TAL_EXPORT TalUnitThermalDiffusivity {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::thermalDiffusivity; }
  /// The 4 thermal diffusivity units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
