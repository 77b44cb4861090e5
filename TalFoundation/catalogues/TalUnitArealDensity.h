// TalUnitArealDensity: the areal density catalogue — kilogram per square metre
// (base), metric variants and the pound and ounce per square foot and inch.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The areal density units, based on the kilogram per square metre, with pound and ounce per square foot and inch.
class TAL_EXPORT TalUnitArealDensity {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::arealDensity; }
  /// The nine areal density units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
