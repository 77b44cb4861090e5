// TalUnitDynamicViscosity: the dynamic viscosity catalogue — pascal second
// (base), the poise family and the gravitational units.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

class TAL_EXPORT TalUnitDynamicViscosity {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::dynamicViscosity; }
  /// The six dynamic viscosity units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
