// TalUnitArea: the area catalogue — metric squares around the
// square metre, hectare and are, international squares and the acre, and the
// Chinese mainland and Taiwan land units.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The area units, based on the square metre: metric and international squares, hectare, acre, Chinese land units.
class TAL_EXPORT TalUnitArea {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::area; }
  /// The 26 area units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
