// TalUnitLuminance: the luminance catalogue — candela per square metre,
// nit, candela per square foot and inch, foot-lambert.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The luminance units, based on the candela per square metre: nit, candela per square foot and inch, foot-lambert.
class TAL_EXPORT TalUnitLuminance {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::luminance; }
  /// The five luminance units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
