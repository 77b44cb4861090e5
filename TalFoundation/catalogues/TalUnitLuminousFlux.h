// TalUnitLuminousFlux: the luminous flux catalogue — lumen and its
// multiples, candela steradian, mean spherical candlepower.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The luminous flux units, lumen-based, with the candela steradian and mean spherical candlepower.
class TAL_EXPORT TalUnitLuminousFlux {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::luminousFlux; }
  /// The six luminous flux units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
