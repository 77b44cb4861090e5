// TalUnitDataStorage: the data storage catalogue — bit (base) and byte, their
// decimal (kilo–yotta) and binary (kibi–yobi) multiples.
#pragma once

#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// The data storage units, bit-based: bit and byte, their decimal (kilo–yotta) and binary (kibi–yobi) multiples.
class TAL_EXPORT TalUnitDataStorage {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::dataStorage; }
  /// The 34 data storage units in display order.
  [[nodiscard]] static std::vector<TalUnit> allUnits();
};

}  // namespace tal
