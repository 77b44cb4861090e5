// TalUnitMagnetization: the magnetization catalogue — ampere per metre and
// its CGS counterparts.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The magnetization units, based on the ampere per metre, with its CGS counterparts.
class TAL_EXPORT TalUnitMagnetization {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::magnetization; }
  /// The four magnetization units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
