// TalUnitAbsorbedDose: the absorbed dose catalogue — gray and its
// fractions, rad and kilorad.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The absorbed dose units, gray-based: the gray and its fractions, rad and kilorad.
class TAL_EXPORT TalUnitAbsorbedDose {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::absorbedDose; }
  /// The five absorbed dose units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
