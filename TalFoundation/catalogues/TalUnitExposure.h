// TalUnitExposure: the radiation exposure catalogue — coulomb per
// kilogram and its fractions, roentgen and milliroentgen.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The radiation exposure units, based on the coulomb per kilogram, with roentgen and milliroentgen.
class TAL_EXPORT TalUnitExposure {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::exposure; }
  /// The five exposure units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
