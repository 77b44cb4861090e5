// TalUnitPressure: the pressure catalogue — newton per square metre (base),
// pascal multiples, bar, columns of mercury and water, psi, atmosphere, torr.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The pressure units, based on the newton per square metre: pascals, bar, mercury and water columns, psi, atm, torr.
class TAL_EXPORT TalUnitPressure {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::pressure; }
  /// The 15 pressure units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
