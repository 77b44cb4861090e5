// TalUnitMagneticMoment: the magnetic moment catalogue — ampere square metre,
// joule per tesla, the electromagnetic unit and the two magnetons.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The magnetic moment units, based on the ampere square metre, with the electromagnetic unit and two magnetons.
class TAL_EXPORT TalUnitMagneticMoment {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::magneticMoment; }
  /// The five magnetic moment units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
