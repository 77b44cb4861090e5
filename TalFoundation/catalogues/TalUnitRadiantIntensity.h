// TalUnitRadiantIntensity: the radiant intensity catalogue — watt and milliwatt
// per steradian.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The radiant intensity units: watt (the base) and milliwatt per steradian.
class TAL_EXPORT TalUnitRadiantIntensity {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::radiantIntensity; }
  /// The two radiant intensity units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
