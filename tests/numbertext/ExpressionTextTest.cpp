#include "TalFoundation/numbertext/ExpressionText.h"

#include <gtest/gtest.h>
#include <unicode/regex.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <map>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace tal {
namespace {

struct ExpressionRow {
  const char* input;
  const char* expected;
};
void PrintTo(const ExpressionRow& r, std::ostream* os) { *os << r.input; }

class EasternArabicToWestern : public testing::TestWithParam<ExpressionRow> {};

TEST_P(EasternArabicToWestern, GivesTheWesternExpression) {
  EXPECT_EQ(easternArabicToWestern(GetParam().input), GetParam().expected);
}

// Exponents of ten, one row or more per pattern in order.
const ExpressionRow kExponents[] = {
    {"3·10^5", "3e5"},
    {"٢·١٠^٣", "2e3"},
    {"3·10(2+1)", "3e(2+1)"},
    {"٥أس٣", "5e3"},
    {"أس-٢", "e-2"},
    {"١٫٥أس+٢", "1.5e+2"},
    {"٢ أس ٣", "2e3"},
    {"-1.5 أس -2", "-1.5e-2"},
    {"٢\tأس\t٣", "2e3"},
    {"1.5E3", "1.5e3"},
    {"١E-٤ + ٢e+٥", "1e-4 + 2e+5"},
};
INSTANTIATE_TEST_SUITE_P(Exponents, EasternArabicToWestern, testing::ValuesIn(kExponents));

// Powers: the exponent rules leave "أس" only after a group, a Latin name or
// a chain; "القوة" is always a power; ×10^ is an exponent.
const ExpressionRow kPowers[] = {
    {"٢ أس ٣ أس ٤", "2e3^4"},  // the second أس is left to the first power pattern
    {"x أس ٢", "x^2"},
    {"pi أس ٢٫٥", "pi^2.5"},
    {"(١+٢) أس ٢", "(1+2)^2"},
    {"x أس (٢+١)", "x^(2+1)"},
    {"٢ أس (٣+١)", "2^(3+1)"},
    {"(x) أس (٢)", "(x) ^(2)"},
    {"أس(٢)", "^(2)"},
    {"x القوة ٣", "x^3"},
    {"٢ القوة ٣", "2^3"},
    {"3×10^5", "3E5"},
    {"٢٫٥×١٠^-٣", "2.5E-3"},
    {"3*10^5", "3E5"},
    {"س أس ٢", "س أس 2"},  // Arabic letters are not a name here
};
INSTANTIATE_TEST_SUITE_P(Powers, EasternArabicToWestern, testing::ValuesIn(kPowers));

// Every row of the word table, phrases before the words inside them.
const ExpressionRow kWords[] = {
    {"٥ أكبر من ٣", "5 > 3"},
    {"٥ أصغر من ٣", "5 < 3"},
    {"١٠ أكبر أو يساوي ٥", "10 >= 5"},
    {"٥ أصغر أو يساوي ١٠", "5 <= 10"},
    {"٥ لا يساوي ٦", "5 != 6"},
    {"٣ في الألف", "3 ‰"},
    {"٣ زائد ٤", "3 + 4"},
    {"٣ ناقص ٤", "3 - 4"},
    {"٣ ضرب ٤", "3 * 4"},
    {"٧ في ٨", "7 * 8"},
    {"٨ على ٢", "8 / 2"},
    {"٨ تقسيم ٢", "8 / 2"},
    {"١ زائد ١ يساوي ٢", "1 + 1 = 2"},
    {"٨ قسمة ٢", "8 / 2"},
    {"١ نسبة ٤", "1 / 4"},
    {"٥ مضروب", "5 !"},
    {"جذر ٩", "sqrt 9"},
    {"الجذر ٩", "sqrt 9"},  // not "الsqrt": جذر is not a whole word here
    // Whole words only.
    {"٣ زائدة ٤", "3 زائدة 4"},
    {"فيه ٣", "فيه 3"},
};
INSTANTIATE_TEST_SUITE_P(Words, EasternArabicToWestern, testing::ValuesIn(kWords));

// Digits, signs, separators and white space.
const ExpressionRow kCharacters[] = {
    {"١٢3۴", "1234"},  // Arabic-Indic, Western and extended digits mixed
    {"۱۲۳۴۵۶۷۸۹۰", "1234567890"},
    {"٠١٢٣٤٥٦٧٨٩", "0123456789"},
    {"٦÷٣×٢−١", "6/3*2-1"},
    {"١٫٥", "1.5"},
    {"١٬٠٠٠", "1,000"},
    {"٥٠٪", "50%"},
    {"٥؉", "5‰"},
    {"  ٣\t\n زائد   ٤ \r\n", "3 + 4"},
    {"\u00A0٣\u2003\u2003٤\u3000", "3 4"},  // no-break, em and ideographic spaces
    {"٣\u2028٤", "3 4"},                      // line separator
    {"", ""},
    {" \t\n ", ""},
    {"٣\u0651", "٣\u0651"},  // a digit carrying a mark is another character
};
INSTANTIATE_TEST_SUITE_P(Characters, EasternArabicToWestern, testing::ValuesIn(kCharacters));

// The normalisation done the plain way, straight from its definition: each
// pattern compiled and run with replaceAll over the whole text, "\s+" as a
// regular expression. The library tries its patterns only where a match can
// start; on any text the two must agree.
std::string referenceWestern(const std::string& input) {
  icu::UnicodeString text = icu::UnicodeString::fromUTF8(input);
  icu::UnicodeString mapped;
  for (std::int32_t i = 0; i < text.length();) {
    UChar32 c = text.char32At(i);
    i += U16_LENGTH(c);
    if (c >= 0x0660 && c <= 0x0669) c = '0' + (c - 0x0660);
    if (c >= 0x06F0 && c <= 0x06F9) c = '0' + (c - 0x06F0);
    if (c == 0x00F7) c = '/';
    if (c == 0x00D7) c = '*';
    if (c == 0x2212) c = '-';
    mapped.append(c);
  }
  text = mapped;
  auto replaceAll = [&text](const std::string& pattern, const std::string& replacement) {
    static std::map<std::string, std::unique_ptr<icu::RegexPattern>> compiled;  // this test's thread only
    std::unique_ptr<icu::RegexPattern>& regex = compiled[pattern];
    UErrorCode status = U_ZERO_ERROR;
    if (!regex) {
      UParseError where{};
      regex.reset(icu::RegexPattern::compile(icu::UnicodeString::fromUTF8(pattern), 0, where, status));
      ASSERT_TRUE(U_SUCCESS(status)) << pattern;
    }
    std::unique_ptr<icu::RegexMatcher> matcher(regex->matcher(text, status));
    text = matcher->replaceAll(icu::UnicodeString::fromUTF8(replacement), status);
  };
  const std::pair<std::string, std::string> rules[] = {
      {"·10\\^", "e"},
      {"·10\\(", "e("},
      {"أس([+-]?[0-9]+(?:\\.[0-9]+)?)", "e$1"},
      {"([+-]?[0-9]+(?:\\.[0-9]+)?)\\s*أس\\s*([+-]?[0-9]+(?:\\.[0-9]+)?)", "$1e$2"},
      {"([0-9]+(?:\\.[0-9]+)?)[eE]([+-]?[0-9]+)", "$1e$2"},
      {"([0-9]+(?:\\.[0-9]+)?)\\s*أس\\s*([0-9]+(?:\\.[0-9]+)?)", "$1^$2"},
      {"([a-zA-Z]+)\\s*أس\\s*([0-9]+(?:\\.[0-9]+)?)", "$1^$2"},
      {"\\(([^)]+)\\)\\s*أس\\s*([0-9]+(?:\\.[0-9]+)?)", "($1)^$2"},
      {"([0-9a-zA-Z]+)\\s*أس\\s*\\(([^)]+)\\)", "$1^($2)"},
      {"أس\\s*\\(([^)]+)\\)", "^($1)"},
      {"([0-9a-zA-Z]+)\\s*القوة\\s*([0-9]+(?:\\.[0-9]+)?)", "$1^$2"},
  };
  for (const auto& [pattern, replacement] : rules) replaceAll(pattern, replacement);
  text.findAndReplace(icu::UnicodeString(u"*10^"), icu::UnicodeString(u"E"));
  const std::pair<std::string, std::string> words[] = {
      {"أكبر من", ">"}, {"أصغر من", "<"},   {"أكبر أو يساوي", ">="}, {"أصغر أو يساوي", "<="}, {"لا يساوي", "!="},
      {"في الألف", "‰"}, {"زائد", "+"},     {"ناقص", "-"},           {"ضرب", "*"},            {"في", "*"},
      {"على", "/"},      {"تقسيم", "/"},    {"يساوي", "="},          {"قسمة", "/"},           {"نسبة", "/"},
      {"مضروب", "!"},    {"جذر", "sqrt"},   {"الجذر", "sqrt"},
  };
  for (const auto& [word, replacement] : words) replaceAll("\\b" + word + "\\b", replacement);
  auto trims = [](UChar32 c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x85 || u_charType(c) == U_SPACE_SEPARATOR ||
           u_charType(c) == U_LINE_SEPARATOR || u_charType(c) == U_PARAGRAPH_SEPARATOR;
  };
  std::int32_t start = 0, end = text.length();
  while (start < end && trims(text.char32At(start))) start += U16_LENGTH(text.char32At(start));
  while (end > start && trims(text.char32At(end - 1))) end -= U16_LENGTH(text.char32At(end - 1));
  text = icu::UnicodeString(text, start, end - start);
  replaceAll("\\s+", " ");
  text.findAndReplace(icu::UnicodeString(u"\u066B"), icu::UnicodeString(u"."));
  text.findAndReplace(icu::UnicodeString(u"\u066C"), icu::UnicodeString(u","));
  text.findAndReplace(icu::UnicodeString(u"\u066A"), icu::UnicodeString(u"%"));
  text.findAndReplace(icu::UnicodeString(u"\u0609"), icu::UnicodeString(u"\u2030"));
  std::string out;
  text.toUTF8String(out);
  return out;
}

TEST(EasternArabicToWestern, AgreesWithThePlainRegularExpressionRunOnRandomExpressions) {
  // Half the cases from pieces around the exponent and power patterns, so
  // that numbers, names, groups and spaces meet أس and القوة often; half
  // from everything the rules look at.
  const std::vector<std::string> focused = {"٢", "۳", "4", "56", ".", "٫", " ", "\t", "أس", "القوة",
                                            "(", ")", "x", "e", "E", "+", "-", "−"};
  std::vector<std::string> everything = {
      "·10^", "·10(", "*10^", "10^", "×", "÷", "\n", "\u00A0", "ab", "زائد", "في", "الألف", "في الألف", "يساوي",
      "أكبر", "من", "أو", "لا", "جذر", "الجذر", "٬", "٪", "؉", "س", "٣أس٢", "(١+٢)", "  "};
  everything.insert(everything.end(), focused.begin(), focused.end());
  std::mt19937 random(20240521);  // fixed: the same cases every run
  std::uniform_int_distribution<int> count(1, 16);
  for (int i = 0; i < 6000; ++i) {
    const std::vector<std::string>& pieces = i % 2 == 0 ? focused : everything;
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::string input;
    for (int n = count(random); n > 0; --n) input += pieces[pick(random)];
    ASSERT_EQ(easternArabicToWestern(input), referenceWestern(input)) << "input: " << input;
  }
}

TEST(EasternArabicToWestern, IllFormedUtf8IsRepaired) {
  EXPECT_EQ(easternArabicToWestern("\xFF٣ زائد \xC3"), "\uFFFD" "3 + \uFFFD");
  EXPECT_EQ(easternArabicToWestern("\xC0\xAF"), "\uFFFD\uFFFD");
}

TEST(EasternArabicToWestern, GivesTheSameResultsFromManyThreads) {
  const std::string input = "(١+٢) أس ٢ زائد ٣·10^5 أكبر أو يساوي ١٬٠٠٠ ضرب ٥٠٪";
  const std::string expected = "(1+2)^2 + 3e5 >= 1,000 * 50%";
  std::vector<std::thread> threads;
  std::vector<int> mismatches(4, 0);
  for (std::size_t t = 0; t < mismatches.size(); ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 100; ++i) {
        if (easternArabicToWestern(input) != expected) ++mismatches[t];
      }
    });
  }
  for (std::thread& th : threads) th.join();
  for (int m : mismatches) EXPECT_EQ(m, 0);
}

