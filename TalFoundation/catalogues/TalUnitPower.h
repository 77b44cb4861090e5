// TalUnitPower: the power catalogue — terawatt to femtowatt around the watt, and
// four horsepowers.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The power units, watt-based, from the terawatt to the femtowatt, and four horsepowers.
class TAL_EXPORT TalUnitPower {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::power; }
  /// The 14 power units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
