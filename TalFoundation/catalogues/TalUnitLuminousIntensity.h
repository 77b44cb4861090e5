// TalUnitLuminousIntensity: the luminous intensity catalogue — candela and its
// multiples and four historical standards of light.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The luminous intensity units, candela-based, with its multiples and four historical standards of light.
class TAL_EXPORT TalUnitLuminousIntensity {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::luminousIntensity; }
  /// The seven luminous intensity units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
