// docs/snippets/list_category.cpp
#include <iostream>

#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

int main() {
  using namespace tal;

  std::cout << TalUnitCategory::allCases().size() << " categories, from "
            << TalUnitCategory::allCases().front().displayName() << " to "
            << TalUnitCategory::allCases().back().displayName() << '\n';

  // Raw values are the stable keys to store; display names are English.
  const TalUnitCategory angle = *TalUnitCategory::fromRawValue("angle");
  std::cout << angle.displayName() << " has " << angle.getUnits().size() << " units:\n";
  for (const TalUnit& unit : angle.getUnits()) {
    // The coefficient takes a value in this unit to the category's base unit.
    std::cout << "  " << unit.id() << "  " << unit.name() << "  ×" << unit.coefficient()
              << (unit.isBaseUnit() ? "  (base)" : "") << '\n';
  }
}
