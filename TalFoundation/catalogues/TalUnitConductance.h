// TalUnitConductance: the conductance catalogue — siemens, its milli and
// micro multiples, and the mho.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The conductance units, siemens-based: its milli and micro multiples and the mho.
class TAL_EXPORT TalUnitConductance {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::conductance; }
  /// The four conductance units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
