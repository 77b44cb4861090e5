// TalUnitLength: the length catalogue — metric units around the
// metre, international and nautical units, astronomical distances, and the
// Chinese mainland and Taiwan traditional units.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The length units, metre-based: metric, international, nautical, astronomical and Chinese traditional units.
class TAL_EXPORT TalUnitLength {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::length; }
  /// The 36 length units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();

  /// The Chinese mainland li of 500 m, the same record as position 25 of allUnits().
  [[nodiscard]] static const TalUnit& CHN_li();
};

}  // namespace tal
