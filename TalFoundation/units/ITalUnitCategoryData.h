// ITalUnitCategoryData: what every catalogue class offers — its category and
// the class-level list of its units in display order.
#pragma once

#include <concepts>
#include <vector>

#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

template <class T>
concept ITalUnitCategoryData = requires(const T& catalogue) {
  { catalogue.category() } -> std::same_as<TalUnitCategory>;
  { T::allUnits() } -> std::same_as<std::vector<TalUnit>>;
};

}  // namespace tal
