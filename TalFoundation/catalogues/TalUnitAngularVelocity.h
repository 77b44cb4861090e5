// TalUnitAngularVelocity: the angular velocity catalogue — radian per second
// (base), degree rates and the revolution rates frequency also lists.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

class TAL_EXPORT TalUnitAngularVelocity {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::angularVelocity; }
  /// The eight angular velocity units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
