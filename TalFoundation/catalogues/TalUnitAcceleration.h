// TalUnitAcceleration: the acceleration catalogue — standard gravity, metre per
// second squared (base), gal and the customary rates of change of speed.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The acceleration units, based on the metre per second squared: standard gravity, gal and customary rates.
class TAL_EXPORT TalUnitAcceleration {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::acceleration; }
  /// The 7 acceleration units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
