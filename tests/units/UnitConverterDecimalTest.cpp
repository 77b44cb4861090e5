#include "TalFoundation/units/UnitConverterDecimal.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tal {
namespace {

TEST(UnitConverterDecimal, ScalesThroughDecimals) {
  const UnitConverterDecimal foot(0.3048_dec);
  EXPECT_EQ(foot.baseUnitValueFromValue(10), 3.048);
  EXPECT_EQ(foot.valueFromBaseUnitValue(3.048), 10.0);
  // 0.1 is read as the decimal 0.1, so the product is exactly 0.3 in decimal.
  EXPECT_EQ(UnitConverterDecimal(3).baseUnitValueFromValue(0.1), 0.3);
}

TEST(UnitConverterDecimal, ZeroCoefficientGivesZeroBothWays) {
  const UnitConverterDecimal zero(0);
  for (const double v : {0.0, 1.0, -5.5, 1e300}) {
    EXPECT_EQ(zero.valueFromBaseUnitValue(v), 0.0);
    EXPECT_EQ(zero.baseUnitValueFromValue(v), 0.0);
  }
}

TEST(UnitConverterDecimal, NonFiniteInputGivesNaN) {
  EXPECT_TRUE(std::isnan(UnitConverterDecimal(2).baseUnitValueFromValue(INFINITY)));
  EXPECT_TRUE(std::isnan(UnitConverterDecimal(2).valueFromBaseUnitValue(NAN)));
}

}  // namespace
}  // namespace tal

namespace tal {
namespace {

// 1e200 × 1e200 and 1e-200 × 1e-200 are fine decimals but no double holds
// them; neither becomes ±inf or a silent 0.
TEST(UnitConverterDecimal, ResultsADoubleCannotCarryAreNaN) {
  const UnitConverterDecimal huge(Decimal::fromString("1e200").value());
  const UnitConverterDecimal tiny(Decimal::fromString("1e-200").value());
  EXPECT_TRUE(std::isnan(huge.baseUnitValueFromValue(1e200)));
  EXPECT_TRUE(std::isnan(huge.baseUnitValueFromValue(-1e200)));
  EXPECT_TRUE(std::isnan(tiny.baseUnitValueFromValue(1e-200)));
  EXPECT_TRUE(std::isnan(tiny.valueFromBaseUnitValue(1e200)));
  EXPECT_TRUE(std::isnan(huge.valueFromBaseUnitValue(-1e-200)));
  // At the edges, still carried.
  EXPECT_EQ(huge.baseUnitValueFromValue(1e100), 1e300);
  EXPECT_EQ(huge.baseUnitValueFromValue(0.0), 0.0);
  EXPECT_EQ(tiny.baseUnitValueFromValue(1e-100), 1e-300);
}

}  // namespace
}  // namespace tal
