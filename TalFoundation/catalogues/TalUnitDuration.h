// TalUnitDuration: the duration catalogue — attosecond to Gregorian year around the
// second, the sub-second and clock units backed by platform units.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The duration units, second-based, from the attosecond to the Gregorian year.
class TAL_EXPORT TalUnitDuration {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::duration; }
  /// The 13 duration units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
