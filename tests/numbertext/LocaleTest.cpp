#include "TalFoundation/numbertext/Locale.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "CurrentLocaleGuard.h"

namespace tal {
namespace {

using testing_support::CurrentLocaleGuard;

// Locale facts from CLDR 42 (ICU 72): default numbering systems (ar, ar_SA
// and ar_EG use Arabic-Indic digits, fa extended ones, ur in Pakistan Latin
// ones), scripts by likely subtags (ar, fa, ur: Arab; he: Hebr).
struct LocaleRow {
  const char* id;
  std::optional<std::string> language, script, region;
  const char* numberingSystem;
  bool rightToLeftScript;
  bool formulaLeftToRight;
  bool easternArabic;
};
void PrintTo(const LocaleRow& r, std::ostream* os) { *os << r.id; }

const LocaleRow kLocales[] = {
    {"ar_SA", "ar", std::nullopt, "SA", "arab", true, false, true},
    {"ar_EG", "ar", std::nullopt, "EG", "arab", true, false, true},
    {"fa_IR", "fa", std::nullopt, "IR", "arabext", true, true, true},
    {"ur_PK", "ur", std::nullopt, "PK", "latn", true, true, false},
    {"en_US", "en", std::nullopt, "US", "latn", false, true, false},
    {"de_DE", "de", std::nullopt, "DE", "latn", false, true, false},
    {"hi_IN@numbers=deva", "hi", std::nullopt, "IN", "deva", false, true, false},
    {"zh_Hans_CN", "zh", "Hans", "CN", "latn", false, true, false},
    {"he_IL", "he", std::nullopt, "IL", "latn", true, true, false},
};

class LocaleProperties : public testing::TestWithParam<LocaleRow> {};

TEST_P(LocaleProperties, MatchTheLocaleData) {
  const LocaleRow& row = GetParam();
  const Locale locale(row.id);
  EXPECT_EQ(locale.identifier(), row.id);
  EXPECT_EQ(locale.talLanguageCode(), row.language);
  EXPECT_EQ(locale.talScriptCode(), row.script);
  EXPECT_EQ(locale.talRegionCode(), row.region);
  EXPECT_EQ(locale.numberingSystemIdentifier(), row.numberingSystem);
  EXPECT_EQ(locale.isRightToLeftScript(), row.rightToLeftScript);
  EXPECT_EQ(locale.isFormulaLeftToRight(), row.formulaLeftToRight);
  EXPECT_EQ(locale.isUsingEasternArabicNumberingSystem(), row.easternArabic);
}

INSTANTIATE_TEST_SUITE_P(Table, LocaleProperties, testing::ValuesIn(kLocales));

TEST(Locale, ReadsLanguageTagsAndKeepsKeywords) {
  EXPECT_EQ(Locale("ar-SA").identifier(), "ar_SA");
  EXPECT_EQ(Locale("ar_SA@numbers=latn").identifier(), "ar_SA@numbers=latn");
  // A numbers keyword overrides the locale's default digits.
  EXPECT_EQ(Locale("ar_SA@numbers=latn").numberingSystemIdentifier(), "latn");
  EXPECT_FALSE(Locale("ar_SA@numbers=latn").isUsingEasternArabicNumberingSystem());
  EXPECT_EQ(Locale("en_US@numbers=arab").numberingSystemIdentifier(), "arab");
}

TEST(Locale, CodesAreAbsentWhenTheIdentifierHasNone) {
  const Locale language("fr");
  EXPECT_EQ(language.talLanguageCode(), "fr");
  EXPECT_EQ(language.talScriptCode(), std::nullopt);
  EXPECT_EQ(language.talRegionCode(), std::nullopt);
  const Locale root("");
  EXPECT_EQ(root.talLanguageCode(), std::nullopt);
  EXPECT_EQ(root.numberingSystemIdentifier(), "latn");
}

TEST(Locale, FormulaDirectionGoesByIdentifierThenLanguage) {
  struct Row {
    const char* id;
    bool leftToRight;
  };
  const Row rows[] = {
      {"ar_EG", false},  {"ar_MA", true},  {"ar_FR", true},  // ar_FR by its language
      {"nqo_GN", false}, {"nqo", false},   {"en_US", true},  {"pa_IN", true}, {"ar_NE", false},
      {"ar", true},      {"ar_DZ", false}, {"ar_AE", false},
      // With keywords the full identifier is no longer listed, so the language decides.
      {"ar_EG@numbers=latn", true},
      {"", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.id);
    EXPECT_EQ(Locale(row.id).isFormulaLeftToRight(), row.leftToRight);
  }
}

TEST(Locale, RightToLeftScriptComesFromTheScriptNotAList) {
  // Pashto and Yiddish are written right to left (Arabic and Hebrew scripts).
  EXPECT_TRUE(Locale("ps_AF").isRightToLeftScript());
  EXPECT_TRUE(Locale("yi").isRightToLeftScript());
  EXPECT_FALSE(Locale("ur_Latn").isRightToLeftScript());
  EXPECT_TRUE(Locale("az_Arab").isRightToLeftScript());
}

TEST(Locale, EasternArabicMeansArabOrArabextOnly) {
  EXPECT_TRUE(Locale("ps_AF").isUsingEasternArabicNumberingSystem());  // arabext
  EXPECT_FALSE(Locale("ar_AE").isUsingEasternArabicNumberingSystem());  // latn in an Arabic locale
  EXPECT_FALSE(Locale("th_TH@numbers=thai").isUsingEasternArabicNumberingSystem());
}

TEST(Locale, SetCurrentSwitchesTheCurrentLocale) {
  {
    const CurrentLocaleGuard guard("fa_IR");
    EXPECT_EQ(Locale::current().identifier(), "fa_IR");
    EXPECT_EQ(Locale::current().numberingSystemIdentifier(), "arabext");
  }
  const CurrentLocaleGuard guard("de_DE");
  EXPECT_EQ(Locale::current(), Locale("de_DE"));
}

TEST(Locale, IgnoreSpecsLocalizeCutsTheCurrentLocaleKeywords) {
  {
    const CurrentLocaleGuard guard("ar_SA@numbers=latn");
    EXPECT_EQ(Locale::current().ignoreSpecsLocalize().identifier(), "ar_SA");
    // The current locale's identifier decides, whatever the receiver.
    EXPECT_EQ(Locale("fr_FR").ignoreSpecsLocalize().identifier(), "ar_SA");
  }
  const CurrentLocaleGuard guard("en_US");
  EXPECT_EQ(Locale::current().ignoreSpecsLocalize().identifier(), "en_US");
  EXPECT_EQ(Locale("hi_IN@numbers=deva").ignoreSpecsLocalize().identifier(), "hi_IN@numbers=deva");
}

TEST(Locale, MalformedIdentifiersGiveALocaleWithoutData) {
  for (const char* id : {"\xFF\xFE", "not a locale", "@@@", "_"}) {
    SCOPED_TRACE(id);
    const Locale locale(id);
    EXPECT_EQ(locale.numberingSystemIdentifier(), "latn");
    EXPECT_FALSE(locale.isUsingEasternArabicNumberingSystem());
  }
  // ICU identifiers end at a NUL byte.
  EXPECT_EQ(Locale(std::string_view("ar_SA\0junk", 10)).identifier(), "ar_SA");
}

}  // namespace
}  // namespace tal
