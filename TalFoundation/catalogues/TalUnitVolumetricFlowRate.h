// TalUnitVolumetricFlowRate: the volumetric flow rate catalogue — cubic
// metre per second (base), litre, gallon and oil barrel rates.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The volumetric flow rate units, based on the cubic metre per second, with litre, gallon and barrel rates.
class TAL_EXPORT TalUnitVolumetricFlowRate {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::volumetricFlowRate; }
  /// The 14 volumetric flow rate units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
