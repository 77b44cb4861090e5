// TalUnitAngularMomentum: the angular momentum catalogue — kilogram square
// metre per second (base), the joule second and the CGS and pound-foot units.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The angular momentum units, based on the kilogram square metre per second, with CGS and pound-foot units.
class TAL_EXPORT TalUnitAngularMomentum {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::angularMomentum; }
  /// The five angular momentum units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
