// TalUnitLinearDensity: the linear density catalogue — kilogram per metre
// (base), the yarn counts tex, decitex and denier, and the pound per foot.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The linear density units, based on the kilogram per metre, with tex, decitex, denier and pound per foot.
class TAL_EXPORT TalUnitLinearDensity {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::linearDensity; }
  /// The six linear density units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
