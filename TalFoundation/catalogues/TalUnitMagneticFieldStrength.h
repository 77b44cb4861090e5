// TalUnitMagneticFieldStrength: the magnetic field strength catalogue — ampere per
// metre, kiloampere per metre, oersted, ampere-turn per metre.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The magnetic field strength units, based on the ampere per metre, with oersted and ampere-turn per metre.
class TAL_EXPORT TalUnitMagneticFieldStrength {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::magneticFieldStrength; }
  /// The four magnetic field strength units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
