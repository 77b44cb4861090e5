// TalUnitAngle: the angle catalogue — degree (base), arc minute, arc second,
// radian, gradian and revolution, all backed by platform angle units.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The angle units, degree-based: arc minute, arc second, radian, gradian and revolution.
class TAL_EXPORT TalUnitAngle {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::angle; }
  /// The six angle units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
