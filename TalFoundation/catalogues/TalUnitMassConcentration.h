// TalUnitMassConcentration: the mass concentration catalogue — mass per
// volume around the gram per litre, from the clinical mg/dL to pounds per
// gallon.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The mass concentration units, based on the gram per litre, from the clinical mg/dL to pounds per gallon.
class TAL_EXPORT TalUnitMassConcentration {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::massConcentration; }
  /// The 17 mass concentration units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
