// TalUnitRadioactivity: the radioactivity catalogue — becquerel and its
// multiples, the curies, the rutherford.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The radioactivity units, becquerel-based, with its multiples, the curies and the rutherford.
class TAL_EXPORT TalUnitRadioactivity {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::radioactivity; }
  /// The seven radioactivity units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
