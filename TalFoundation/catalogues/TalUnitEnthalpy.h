// TalUnitEnthalpy: the specific enthalpy catalogue — joule per kilogram
// (base), thermochemical calories and BTU per mass.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The specific enthalpy units, based on the joule per kilogram, with calories and BTUs per mass.
class TAL_EXPORT TalUnitEnthalpy {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::enthalpy; }
  /// The 5 enthalpy units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
