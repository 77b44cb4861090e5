#include "TalFoundation/numbertext/NumberFormatter.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "CurrentLocaleGuard.h"

namespace tal {
namespace {

using testing_support::CurrentLocaleGuard;
using Rounding = Decimal::Rounding;

// 38 significant digits each: a tie after an odd digit, a tie after an even
// digit, and a value just above the tie, all cut at 17 fraction digits.
constexpr Decimal kTieAfterOdd = "12345678901234567890.123456789012345675"_dec;
constexpr Decimal kTieAfterEven = "12345678901234567890.123456789012345665"_dec;
constexpr Decimal kAboveHalf = "1234567890123456789.0123456789012345651"_dec;

struct RoundingRow {
  Rounding mode;
  // Expected for +kTieAfterOdd, -kTieAfterOdd, +kTieAfterEven, -…, +kAboveHalf, -…
  // (Python decimal, quantize(Decimal('1e-17'), rounding=…)).
  std::array<const char*, 6> expected;
};

const RoundingRow kRoundingRows[] = {
    {Rounding::halfUp,
     {"12345678901234567890.12345678901234568", "-12345678901234567890.12345678901234568",
      "12345678901234567890.12345678901234567", "-12345678901234567890.12345678901234567",
      "1234567890123456789.01234567890123457", "-1234567890123456789.01234567890123457"}},
    {Rounding::halfEven,
     {"12345678901234567890.12345678901234568", "-12345678901234567890.12345678901234568",
      "12345678901234567890.12345678901234566", "-12345678901234567890.12345678901234566",
      "1234567890123456789.01234567890123457", "-1234567890123456789.01234567890123457"}},
    {Rounding::halfDown,
     {"12345678901234567890.12345678901234567", "-12345678901234567890.12345678901234567",
      "12345678901234567890.12345678901234566", "-12345678901234567890.12345678901234566",
      "1234567890123456789.01234567890123457", "-1234567890123456789.01234567890123457"}},
    {Rounding::down,
     {"12345678901234567890.12345678901234567", "-12345678901234567890.12345678901234567",
      "12345678901234567890.12345678901234566", "-12345678901234567890.12345678901234566",
      "1234567890123456789.01234567890123456", "-1234567890123456789.01234567890123456"}},
    {Rounding::up,
     {"12345678901234567890.12345678901234568", "-12345678901234567890.12345678901234568",
      "12345678901234567890.12345678901234567", "-12345678901234567890.12345678901234567",
      "1234567890123456789.01234567890123457", "-1234567890123456789.01234567890123457"}},
    {Rounding::ceiling,
     {"12345678901234567890.12345678901234568", "-12345678901234567890.12345678901234567",
      "12345678901234567890.12345678901234567", "-12345678901234567890.12345678901234566",
      "1234567890123456789.01234567890123457", "-1234567890123456789.01234567890123456"}},
    {Rounding::floor,
     {"12345678901234567890.12345678901234567", "-12345678901234567890.12345678901234568",
      "12345678901234567890.12345678901234566", "-12345678901234567890.12345678901234567",
      "1234567890123456789.01234567890123456", "-1234567890123456789.01234567890123457"}},
};

TEST(NumberFormatter, RoundsThirtyEightDigitValuesExactlyInEveryMode) {
  NumberFormatter formatter(Locale("en_US"));
  formatter.setUsesGroupingSeparator(false);
  formatter.setMaximumFractionDigits(17);
  const std::array<Decimal, 6> values{kTieAfterOdd, -kTieAfterOdd, kTieAfterEven, -kTieAfterEven, kAboveHalf, -kAboveHalf};
  for (const RoundingRow& row : kRoundingRows) {
    formatter.setRoundingMode(row.mode);
    for (std::size_t i = 0; i < values.size(); ++i) {
      SCOPED_TRACE(testing::Message() << "mode " << static_cast<int>(row.mode) << ", value " << i);
      EXPECT_EQ(formatter.format(values[i]), row.expected[i]);
    }
  }
}

TEST(NumberFormatter, WritesEveryDigitWhenTheFractionAllows) {
  NumberFormatter formatter(Locale("en_US"));
  formatter.setMaximumFractionDigits(40);
  EXPECT_EQ(formatter.format("0.12345678901234567890123456789012345678"_dec),
            "0.12345678901234567890123456789012345678");
  EXPECT_EQ(formatter.format("99999999999999999999999999999999999999"_dec),
            "99,999,999,999,999,999,999,999,999,999,999,999,999");
  EXPECT_EQ(formatter.format(kTieAfterOdd), "12,345,678,901,234,567,890.123456789012345675");
  // The nearest double is 1234567890123456768.
  EXPECT_EQ(formatter.format("1234567890123456789.5"_dec), "1,234,567,890,123,456,789.5");
}

TEST(NumberFormatter, StartsFromTheLocaleDecimalStyle) {
  const NumberFormatter formatter(Locale("en_US"));
  EXPECT_EQ(formatter.minimumFractionDigits(), 0);
  EXPECT_EQ(formatter.maximumFractionDigits(), 3);
  EXPECT_EQ(formatter.roundingMode(), Rounding::halfEven);
  EXPECT_TRUE(formatter.usesGroupingSeparator());
  EXPECT_EQ(formatter.groupingSize(), 3);
  EXPECT_EQ(formatter.decimalSeparator(), ".");
  EXPECT_EQ(formatter.groupingSeparator(), ",");
  EXPECT_EQ(formatter.format("1234.56789"_dec), "1,234.568");
  EXPECT_EQ(formatter.format("0.0625"_dec), "0.062");  // tie to even
  EXPECT_EQ(formatter.format(std::int64_t{-1234567}), "-1,234,567");
}

TEST(NumberFormatter, FractionDigitLimitsStayOrdered) {
  NumberFormatter formatter(Locale("en_US"));
  formatter.setMinimumFractionDigits(2);
  EXPECT_EQ(formatter.format(5_dec), "5.00");
  formatter.setMaximumFractionDigits(1);  // lowers the minimum with it
  EXPECT_EQ(formatter.minimumFractionDigits(), 1);
  EXPECT_EQ(formatter.format(5_dec), "5.0");
  formatter.setMinimumFractionDigits(4);  // raises the maximum with it
  EXPECT_EQ(formatter.maximumFractionDigits(), 4);
  EXPECT_EQ(formatter.format("1.23456"_dec), "1.2346");
  formatter.setMaximumFractionDigits(-3);  // clamped to 0
  EXPECT_EQ(formatter.maximumFractionDigits(), 0);
  EXPECT_EQ(formatter.format("2.5"_dec), "2");
  formatter.setMaximumFractionDigits(std::numeric_limits<int>::max());
  EXPECT_EQ(formatter.maximumFractionDigits(), NumberFormatter::kMaxFractionDigits);
}

// ICU's own getter stops at 127 digits; the count in effect is reported.
TEST(NumberFormatter, ReportsFractionDigitCountsBeyondICUsGetter) {
  NumberFormatter formatter(Locale("en_US"));
  formatter.setMinimumFractionDigits(200);
  EXPECT_EQ(formatter.minimumFractionDigits(), 200);
  EXPECT_EQ(formatter.maximumFractionDigits(), 200);
  EXPECT_EQ(formatter.format(1_dec), "1." + std::string(200, '0'));
  formatter.setMaximumFractionDigits(500);
  EXPECT_EQ(formatter.maximumFractionDigits(), 500);
  EXPECT_EQ(formatter.minimumFractionDigits(), 200);
}

TEST(NumberFormatter, GroupingCanBeTurnedOffAndResized) {
  NumberFormatter formatter(Locale("en_US"));
  formatter.setUsesGroupingSeparator(false);
  EXPECT_EQ(formatter.format(std::int64_t{1234567890}), "1234567890");
  formatter.setUsesGroupingSeparator(true);
  formatter.setSecondaryGroupingSize(2);
  EXPECT_EQ(formatter.format(std::int64_t{1234567890}), "1,23,45,67,890");
  formatter.setGroupingSize(4);
  formatter.setSecondaryGroupingSize(0);
  EXPECT_EQ(formatter.format(std::int64_t{1234567890}), "12,3456,7890");
  formatter.setGroupingSize(0);
  EXPECT_EQ(formatter.format(std::int64_t{1234567890}), "1234567890");
  // Indian English groups by two beyond the first three.
  EXPECT_EQ(NumberFormatter(Locale("en_IN")).format(std::int64_t{1234567890}), "1,23,45,67,890");
}

TEST(NumberFormatter, SeparatorsCanBeReplaced) {
  NumberFormatter formatter(Locale("en_US"));
  formatter.setDecimalSeparator("\u066B");
  formatter.setGroupingSeparator("'");
  EXPECT_EQ(formatter.format("1234567.25"_dec), "1'234'567\u066B" "25");
  EXPECT_EQ(formatter.decimalSeparator(), "\u066B");
  formatter.setGroupingSeparator("");
  EXPECT_EQ(formatter.format("1234567.25"_dec), "1234567\u066B" "25");
  formatter.setDecimalSeparator("\xFF");  // repaired, not passed through
  EXPECT_EQ(formatter.format("1.5"_dec), "1\uFFFD" "5");
}

TEST(NumberFormatter, WritesTheLocaleDigitsAndSeparators) {
  EXPECT_EQ(NumberFormatter(Locale("ar_SA")).format("1234567.5"_dec),
            "\u0661\u066C\u0662\u0663\u0664\u066C\u0665\u0666\u0667\u066B\u0665");
  EXPECT_EQ(NumberFormatter(Locale("fa_IR")).format(std::int64_t{1234}), "\u06F1\u066C\u06F2\u06F3\u06F4");
  EXPECT_EQ(NumberFormatter(Locale("de_DE")).format("1234.5"_dec), "1.234,5");
  EXPECT_EQ(NumberFormatter(Locale("hi_IN@numbers=deva")).format(std::int64_t{12345}), "\u0967\u0968,\u0969\u096A\u096B");
}

TEST(NumberFormatter, NothingForValuesWithoutDigits) {
  const NumberFormatter formatter(Locale("en_US"));
  EXPECT_EQ(formatter.format(Decimal::nan()), std::nullopt);
  EXPECT_EQ(formatter.format(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
  EXPECT_EQ(formatter.format(std::numeric_limits<double>::infinity()), std::nullopt);
  EXPECT_EQ(formatter.format(0.5), "0.5");
}

TEST(NumberFormatter, CopiesAreIndependent) {
  NumberFormatter original(Locale("en_US"));
  EXPECT_EQ(original.format(1_dec), "1");  // builds the ICU formatter
  NumberFormatter copy = original;
  copy.setMinimumFractionDigits(2);
  copy.setLocale(Locale("de_DE"));
  EXPECT_EQ(original.format(1_dec), "1");
  EXPECT_EQ(copy.format(1_dec), "1,00");
  original = copy;
  EXPECT_EQ(original.format(1_dec), "1,00");
}

TEST(NumberFormatter, FormatsFromManyThreadsAtOnce) {
  NumberFormatter formatter(Locale("en_US"));
  formatter.setMaximumFractionDigits(20);
  std::vector<std::thread> threads;
  std::array<int, 4> mismatches{};
  for (std::size_t t = 0; t < mismatches.size(); ++t) {
    threads.emplace_back([&formatter, &mismatches, t] {
      for (int i = 0; i < 200; ++i) {
        if (formatter.format(kTieAfterOdd) != "12,345,678,901,234,567,890.123456789012345675") {
          ++mismatches[t];
        }
      }
    });
  }
  for (std::thread& th : threads) th.join();
  for (int m : mismatches) EXPECT_EQ(m, 0);
}

TEST(TalDecimalNumberFormatter, UsesTheCurrentLocale) {
  const CurrentLocaleGuard guard("de_DE");
  const NumberFormatter formatter = TalDecimalNumberFormatter();
  EXPECT_EQ(formatter.locale(), Locale("de_DE"));
  EXPECT_EQ(formatter.format("1234.5"_dec), "1.234,5");
}

TEST(LocalizedNumberFormatString, UsesArabicIndicDigitsOnlyForArabicNumberingSystems) {
  struct Row {
    const char* locale;
    std::int64_t value;
    const char* expected;
  };
  // The ar_SA minus sign is U+061C ARABIC LETTER MARK then "-" (CLDR 42).
  const Row rows[] = {
      {"en_US", 1234, "1234"},
      {"en_US", 0, "0"},
      {"en_US", -1234567, "-1234567"},
      {"de_DE", 1234567, "1234567"},
      {"hi_IN@numbers=deva", 1234, "1234"},  // only arab and arabext switch
      {"ur_PK", 1234, "1234"},
      {"ar_SA", 1234, "\u0661\u0662\u0663\u0664"},
      {"ar_SA", 0, "\u0660"},
      {"fa_IR", 1234, "\u0661\u0662\u0663\u0664"},  // arabext, written with ar_SA's digits
      {"ar_EG", -5, "\u061C-\u0665"},
      {"ar_SA@numbers=latn", 1234, "1234"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.locale);
    EXPECT_EQ(localizedNumberFormatString(row.value, Locale(row.locale)), row.expected);
    const CurrentLocaleGuard guard(row.locale);
    EXPECT_EQ(localizedNumberFormatString(row.value), row.expected);
  }
  EXPECT_EQ(localizedNumberFormatString(std::numeric_limits<std::int64_t>::min(), Locale("en_US")),
            "-9223372036854775808");
}

}  // namespace
}  // namespace tal
