// TalUnitKinematicViscosity: the kinematic viscosity catalogue — square metre
// per second (base), the stokes family and the square foot per second.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The kinematic viscosity units, based on the square metre per second, with the stokes family.
class TAL_EXPORT TalUnitKinematicViscosity {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::kinematicViscosity; }
  /// The five kinematic viscosity units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
