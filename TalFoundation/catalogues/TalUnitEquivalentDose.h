// TalUnitEquivalentDose: the equivalent dose catalogue — sievert and its
// fractions, rem and millirem.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The equivalent dose units, sievert-based: the sievert and its fractions, rem and millirem.
class TAL_EXPORT TalUnitEquivalentDose {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::equivalentDose; }
  /// The five equivalent dose units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
