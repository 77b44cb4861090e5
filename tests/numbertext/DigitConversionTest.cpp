#include "TalFoundation/numbertext/DigitConversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "CurrentLocaleGuard.h"
#include "TestText.h"

namespace tal {
namespace {

using testing_support::CurrentLocaleGuard;
using testing_support::digitsFrom;

constexpr const char* kArabicDecimal = "\u066B";
constexpr const char* kArabicThousands = "\u066C";

// Digit zero of each locale's default numbering system (CLDR 42).
struct DigitRow {
  const char* locale;
  char32_t zero;
};
void PrintTo(const DigitRow& r, std::ostream* os) { *os << r.locale; }

const DigitRow kRows[] = {
    {"ar_SA", U'\u0660'}, {"ar_EG", U'\u0660'}, {"fa_IR", U'\u06F0'},          {"ur_PK", U'0'},      {"en_US", U'0'},
    {"de_DE", U'0'},      {"zh_Hans_CN", U'0'}, {"hi_IN@numbers=deva", U'\u0966'}, {"he_IL", U'0'},
};

class DigitConversion : public testing::TestWithParam<DigitRow> {};

TEST_P(DigitConversion, WritesWesternTextInTheLocaleDigitsAndBack) {
  const DigitRow& row = GetParam();
  const CurrentLocaleGuard guard(row.locale);
  const std::string western = "x = 0123456789.5, -42";
  // "." always becomes U+066B, even with Latin digits.
  const std::string local = digitsFrom(row.zero, "x = 0123456789") + kArabicDecimal + digitsFrom(row.zero, "5, -42");
  EXPECT_EQ(convertEnglishNumbersToEastArabic(western), local);
  EXPECT_EQ(convertEastArabicNumbersToEnglish(local), western);
}

TEST_P(DigitConversion, ParsesTheLocaleDigits) {
  const DigitRow& row = GetParam();
  const CurrentLocaleGuard guard(row.locale);
  const std::string text = digitsFrom(row.zero, "-1234") + kArabicDecimal + digitsFrom(row.zero, "5");
  EXPECT_EQ(toDoubleFromEastArabic<Decimal>(text), "-1234.5"_dec);
  EXPECT_EQ(toDoubleFromEastArabic<double>(text), -1234.5);
  EXPECT_EQ(toIntFromEastArabic(digitsFrom(row.zero, "-1234")), -1234);
}

INSTANTIATE_TEST_SUITE_P(Table, DigitConversion, testing::ValuesIn(kRows));

TEST(DigitConversion, OnlyTheLocaleOwnDigitSetIsConverted) {
  const std::string arabic = "\u0661\u0662";     // ١٢
  const std::string extended = "\u06F1\u06F2";   // ۱۲
  EXPECT_EQ(convertEastArabicNumbersToEnglish(arabic + extended, Locale("ar_SA")), "12" + extended);
  EXPECT_EQ(convertEastArabicNumbersToEnglish(arabic + extended, Locale("fa_IR")), arabic + "12");
  EXPECT_EQ(convertEastArabicNumbersToEnglish(arabic + extended, Locale("en_US")), arabic + extended);
}

TEST(DigitConversion, ArabicThousandsSeparatorIsLeftAlone) {
  const Locale arab("ar_SA");
  const std::string text = std::string("\u0661") + kArabicThousands + "\u0662\u0663\u0664";  // ١٬٢٣٤
  EXPECT_EQ(convertEastArabicNumbersToEnglish(text, arab), std::string("1") + kArabicThousands + "234");
  EXPECT_EQ(toDoubleFromEastArabic<double>(text, arab), std::nullopt);
  EXPECT_EQ(toDoubleFromEastArabic<Decimal>(text, arab), 1_dec);  // only the leading 1
  EXPECT_EQ(convertEnglishNumbersToEastArabic("1,234", arab), "\u0661,\u0662\u0663\u0664");
}

TEST(DigitConversion, DigitsInsideALongerCharacterStay) {
  // A digit carrying a combining mark is one character with the mark.
  const std::string marked = "\u0663\u0651";  // ٣ with shadda
  EXPECT_EQ(convertEastArabicNumbersToEnglish(marked + "\u0664", Locale("ar_SA")), marked + "4");
  EXPECT_EQ(convertEnglishNumbersToEastArabic("3\u0301" "4", Locale("ar_SA")), "3\u0301\u0664");
  // A keycap sequence is one character too.
  EXPECT_EQ(convertEnglishNumbersToEastArabic("1\uFE0F\u20E3 1", Locale("ar_SA")), "1\uFE0F\u20E3 \u0661");
}

TEST(DigitConversion, EdgeTextsConvertToThemselves) {
  const Locale arab("ar_SA");
  EXPECT_EQ(convertEastArabicNumbersToEnglish("", arab), "");
  EXPECT_EQ(convertEnglishNumbersToEastArabic("", arab), "");
  EXPECT_EQ(convertEnglishNumbersToEastArabic("abc \U0001F600", arab), "abc \U0001F600");
}

TEST(DigitConversion, DoubleFormReadsTheWholeTextOnly) {
  const Locale arab("ar_SA");
  struct Row {
    const char* text;
    std::optional<double> value;
  };
  const Row rows[] = {
      {"\u0663\u066B\u0661\u0664", 3.14},
      {"1e3", 1000.0},
      {"+2.5", 2.5},
      {"0x10", 16.0},  // C reads hexadecimal
      {".5", 0.5},
      {"", std::nullopt},
      {" 1", std::nullopt},
      {"\t1", std::nullopt},
      {"\n1", std::nullopt},
      {"1 ", std::nullopt},
      {"1abc", std::nullopt},
      {"1.2.3", std::nullopt},
      {"abc", std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(toDoubleFromEastArabic<double>(row.text, arab), row.value);
  }
  EXPECT_EQ(toDoubleFromEastArabic<double>(std::string_view("\0" "1", 2), arab), std::nullopt);
  EXPECT_EQ(toDoubleFromEastArabic<double>(std::string_view("1\0" "2", 3), arab), std::nullopt);
  EXPECT_TRUE(std::isinf(toDoubleFromEastArabic<double>("inf", arab).value_or(0.0)));
  EXPECT_TRUE(std::isnan(toDoubleFromEastArabic<double>("nan", arab).value_or(0.0)));
}

TEST(DigitConversion, DecimalFormTakesTheLeadingNumber) {
  const Locale arab("ar_SA");
  EXPECT_EQ(toDoubleFromEastArabic<Decimal>("\u0661\u0662\u066B\u0665 kg", arab), "12.5"_dec);
  EXPECT_EQ(toDoubleFromEastArabic<Decimal>("  \u0667", arab), 7_dec);
  EXPECT_EQ(toDoubleFromEastArabic<Decimal>("kg 12", arab), std::nullopt);
  EXPECT_EQ(toDoubleFromEastArabic<Decimal>("", arab), std::nullopt);
  // 38 significant digits survive exactly.
  EXPECT_EQ(toDoubleFromEastArabic<Decimal>("1.2345678901234567890123456789012345678", arab),
            "1.2345678901234567890123456789012345678"_dec);
}

TEST(DigitConversion, WholeNumberFormIsSignAndDigitsOnly) {
  const Locale arab("ar_SA");
  struct Row {
    const char* text;
    std::optional<std::int64_t> value;
  };
  const Row rows[] = {
      {"-\u0664\u0662", -42},
      {"+\u0667", 7},
      {"007", 7},
      {"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
      {"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
      {"9223372036854775808", std::nullopt},
      {"-9223372036854775809", std::nullopt},
      {"\u0664\u0662.\u0660", std::nullopt},
      {"\u0664\u0662\u066B\u0660", std::nullopt},
      {" 42", std::nullopt},
      {"42 ", std::nullopt},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"+-1", std::nullopt},
      {"\u2212" "1", std::nullopt},  // MINUS SIGN is not "-"
      {"1e3", std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(toIntFromEastArabic(row.text, arab), row.value);
  }
}

TEST(DigitConversion, IllFormedUtf8BecomesReplacementCharacters) {
  const Locale arab("ar_SA");
  EXPECT_EQ(convertEastArabicNumbersToEnglish("\xFF\u0661\xC3", arab), "\uFFFD" "1\uFFFD");
  EXPECT_EQ(convertEnglishNumbersToEastArabic("1\x80" "2", arab), "\u0661\uFFFD\u0662");
  EXPECT_EQ(toIntFromEastArabic("1\xFF", arab), std::nullopt);
  EXPECT_EQ(toDoubleFromEastArabic<double>("\xFF", arab), std::nullopt);
  EXPECT_EQ(toDoubleFromEastArabic<Decimal>("2\xFF", arab), 2_dec);
}

}  // namespace
}  // namespace tal
