// TalUnitMolarConcentration: the molar concentration catalogue — mole per
// litre (base) and the per-litre and per-cubic-metre units around it.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The molar concentration units, based on the mole per litre, with per-litre and per-cubic-metre units.
class TAL_EXPORT TalUnitMolarConcentration {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::molarConcentration; }
  /// The five molar concentration units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
