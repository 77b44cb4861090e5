// TalUnitElectricFieldStrength: the electric field strength catalogue — volt per
// metre and its multiples, and newton per coulomb.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The electric field strength units, based on the volt per metre, with its multiples and the newton per coulomb.
class TAL_EXPORT TalUnitElectricFieldStrength {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::electricFieldStrength; }
  /// The five electric field strength units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
