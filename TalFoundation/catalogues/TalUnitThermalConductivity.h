// TalUnitThermalConductivity: the thermal conductivity catalogue — watt per
// meter-kelvin (base), the IT kilocalorie and the IT BTU per length, hour and degree.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The thermal conductivity units, based on the watt per metre-kelvin, with kilocalorie and BTU rates.
class TAL_EXPORT TalUnitThermalConductivity {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::thermalConductivity; }
  /// The 5 thermal conductivity units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
