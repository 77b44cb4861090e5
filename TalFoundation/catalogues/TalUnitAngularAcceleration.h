// TalUnitAngularAcceleration: the angular acceleration catalogue — radian per
// second squared (base) and the degree and revolution counterparts.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The angular acceleration units, based on the radian per second squared, with degree and revolution rates.
class TAL_EXPORT TalUnitAngularAcceleration {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::angularAcceleration; }
  /// The four angular acceleration units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
