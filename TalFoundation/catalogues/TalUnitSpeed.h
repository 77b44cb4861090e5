// TalUnitSpeed: the speed catalogue — metre per second (base), kilometre and mile
// per hour, knot.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The speed units: metre per second (the base), kilometre and mile per hour, and knot.
class TAL_EXPORT TalUnitSpeed {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::speed; }
  /// The 4 speed units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
