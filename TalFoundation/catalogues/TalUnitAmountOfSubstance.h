// TalUnitAmountOfSubstance: the amount of substance catalogue — mole (base),
// its metric multiples and the pound-mole.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The amount of substance units, mole-based: the mole's metric multiples and the pound-mole.
class TAL_EXPORT TalUnitAmountOfSubstance {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::amountOfSubstance; }
  /// The five amount of substance units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
