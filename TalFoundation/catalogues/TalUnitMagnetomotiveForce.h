// TalUnitMagnetomotiveForce: the magnetomotive force catalogue — ampere,
// ampere-turn, gilbert.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The magnetomotive force units: ampere (the base), ampere-turn and gilbert.
class TAL_EXPORT TalUnitMagnetomotiveForce {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::magnetomotiveForce; }
  /// The three magnetomotive force units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
