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
