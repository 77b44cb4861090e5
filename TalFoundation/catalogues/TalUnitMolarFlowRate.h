// TalUnitMolarFlowRate: the molar flow rate catalogue — mole per second
// (base), the kilomole rates and the pound-mole per hour.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The molar flow rate units, based on the mole per second, with kilomole rates and the pound-mole per hour.
class TAL_EXPORT TalUnitMolarFlowRate {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::molarFlowRate; }
  /// The five molar flow rate units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
