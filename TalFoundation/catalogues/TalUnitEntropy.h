// TalUnitEntropy: the entropy catalogue — joule per kelvin (base),
// thermochemical calories and BTU per degree.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The entropy units, based on the joule per kelvin, with calories and BTUs per degree.
class TAL_EXPORT TalUnitEntropy {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::entropy; }
  /// The 5 entropy units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
