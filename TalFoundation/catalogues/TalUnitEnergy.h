// TalUnitEnergy: the energy catalogue — electronvolt to tonne of TNT around the
// joule, with four families of calorie, BTU and MMBTU.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The energy units, joule-based, from the electronvolt to the tonne of TNT, with calorie, BTU and MMBTU families.
class TAL_EXPORT TalUnitEnergy {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::energy; }
  /// The 25 energy units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
