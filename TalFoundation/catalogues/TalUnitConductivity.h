// TalUnitConductivity: the electrical conductivity catalogue — siemens per
// metre and its multiples, mho and siemens per centimetre.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The electrical conductivity units, based on the siemens per metre, with the mho and siemens per centimetre.
class TAL_EXPORT TalUnitConductivity {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::conductivity; }
  /// The five conductivity units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
