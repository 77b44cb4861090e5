// TalUnitVolume: the volume catalogue — metric units around the
// litre (the base), cubic units, and the imperial and US kitchen and liquid
// measures built on their gallons.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The volume units, litre-based: metric and cubic units and the imperial and US kitchen and liquid measures.
class TAL_EXPORT TalUnitVolume {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::volume; }
  /// The 33 volume units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();

  /// The cubic metre (1000 litres), the same record as position 8 of allUnits().
  [[nodiscard]] static const TalUnit& cubicMeters();
};

}  // namespace tal
