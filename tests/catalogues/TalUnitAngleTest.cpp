#include "TalFoundation/catalogues/TalUnitAngle.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "TalFoundation/platform/Unit.h"
#include "TalFoundation/units/ITalUnitCategoryData.h"

namespace tal {
namespace {

static_assert(ITalUnitCategoryData<TalUnitAngle>);

TEST(TalUnitAngle, ListsSixUnitsInDisplayOrder) {
  const auto units = TalUnitAngle::allUnits();
  ASSERT_EQ(units.size(), 6u);
  const std::vector<std::string> names = {"Degree", "Arc Minute", "Arc Second", "Radian", "Gradian", "Revolution"};
  const std::vector<std::string> ids = {"angle_°", "angle_ʹ", "angle_ʹʹ", "angle_rad", "angle_gon", "angle_rev"};
  const std::vector<const platform::Unit*> platformUnits = {
      &platform::UnitAngle::degrees(), &platform::UnitAngle::arcMinutes(), &platform::UnitAngle::arcSeconds(),
      &platform::UnitAngle::radians(), &platform::UnitAngle::gradians(),   &platform::UnitAngle::revolutions()};
  for (std::size_t i = 0; i < units.size(); ++i) {
    EXPECT_EQ(units[i].name(), names[i]);
    EXPECT_EQ(units[i].id(), ids[i]);
    EXPECT_EQ(units[i].dimension(), platformUnits[i]);
    EXPECT_EQ(units[i].isBaseUnit(), i == 0) << names[i];
    EXPECT_FALSE(units[i].baseNumerator().has_value());
    EXPECT_EQ(units[i].localizationKey().has_value(), i == 4);
  }
  EXPECT_EQ(units[4].localizationKey(), "unit_angle_grad");
  // 180 ÷ π to 38 digits, worked out with Python's decimal.
  EXPECT_EQ(units[3].coefficient(), Decimal::fromString("57.295779513082320876798154814105170332"));
  EXPECT_EQ(units[2].coefficient(), Decimal::fromString("0.00027777777777777777777777777777777777778"));
}

TEST(TalUnitAngle, ListsAreIndependentCopies) {
  auto first = TalUnitAngle::allUnits();
  first.clear();
  EXPECT_EQ(TalUnitAngle::allUnits().size(), 6u);
  EXPECT_EQ(TalUnitCategory::angle.getUnits(), TalUnitAngle::allUnits());
}

TEST(TalUnitAngle, ConcurrentFirstUseSeesOneTable) {
  std::vector<std::thread> threads;
  std::vector<const platform::Unit*> seen(8);
  std::vector<std::string> names(8);
  for (std::size_t i = 0; i < seen.size(); ++i) {
    threads.emplace_back([&, i] {
      const auto units = TalUnitCategory::angle.getUnits();
      seen[i] = units.at(3).dimension();
      names[i] = units.at(3).name();
    });
  }
  for (auto& t : threads) t.join();
  for (std::size_t i = 0; i < seen.size(); ++i) {
    EXPECT_EQ(seen[i], &platform::UnitAngle::radians());
    EXPECT_EQ(names[i], "Radian");
  }
}

}  // namespace
}  // namespace tal
