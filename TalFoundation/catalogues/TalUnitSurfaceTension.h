// TalUnitSurfaceTension: the surface tension catalogue — newton per metre
// (base) and the force-per-length and energy-per-area units around it.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The surface tension units, based on the newton per metre, with force-per-length and energy-per-area units.
class TAL_EXPORT TalUnitSurfaceTension {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::surfaceTension; }
  /// The six surface tension units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
