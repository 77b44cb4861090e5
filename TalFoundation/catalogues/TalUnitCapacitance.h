// TalUnitCapacitance: the capacitance catalogue — farad down to picofarad.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The capacitance units, farad-based, from the farad down to the picofarad.
class TAL_EXPORT TalUnitCapacitance {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::capacitance; }
  /// The five capacitance units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
