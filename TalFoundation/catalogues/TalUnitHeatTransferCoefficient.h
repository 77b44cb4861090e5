// TalUnitHeatTransferCoefficient: the heat transfer coefficient catalogue — watt per
// square meter-kelvin (base), the IT kilocalorie and the BTUs per area, hour and degree.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The heat transfer coefficient units, based on the watt per square metre-kelvin, with kilocalorie and BTU rates.
class TAL_EXPORT TalUnitHeatTransferCoefficient {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::heatTransferCoefficient; }
  /// The 4 heat transfer coefficient units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
