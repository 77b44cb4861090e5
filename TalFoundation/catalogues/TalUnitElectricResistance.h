// TalUnitElectricResistance: the resistance catalogue — megaohm down to
// microohm around the ohm, all platform units.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The resistance units, ohm-based, from the megaohm down to the microohm.
class TAL_EXPORT TalUnitElectricResistance {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::electricResistance; }
  /// The five resistance units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
