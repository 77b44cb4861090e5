// TalUnitElectricPotentialDifference: the voltage catalogue — megavolt down to
// microvolt around the volt, all platform units.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The voltage units, volt-based, from the megavolt down to the microvolt.
class TAL_EXPORT TalUnitElectricPotentialDifference {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::electricPotentialDifference; }
  /// The five voltage units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
