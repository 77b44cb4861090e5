// TalUnitMagneticPermeability: the magnetic permeability catalogue — henry per
// metre under its equivalent names, the vacuum permeability and the CGS unit.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The magnetic permeability units, based on the henry per metre, with the vacuum permeability and CGS unit.
class TAL_EXPORT TalUnitMagneticPermeability {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::magneticPermeability; }
  /// The six magnetic permeability units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
