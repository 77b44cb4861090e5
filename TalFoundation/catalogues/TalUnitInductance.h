// TalUnitInductance: the inductance catalogue — kilohenry down to nanohenry.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The inductance units, henry-based, from the kilohenry down to the nanohenry.
class TAL_EXPORT TalUnitInductance {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::inductance; }
  /// The five inductance units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
