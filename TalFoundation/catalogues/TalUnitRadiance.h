// TalUnitRadiance: the radiance catalogue — watt per square metre or
// square centimetre and steradian.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The radiance units: watt per square metre (the base) or square centimetre, per steradian.
class TAL_EXPORT TalUnitRadiance {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::radiance; }
  /// The two radiance units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
