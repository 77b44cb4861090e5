// TalUnitEffectiveDose: the effective dose catalogue — the same five units
// as the equivalent dose, under their own category.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The effective dose units: the equivalent dose's five sievert and rem units, under their own category.
class TAL_EXPORT TalUnitEffectiveDose {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::effectiveDose; }
  /// The five effective dose units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
