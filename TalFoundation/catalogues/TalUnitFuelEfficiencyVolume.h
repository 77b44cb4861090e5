// TalUnitFuelEfficiencyVolume: fuel efficiency by volume — litres per 100 km
// (base), the distance-per-volume units (inverse) and gallons per 100 miles.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The fuel efficiency units, based on litres per 100 km; distance-per-volume units convert inversely.
class TAL_EXPORT TalUnitFuelEfficiencyVolume {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::fuelEfficiencyVolume; }
  /// The 6 fuel efficiency units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
