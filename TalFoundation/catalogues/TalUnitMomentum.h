// TalUnitMomentum: the momentum catalogue — kilogram metre per second (base),
// the newton second it shares with impulse, and the CGS and pound-foot units.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The momentum units, based on the kilogram metre per second, with the newton second, CGS and pound-foot units.
class TAL_EXPORT TalUnitMomentum {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::momentum; }
  /// The four momentum units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
