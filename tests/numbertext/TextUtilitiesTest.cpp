#include "TalFoundation/numbertext/TextUtilities.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <thread>
#include <string>
#include <vector>

#include "CurrentLocaleGuard.h"

namespace tal {

// Found by the test framework through the argument's namespace.
void PrintTo(const TextRange& r, std::ostream* os) { *os << "{" << r.location << ", " << r.length << "}"; }

namespace {

using testing_support::CurrentLocaleGuard;
using Ranges = std::vector<TextRange>;

constexpr const char* kFamily = "\U0001F468\u200D\U0001F469\u200D\U0001F467";  // 👨‍👩‍👧: 5 scalars, 8 UTF-16 units
constexpr const char* kThumbMedium = "\U0001F44D\U0001F3FD";                    // 👍🏽
constexpr const char* kFlags = "\U0001F1F8\U0001F1E6\U0001F1EA\U0001F1EC";    // 🇸🇦🇪🇬

TEST(CharacterCount, CountsUserPerceivedCharacters) {
  struct Row {
    std::string text;
    std::size_t count;
  };
  const Row rows[] = {
      {"", 0},
      {"abc", 3},
      {kFamily, 1},
      {kThumbMedium, 1},
      {kFlags, 2},
      {"e\u0301", 1},               // combining acute
      {"\u0628\u0651\u064E", 1},     // Arabic letter with shadda and fatha
      {"\r\n", 1},
      {"\n\r", 2},
      {"\u1100\u1161\u11A8", 1},     // Hangul jamo forming one syllable
      {"1\uFE0F\u20E3", 1},          // keycap
      {std::string("a") + kFamily + "b", 3},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(characterCount(row.text), row.count);
  }
}

TEST(Substring, TakesCharactersFromThroughTo) {
  const std::string text = std::string("a") + kFamily + "e\u0301" + kFlags;  // a, family, é, 🇸🇦, 🇪🇬
  EXPECT_EQ(substring(text, 0, 0), "a");
  EXPECT_EQ(substring(text, 1, 1), kFamily);
  EXPECT_EQ(substring(text, 2, 3), "e\u0301\U0001F1F8\U0001F1E6");
  EXPECT_EQ(substring(text, 0, 4), text);
  EXPECT_EQ(substring(text, 0, -1), "");  // from = to + 1
  EXPECT_EQ(substring(text, 5, 4), "");   // … at the very end too
  EXPECT_EQ(substring("", 0, -1), "");
}

TEST(Substring, OutOfRangeOffsetsGiveNothing) {
  const std::string text = "abc";
  const std::pair<std::int64_t, std::int64_t> rows[] = {{0, 3}, {-1, 0}, {2, 0}, {4, 3}, {3, 3}, {0, -2},
                                                         {INT64_MIN, 0}, {0, INT64_MAX}, {INT64_MAX, INT64_MAX}};
  for (const auto& [from, to] : rows) {
    SCOPED_TRACE(testing::Message() << from << ".." << to);
    EXPECT_EQ(substring(text, from, to), std::nullopt);
  }
  EXPECT_EQ(substring("", 0, 0), std::nullopt);
}

TEST(TextRange, CountsUtf16Units) {
  EXPECT_EQ(textRange(""), (TextRange{0, 0}));
  EXPECT_EQ(textRange("abc"), (TextRange{0, 3}));
  EXPECT_EQ(textRange("\U0001F600"), (TextRange{0, 2}));  // one emoji, two units
  EXPECT_EQ(textRange(kFamily), (TextRange{0, 8}));
  EXPECT_EQ(textRange("\u00E9"), (TextRange{0, 1}));
  EXPECT_EQ(textRange("e\u0301"), (TextRange{0, 2}));
}

TEST(Talranges, FindsOccurrencesLeftToRightWithoutOverlap) {
  EXPECT_EQ(talranges("aaaa", "aa"), (Ranges{{0, 2}, {2, 2}}));
  EXPECT_EQ(talranges("aaa", "aa"), (Ranges{{0, 2}}));
  EXPECT_EQ(talranges("abc", "d"), Ranges{});
  EXPECT_EQ(talranges("", "a"), Ranges{});
  EXPECT_EQ(talranges("abc", ""), Ranges{});
  // Offsets are UTF-16 units: the emoji before each "a" counts two.
  EXPECT_EQ(talranges("\U0001F600a\U0001F600a", "a"), (Ranges{{2, 1}, {5, 1}}));
  EXPECT_EQ(talindices("\U0001F600a\U0001F600a", "a"), (std::vector<std::size_t>{2, 5}));
  EXPECT_EQ(talranges(std::string(kFamily) + kFamily, kFamily), (Ranges{{0, 8}, {8, 8}}));
}

TEST(Talranges, EmptyMatchesMoveOnByOneCharacter) {
  EXPECT_EQ(talranges("ab", "x*", SearchOptions::regularExpression), (Ranges{{0, 0}, {1, 0}}));
  // One step is a whole character, not one code unit.
  EXPECT_EQ(talranges(std::string(kFamily) + "b", "x*", SearchOptions::regularExpression), (Ranges{{0, 0}, {8, 0}}));
  EXPECT_EQ(talranges("a1b22", "[0-9]*", SearchOptions::regularExpression),
            (Ranges{{0, 0}, {1, 1}, {2, 0}, {3, 2}}));
}

TEST(Talindex, GivesStartAndEndOfTheFirstOccurrence) {
  EXPECT_EQ(talindex("hello world", "world"), 6u);
  EXPECT_EQ(talendIndex("hello world", "world"), 11u);
  EXPECT_EQ(talindex("hello world", "o"), 4u);
  EXPECT_EQ(talendIndex("\U0001F600x", "x"), 3u);
  EXPECT_EQ(talindex("hello", "world"), std::nullopt);
  EXPECT_EQ(talendIndex("hello", ""), std::nullopt);
  EXPECT_EQ(talindex("", ""), std::nullopt);
}

TEST(SearchOptions, ChangeHowTextsCompare) {
  struct Row {
    std::string text;
    std::string target;
    SearchOptions options;
    std::optional<TextRange> first;
  };
  using O = SearchOptions;
  const Row rows[] = {
      {"Hello", "hello", O::none, std::nullopt},
      {"Hello", "hello", O::caseInsensitive, TextRange{0, 5}},
      {"Straße", "STRASSE", O::caseInsensitive, TextRange{0, 6}},
      {"café", "cafe", O::none, std::nullopt},
      {"café", "cafe", O::diacriticInsensitive, TextRange{0, 4}},
      {"CAFÉ", "cafe", O::caseInsensitive | O::diacriticInsensitive, TextRange{0, 4}},
      // Composed and decomposed é are the same text unless compared literally.
      {"cafe\u0301", "caf\u00E9", O::none, TextRange{0, 5}},
      {"cafe\u0301", "caf\u00E9", O::literal, std::nullopt},
      // A match never ends inside a character, except literally.
      {"e\u0301", "e", O::none, std::nullopt},
      {"e\u0301", "e", O::literal, TextRange{0, 1}},
      {kThumbMedium, "\U0001F44D", O::none, std::nullopt},
      {"\uFF21\uFF22\uFF23", "ABC", O::none, std::nullopt},
      {"\uFF21\uFF22\uFF23", "ABC", O::widthInsensitive, TextRange{0, 3}},
      {"\uFF76\uFF9E", "\u30AC", O::widthInsensitive, TextRange{0, 2}},  // half-width ｶﾞ is ガ
      {"abcabc", "abc", O::backwards, TextRange{3, 3}},
      {"abcabc", "bc", O::anchored, std::nullopt},
      {"abcabc", "ab", O::anchored, TextRange{0, 2}},
      {"abcabc", "bc", O::anchored | O::backwards, TextRange{4, 2}},
      {"abcabc", "ab", O::anchored | O::backwards, std::nullopt},
      {"a12b345", "[0-9]+", O::regularExpression, TextRange{1, 2}},
      {"ABC", "b", O::regularExpression | O::caseInsensitive, TextRange{1, 1}},
      {"a1", "^[0-9]", O::regularExpression, std::nullopt},
      {"abc", "(", O::regularExpression, std::nullopt},  // invalid pattern
      {"a.c", ".", O::literal, TextRange{1, 1}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.text << " / " << row.target << " / " << static_cast<int>(row.options));
    const Ranges found = talranges(row.text, row.target, row.options);
    if (row.first) {
      ASSERT_FALSE(found.empty());
      EXPECT_EQ(found.front(), *row.first);
      EXPECT_EQ(talindex(row.text, row.target, row.options), row.first->location);
      EXPECT_EQ(talendIndex(row.text, row.target, row.options), row.first->end());
    } else {
      EXPECT_TRUE(found.empty());
      EXPECT_EQ(talindex(row.text, row.target, row.options), std::nullopt);
    }
  }
}

TEST(Ranges, GoesOnFromTheEndOfEachMatch) {
  EXPECT_EQ(ranges("aaaa", "aa"), (Ranges{{0, 2}, {2, 2}}));
  EXPECT_EQ(ranges("a-b-c", "-"), (Ranges{{1, 1}, {3, 1}}));
  EXPECT_EQ(ranges("ABab", "ab", SearchOptions::caseInsensitive), (Ranges{{0, 2}, {2, 2}}));
  EXPECT_EQ(ranges("ab", "x*", SearchOptions::regularExpression), (Ranges{{0, 0}, {1, 0}}));
  EXPECT_EQ(ranges("abc", ""), Ranges{});
}

TEST(Ranges, LocaleTailorsCaseFolding) {
  // Turkish pairs İ with i and I with ı; the default folding does not.
  const std::string city = "D\u0130YARBAKIR";
  const std::string lower = "diyarbak\u0131r";
  EXPECT_EQ(ranges(city, lower, SearchOptions::caseInsensitive, Locale("tr_TR")), (Ranges{{0, 10}}));
  EXPECT_EQ(ranges(city, lower, SearchOptions::caseInsensitive, Locale("en_US")), Ranges{});
  EXPECT_EQ(ranges(city, lower, SearchOptions::caseInsensitive), Ranges{});
}

TEST(Tokenize, ListsWordsNotSpacesOrPunctuation) {
  const Locale english("en_US");
  EXPECT_EQ(tokenize("Hello, world! 3.14 is pi", english),
            (std::vector<std::string>{"Hello", "world", "3.14", "is", "pi"}));
  EXPECT_EQ(tokenize("", english), std::vector<std::string>{});
  EXPECT_EQ(tokenize("  ,.;  ", english), std::vector<std::string>{});
  EXPECT_EQ(tokenize("٣ زائد ٤", Locale("ar_SA")), (std::vector<std::string>{"٣", "زائد", "٤"}));
  EXPECT_EQ(tokenize("can't stop", english), (std::vector<std::string>{"can't", "stop"}));
}

TEST(Tokenize, UsesTheCurrentLocale) {
  const CurrentLocaleGuard guard("ar_EG");
  EXPECT_EQ(tokenize("١٠ أكبر من ٥"), (std::vector<std::string>{"١٠", "أكبر", "من", "٥"}));
}

TEST(GetUnicodeCodePoints, LabelsEveryScalar) {
  using Labels = std::vector<std::string>;
  EXPECT_EQ(getUnicodeCodePoints("A\u20AC"), (Labels{"U+41", "U+20AC"}));
  EXPECT_EQ(getUnicodeCodePoints("e\u0301"), (Labels{"U+65", "U+301"}));
  EXPECT_EQ(getUnicodeCodePoints(kFamily), (Labels{"U+1F468", "U+200D", "U+1F469", "U+200D", "U+1F467"}));
  EXPECT_EQ(getUnicodeCodePoints(std::string_view("\0", 1)), (Labels{"U+0"}));
  EXPECT_EQ(getUnicodeCodePoints(""), Labels{});
}

TEST(Replace, ReplacesLiterallyLeftToRight) {
  EXPECT_EQ(replace("a.b.c", ".", "\u066B"), "a\u066Bb\u066Bc");
  EXPECT_EQ(replace("aaa", "aa", "b"), "ba");
  EXPECT_EQ(replace("abc", "", "x"), "abc");
  EXPECT_EQ(replace("abc", "abc", ""), "");
  EXPECT_EQ(replace("cafe\u0301", "caf\u00E9", "x"), "cafe\u0301");  // literal: no canonical matching
  EXPECT_EQ(replaceSome("Hello {0}, {0}!", "X"), "Hello X, X!");
  EXPECT_EQ(replaceSome("{1} {0 }", "X"), "{1} {0 }");
}

TEST(Emptiness, WhiteSpaceIsSpacesAndTabsOnly) {
  EXPECT_FALSE(isNotEmpty(""));
  EXPECT_TRUE(isNotEmpty(" "));
  struct Row {
    const char* text;
    bool blank;
  };
  const Row rows[] = {
      {"", true},        {" ", true},       {" \t \t", true}, {"\u00A0\u3000", true},  // space separators
      {"\n", false},     {"\r", false},     {" \n ", false},  {"\u2028", false},       // line breaks are not
      {" a ", false},    {"\xFF", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(isEmptyOrWhiteSpace(row.text), row.blank);
  }
}

// Each ill-formed sequence reads as U+FFFD (the "maximal subpart" rule ICU
// follows): a bad lead byte or a lone continuation byte is one each, a
// truncated sequence is one, a surrogate encoding is three.
TEST(IllFormedUtf8, EveryOperationGivesADefinedResult) {
  const std::string bad = "a\x80" "b\xED\xA0\x80" "c\xF0\x9F\x98";
  const std::string repaired = "a\uFFFD" "b\uFFFD\uFFFD\uFFFD" "c\uFFFD";
  EXPECT_EQ(characterCount(bad), 8u);
  EXPECT_EQ(textRange(bad), (TextRange{0, 8}));
  EXPECT_EQ(substring(bad, 1, 1), "\uFFFD");
  EXPECT_EQ(substring(bad, 0, 7), repaired);
  EXPECT_EQ(getUnicodeCodePoints("\xC0\xAF"), (std::vector<std::string>{"U+FFFD", "U+FFFD"}));
  EXPECT_EQ(replace(bad, "b", "B"), "a\uFFFD" "B\uFFFD\uFFFD\uFFFD" "c\uFFFD");
  EXPECT_EQ(replace("x\xFF", "\xFF", "y"), "xy");  // the target is repaired the same way
  EXPECT_EQ(replaceSome("\xFF{0}", "1"), "\uFFFD" "1");
  EXPECT_EQ(talranges(bad, "c"), (Ranges{{6, 1}}));
  EXPECT_EQ(talranges(bad, "\uFFFD"), (Ranges{{1, 1}, {3, 1}, {4, 1}, {5, 1}, {7, 1}}));
  EXPECT_EQ(talindex("ab", "\xFF"), std::nullopt);
  EXPECT_EQ(talendIndex(bad, "c"), 7u);
  EXPECT_EQ(talindices(bad, "b\xED"), (std::vector<std::size_t>{2}));
  EXPECT_EQ(ranges(bad, "\xC3", SearchOptions::literal), (Ranges{{1, 1}, {3, 1}, {4, 1}, {5, 1}, {7, 1}}));
  EXPECT_EQ(talranges(bad, "[\xFF]", SearchOptions::regularExpression), (Ranges{{1, 1}, {3, 1}, {4, 1}, {5, 1}, {7, 1}}));
  EXPECT_EQ(tokenize("ab\xFF" "cd", Locale("en_US")), (std::vector<std::string>{"ab", "cd"}));
  EXPECT_TRUE(isNotEmpty("\x80"));
}

TEST(TextUtilities, GiveTheSameResultsFromManyThreads) {
  // Each thread gets its own break iterators; none is shared.
  const std::string text = std::string("x ") + kFamily + " e\u0301 " + kFlags + " done";
  std::array<int, 4> mismatches{};
  std::vector<std::thread> threads;
  for (std::size_t t = 0; t < mismatches.size(); ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 200; ++i) {
        if (characterCount(text) != 13 || substring(text, 2, 2) != kFamily ||
            tokenize("x e\u0301 done", Locale("en_US")) != std::vector<std::string>{"x", "e\u0301", "done"} ||
            talindex(text, "done") != 23u) {
          ++mismatches[t];
        }
      }
    });
  }
  for (std::thread& th : threads) th.join();
  for (int m : mismatches) EXPECT_EQ(m, 0);
}

}  // namespace
}  // namespace tal
