// TalUnitImpulse: the impulse catalogue — newton second (base), the kilogram
// metre per second it shares with momentum, dyne and pound-force seconds.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The impulse units, based on the newton second, with the kilogram metre per second, dyne and pound-force seconds.
class TAL_EXPORT TalUnitImpulse {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::impulse; }
  /// The four impulse units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
