// TalUnitAngularVelocity: the angular velocity catalogue — radian per second
// (base), degree rates and the revolution rates frequency also lists.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The angular velocity units, based on the radian per second, with degree and revolution rates.
class TAL_EXPORT TalUnitAngularVelocity {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::angularVelocity; }
  /// The eight angular velocity units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
