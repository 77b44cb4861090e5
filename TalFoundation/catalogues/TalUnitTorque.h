// TalUnitTorque: the torque catalogue — newton metre (base) and the
// gravitational force-times-length units.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The torque units, based on the newton metre, with the gravitational force-times-length units.
class TAL_EXPORT TalUnitTorque {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::torque; }
  /// The 11 torque units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
