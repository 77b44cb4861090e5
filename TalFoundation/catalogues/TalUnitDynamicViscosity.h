// TalUnitDynamicViscosity: the dynamic viscosity catalogue — pascal second
// (base), the poise family and the gravitational units.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The dynamic viscosity units, based on the pascal second, with the poise family and gravitational units.
class TAL_EXPORT TalUnitDynamicViscosity {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::dynamicViscosity; }
  /// The six dynamic viscosity units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
