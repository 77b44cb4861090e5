// TalUnitMassFlowRate: the mass flow rate catalogue — kilogram per second
// (base) and the kilogram, tonne and pound per time units.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The mass flow rate units, based on the kilogram per second, with kilogram, tonne and pound rates.
class TAL_EXPORT TalUnitMassFlowRate {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::massFlowRate; }
  /// The seven mass flow rate units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
