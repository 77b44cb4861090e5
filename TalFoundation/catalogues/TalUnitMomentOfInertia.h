// TalUnitMomentOfInertia: the moment of inertia catalogue — kilogram square
// metre (base), the CGS, gravitational and pound and ounce units.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The moment of inertia units, based on the kilogram square metre, with CGS, gravitational and pound units.
class TAL_EXPORT TalUnitMomentOfInertia {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::momentOfInertia; }
  /// The six moment of inertia units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
