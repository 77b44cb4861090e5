#include "TalFoundation/numbertext/NumberingSystemInfo.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "CurrentLocaleGuard.h"
#include "TestText.h"

namespace tal {
namespace {

using testing_support::CurrentLocaleGuard;
using testing_support::utf8;

// CLDR 42 (ICU 72) data: Arabic in Saudi Arabia and Egypt writes
// Arabic-Indic digits with U+066B / U+066C, Persian extended Arabic-Indic
// digits with the same marks, Urdu in Pakistan Latin digits; German swaps
// "." and ",".
struct InfoRow {
  const char* locale;
  const char* identifier;
  char32_t zero;
  std::string decimal;
  std::string grouping;
  bool rtl;
  bool latin;
};
void PrintTo(const InfoRow& r, std::ostream* os) { *os << r.locale; }

const InfoRow kRows[] = {
    {"ar_SA", "arab", U'\u0660', "\u066B", "\u066C", true, false},
    {"ar_EG", "arab", U'\u0660', "\u066B", "\u066C", true, false},
    {"fa_IR", "arabext", U'\u06F0', "\u066B", "\u066C", true, false},
    {"ur_PK", "latn", U'0', ".", ",", true, true},
    {"en_US", "latn", U'0', ".", ",", false, true},
    {"de_DE", "latn", U'0', ",", ".", false, true},
    {"hi_IN@numbers=deva", "deva", U'\u0966', ".", ",", false, false},
    {"zh_Hans_CN", "latn", U'0', ".", ",", false, true},
    {"he_IL", "latn", U'0', ".", ",", true, true},
};

class NumberingSystemRecord : public testing::TestWithParam<InfoRow> {};

TEST_P(NumberingSystemRecord, DescribesTheLocale) {
  const InfoRow& row = GetParam();
  const NumberingSystemInfo info = NumberingSystemInfo::forLocale(Locale(row.locale));
  EXPECT_EQ(info.identifier(), row.identifier);
  EXPECT_EQ(info.decimalSeparator(), row.decimal);
  EXPECT_EQ(info.groupingSeparator(), row.grouping);
  for (std::size_t i = 0; i < 10; ++i) {
    EXPECT_EQ(info.digits()[i], utf8(row.zero + static_cast<char32_t>(i))) << "digit " << i;
  }
  EXPECT_EQ(info.isRTL(), row.rtl);
  EXPECT_EQ(info.isLatinNumberingSystem(), row.latin);
}

TEST_P(NumberingSystemRecord, GetCurrentReadsTheCurrentLocale) {
  const InfoRow& row = GetParam();
  const CurrentLocaleGuard guard(row.locale);
  const NumberingSystemInfo info = NumberingSystemInfo::getCurrent();
  EXPECT_EQ(info.identifier(), row.identifier);
  EXPECT_EQ(info.digits()[7], utf8(row.zero + 7));
}

INSTANTIATE_TEST_SUITE_P(Table, NumberingSystemRecord, testing::ValuesIn(kRows));

TEST(NumberingSystemInfo, RightToLeftIsTheFiveLanguageList) {
  // Yiddish is listed; Pashto is not, though its script runs right to left.
  EXPECT_TRUE(NumberingSystemInfo::forLocale(Locale("yi")).isRTL());
  EXPECT_FALSE(NumberingSystemInfo::forLocale(Locale("ps_AF")).isRTL());
  EXPECT_FALSE(NumberingSystemInfo::forLocale(Locale("")).isRTL());
}

TEST(NumberingSystemInfo, KeywordsChooseTheDigits) {
  const NumberingSystemInfo thai = NumberingSystemInfo::forLocale(Locale("th_TH@numbers=thai"));
  EXPECT_EQ(thai.identifier(), "thai");
  EXPECT_EQ(thai.digits()[0], "\u0E50");
  EXPECT_EQ(thai.digits()[9], "\u0E59");
  EXPECT_FALSE(thai.isLatinNumberingSystem());
  const NumberingSystemInfo latin = NumberingSystemInfo::forLocale(Locale("ar_SA@numbers=latn"));
  EXPECT_TRUE(latin.isLatinNumberingSystem());
  EXPECT_EQ(latin.digits()[3], "3");
  EXPECT_TRUE(latin.isRTL());
}

TEST(NumberingSystemInfo, FallbackTableRowsStartAtTheirDigitZero) {
  const std::pair<const char*, char32_t> rows[] = {
      {"arab", U'\u0660'},    {"arabext", U'\u06F0'}, {"thai", U'\u0E50'}, {"deva", U'\u0966'}, {"beng", U'\u09E6'},
      {"guru", U'\u0A66'},    {"gujr", U'\u0AE6'},    {"orya", U'\u0B66'}, {"tamldec", U'\u0BE6'},
      {"telu", U'\u0C66'},    {"knda", U'\u0CE6'},    {"mlym", U'\u0D66'}, {"sinh", U'\u0DE6'}, {"khmr", U'\u17E0'},
      {"laoo", U'\u0ED0'},    {"mymr", U'\u1040'},    {"tibt", U'\u0F20'}, {"mong", U'\u1810'},
      // Anything else, near misses included, is Western.
      {"latn", U'0'},         {"", U'0'},             {"Arab", U'0'},      {"tamil", U'0'},     {"arab ", U'0'},
  };
  for (const auto& [identifier, zero] : rows) {
    SCOPED_TRACE(identifier);
    const NumberingSystemInfo::Digits digits = NumberingSystemInfo::fallbackDigits(identifier);
    for (std::size_t i = 0; i < digits.size(); ++i) EXPECT_EQ(digits[i], utf8(zero + static_cast<char32_t>(i)));
  }
}

}  // namespace
}  // namespace tal
