// TalUnitElectricCharge: the electric charge catalogue — the coulomb and
// the ampere hours from mega to micro, all platform units.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The electric charge units, coulomb-based, with the ampere hours from mega to micro.
class TAL_EXPORT TalUnitElectricCharge {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::electricCharge; }
  /// The six electric charge units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
