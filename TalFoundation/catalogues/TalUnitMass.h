// TalUnitMass: the mass catalogue — metric units around the
// kilogram, avoirdupois, troy and imperial units, the dalton, and the Chinese
// mainland, Hong Kong and Taiwan traditional units.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The mass units, kilogram-based: metric, avoirdupois, troy, imperial, dalton and Chinese traditional units.
class TAL_EXPORT TalUnitMass {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::mass; }
  /// The 36 mass units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
