// TalUnitRadiantFlux: the radiant flux catalogue — watt, milliwatt, kilowatt.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The radiant flux units: watt (the base), milliwatt and kilowatt.
class TAL_EXPORT TalUnitRadiantFlux {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::radiantFlux; }
  /// The three radiant flux units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
