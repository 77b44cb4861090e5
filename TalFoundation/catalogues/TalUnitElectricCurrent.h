// TalUnitElectricCurrent: the electric current catalogue — megaampere down to
// nanoampere around the ampere; all but the nanoampere are platform units.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The electric current units, ampere-based, from the megaampere down to the nanoampere.
class TAL_EXPORT TalUnitElectricCurrent {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::electricCurrent; }
  /// The six electric current units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
