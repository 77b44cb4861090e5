// TalUnitMomentOfInertia: the moment of inertia catalogue — kilogram square
// metre (base), the CGS, gravitational and pound and ounce units.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

class TAL_EXPORT TalUnitMomentOfInertia {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::momentOfInertia; }
  /// The six moment of inertia units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
