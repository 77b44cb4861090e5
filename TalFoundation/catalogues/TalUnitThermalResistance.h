// TalUnitThermalResistance: the thermal resistance catalogue — kelvin per watt
// (base), degree Celsius per watt and the Fahrenheit hour per BTU.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The thermal resistance units, based on the kelvin per watt, with °C per watt and °F hour per BTU.
class TAL_EXPORT TalUnitThermalResistance {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::thermalResistance; }
  /// The 4 thermal resistance units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
