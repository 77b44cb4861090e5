// TalUnitIrradiance: the irradiance catalogue — watt per square metre and
// its per-square-centimetre and CGS counterparts.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The irradiance units, based on the watt per square metre, with per-square-centimetre and CGS units.
class TAL_EXPORT TalUnitIrradiance {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::irradiance; }
  /// The five irradiance units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
