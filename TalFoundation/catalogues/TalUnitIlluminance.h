// TalUnitIlluminance: the illuminance catalogue — lux (a platform unit),
// foot-candle, phot.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The illuminance units, lux-based, with the foot-candle and the phot.
class TAL_EXPORT TalUnitIlluminance {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::illuminance; }
  /// The three illuminance units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
