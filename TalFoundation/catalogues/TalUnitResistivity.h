// TalUnitResistivity: the electrical resistivity catalogue — ohm metre,
// ohm centimetre, ohm square millimetre per metre, microhm centimetre.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The electrical resistivity units, ohm-metre-based: ohm centimetre, ohm mm² per metre, microhm centimetre.
class TAL_EXPORT TalUnitResistivity {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::resistivity; }
  /// The four resistivity units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
