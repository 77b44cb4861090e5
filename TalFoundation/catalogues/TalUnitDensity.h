// TalUnitDensity: the density catalogue — metric units around the
// kilogram per cubic metre and the pound and ounce per cubic foot, cubic inch
// and gallon.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The density units, based on the kilogram per cubic metre, with pound and ounce per cubic foot, inch and gallon.
class TAL_EXPORT TalUnitDensity {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::density; }
  /// The 11 density units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
