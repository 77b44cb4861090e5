// TalUnitMagneticFluxDensity: the magnetic flux density catalogue — tesla and its
// multiples, gauss and gamma.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The magnetic flux density units, tesla-based, with its multiples, gauss and gamma.
class TAL_EXPORT TalUnitMagneticFluxDensity {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::magneticFluxDensity; }
  /// The five magnetic flux density units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