TEST(WesternStandard, ConvertsOnlyDigitsAndSigns) {
  const ExpressionRow rows[] = {
      {"٣×٤÷٢−١", "3*4/2-1"},
      {"١٫٥ زائد ۲", "1٫5 زائد 2"},
      {"٣·10^5", "3·10^5"},
      {"  ٣  ", "  3  "},
      {"٥٠٪ ١٬٠٠٠", "50٪ 1٬000"},
      {"", ""},
      {"\xFF۳", "\uFFFD" "3"},
  };
  for (const ExpressionRow& row : rows) {
    SCOPED_TRACE(row.input);
    EXPECT_EQ(westernStandard(row.input), row.expected);
  }
}

TEST(LocalizedDigits, ReplacesEachListedNumberInListOrder) {
  const NumberFormatter arabic(Locale("ar_SA"));
  // "1" goes first and also hits the 1 of 12, so 12 is no longer found.
  EXPECT_EQ(localizedDigits("1 and 12", std::vector<std::string>{"1", "12"}, arabic), "١ and ١2");
  EXPECT_EQ(localizedDigits("1 and 12", std::vector<std::string>{"12", "1"}, arabic), "١ and ١٢");
  EXPECT_EQ(localizedDigits("1 and 12", std::vector<std::string>{}, arabic), "1 and 12");
}

TEST(LocalizedDigits, UsesTheFormatterSettings) {
  NumberFormatter german(Locale("de_DE"));
  EXPECT_EQ(localizedDigits("= 1234.5 kg", std::vector<std::string>{"1234.5"}, german), "= 1.234,5 kg");
  german.setMinimumFractionDigits(2);
  EXPECT_EQ(localizedDigits("3 + 3", std::vector<std::string>{"3"}, german), "3,00 + 3,00");
}

TEST(LocalizedDigits, SkipsTextsThatAreNotNumbers) {
  const NumberFormatter english(Locale("en_US"));
  EXPECT_EQ(localizedDigits("abc 1000", std::vector<std::string>{"abc", "", "1000"}, english), "abc 1,000");
  // A listed text is parsed from its start, and the whole text is replaced.
  EXPECT_EQ(localizedDigits("5kg", std::vector<std::string>{"5kg"}, english), "5");
  EXPECT_EQ(localizedDigits("\xFF 7", std::vector<std::string>{"7"}, english), "\uFFFD 7");
}

}  // namespace
}  // namespace tal
