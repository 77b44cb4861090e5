#include "TalFoundation/numbertext/DecimalHelpers.h"

#include <gtest/gtest.h>

#include <limits>

namespace tal {
namespace {

Decimal dec(std::string_view text) { return Decimal::fromString(text).value(); }

TEST(DecimalHelpersText, ArithmeticOnTextsNeedsTwoNumbers) {
  EXPECT_EQ(add("1.5", "2"), dec("3.5"));
  EXPECT_FALSE(add("1.5", "abc").has_value());
  EXPECT_FALSE(add("abc", "1.5").has_value());
  EXPECT_EQ(subtract("1", "0.9"), dec("0.1"));
  EXPECT_EQ(multiply("1.5", "-2"), Decimal(-3));
  EXPECT_FALSE(divide("1", "0").has_value());
  EXPECT_FALSE(divide("1", "0.000").has_value());
  EXPECT_EQ(divide("0", "5"), Decimal(0));
  EXPECT_FALSE(divide(Decimal(7), Decimal(0)).has_value());
}

// A literal 0 converts to a text as readily as to a Decimal; whole numbers
// must still pick the numeric forms.
TEST(DecimalHelpersNumbers, WholeNumberLiteralsAreNumbersNotTexts) {
  EXPECT_EQ(add(0, 0), Decimal(0));
  EXPECT_EQ(add(0, 7U), Decimal(7));
  EXPECT_EQ(subtract(7, 10), Decimal(-3));
  EXPECT_EQ(multiply(0, std::int64_t{-6}), Decimal(0));
  EXPECT_EQ(multiply(6, 7), Decimal(42));
  EXPECT_EQ(divide(10, 4), Decimal::fromString("2.5"));
  EXPECT_EQ(divide(1, 0), std::nullopt);
  EXPECT_EQ(divide(0, 0), std::nullopt);
}

TEST(DecimalHelpersPower, MultipliesRepeatedly) {
  EXPECT_EQ(power(Decimal(10), -2), Decimal(0));
  EXPECT_EQ(power(Decimal(0), 0), Decimal(1));
  EXPECT_EQ(power(dec("1.5"), 3), dec("3.375"));
  // Each step rounds: (1/3)·(1/3) is rounded before the third factor.
  const Decimal third = Decimal(1) / Decimal(3);
  EXPECT_EQ(power(third, 3), third * third * third);
  EXPECT_EQ(power(dec("-1"), 1000001), Decimal(-1));
  EXPECT_TRUE(power(Decimal(10), 2000000).isNaN());
}

struct TerminationCase {
  const char* value;
  bool finite;
};
class DecimalHelpersTermination : public testing::TestWithParam<TerminationCase> {};
TEST_P(DecimalHelpersTermination, JudgesTheExpansion) {
  EXPECT_EQ(isFiniteDecimal(dec(GetParam().value)), GetParam().finite) << GetParam().value;
}
INSTANTIATE_TEST_SUITE_P(
    Expansions, DecimalHelpersTermination,
    testing::Values(TerminationCase{"0.33333333333333333333333333333333333333", false},
                    TerminationCase{"0.5", true}, TerminationCase{"0.125", true}, TerminationCase{"2", true},
                    TerminationCase{"-7", true},
                    // 20 fraction digits: terminating whatever the pattern.
                    TerminationCase{"0.11111111111111111111", true},
                    // 21 to 24 digits: only the one-digit rule applies.
                    TerminationCase{"0.111111111111111111111", false},
                    TerminationCase{"0.123456789012123456789012", true},
                    // 25 digits with a repeated 12-digit tail.
                    TerminationCase{"0.1123456789012123456789012", false},
                    TerminationCase{"0.1428571428571428571428571428571428571", false}));

TEST(DecimalHelpersTermination, NaNHasNoExpansion) { EXPECT_FALSE(isFiniteDecimal(Decimal::nan())); }

TEST(DecimalHelpersScientific, ChoosesByThresholdsAndVanishing) {
  EXPECT_TRUE(shouldUseScientificNotation(dec("0.0004"), 3));
  EXPECT_FALSE(shouldUseScientificNotation(dec("0.0005"), 3));
  EXPECT_FALSE(shouldUseScientificNotation(dec("-0.0005"), 3));
  EXPECT_FALSE(shouldUseScientificNotation(Decimal(0), 3, dec("1"), dec("1")));
  EXPECT_TRUE(shouldUseScientificNotation(dec("1e15"), 3, std::nullopt, dec("1e15")));
  EXPECT_FALSE(shouldUseScientificNotation(dec("999999999999999"), 3, std::nullopt, dec("1e15")));
  EXPECT_TRUE(shouldUseScientificNotation(dec("-1e15"), 3, std::nullopt, dec("1e15")));
  EXPECT_TRUE(shouldUseScientificNotation(dec("1e-10"), 20, dec("1e-9")));
  EXPECT_TRUE(shouldUseScientificNotation(dec("0.4"), -2));
}

TEST(DecimalHelpersDouble, ToDoubleIsAbsentWhenTheDoubleCannotCarryIt) {
  EXPECT_FALSE(toDouble(Decimal::nan()).has_value());
  EXPECT_EQ(toDouble(Decimal(0)), 0.0);
  EXPECT_EQ(toDouble(dec("0.1")), 0.1);
  EXPECT_FALSE(toDouble(dec("1e400")).has_value());
  EXPECT_FALSE(toDouble(dec("1e-400")).has_value());
  EXPECT_TRUE(isValidForComputation(1.0));
  EXPECT_FALSE(isValidForComputation(std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(isValidForComputation(std::numeric_limits<double>::quiet_NaN()));
  EXPECT_FALSE(isValidForComputation(Decimal::nan()));
}

TEST(DecimalHelpersDouble, ToExactDecimalKeepsFifteenDigits) {
  EXPECT_EQ(toExactDecimal(0.1), dec("0.1"));
  EXPECT_EQ(toExactDecimal(1.0 / 3.0), dec("0.333333333333333"));
  EXPECT_EQ(toExactDecimal(1e20), dec("1e20"));
  EXPECT_EQ(toExactDecimal(-2.5e-300), dec("-2.5e-300"));
  EXPECT_FALSE(toExactDecimal(std::numeric_limits<double>::infinity()).has_value());
  EXPECT_FALSE(toExactDecimal(std::numeric_limits<double>::quiet_NaN()).has_value());
}

}  // namespace
}  // namespace tal
