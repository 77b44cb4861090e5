// TalUnitExposure: the radiation exposure catalogue — coulomb per
// kilogram and its fractions, roentgen and milliroentgen.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

class TAL_EXPORT TalUnitExposure {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::exposure; }
  /// The five exposure units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
