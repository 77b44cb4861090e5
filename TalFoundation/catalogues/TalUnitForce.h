// TalUnitForce: the force catalogue — newton (base), dyne and the gravitational
// units (kilogram-, gram-, pound-, ounce- and ton-force).
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The force units, newton-based: dyne and the kilogram-, gram-, pound-, ounce- and ton-force.
class TAL_EXPORT TalUnitForce {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::force; }
  /// The 10 force units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
