// TalUnitMagneticFlux: the magnetic flux catalogue — weber, milliweber, maxwell.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The magnetic flux units: weber (the base), milliweber and maxwell.
class TAL_EXPORT TalUnitMagneticFlux {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::magneticFlux; }
  /// The three magnetic flux units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
