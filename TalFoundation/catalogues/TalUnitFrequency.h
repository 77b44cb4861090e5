// TalUnitFrequency: the frequency catalogue — terahertz to nanohertz, inverse
// second and revolutions per time. No base unit: the hertz is the UI base.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The frequency units, terahertz to nanohertz, inverse second and revolution rates; no base, the hertz leads the UI.
class TAL_EXPORT TalUnitFrequency {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::frequency; }
  /// The 13 frequency units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
