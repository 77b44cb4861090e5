// The sievert family of dose units. The equivalent-dose and effective-dose
// catalogues list the same rows with the same shared keys, each under its
// own category.
#pragma once

#include <vector>

#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal::catalogue {

/// Sievert (base), millisievert, microsievert, rem and millirem in `category`.
[[nodiscard]] std::vector<TalUnit> makeSievertUnits(TalUnitCategory category);

}  // namespace tal::catalogue
