#include "TalFoundation/platform/Bundle.h"

#include <gtest/gtest.h>
#include <unicode/locid.h>

#include <cstdio>
#include <fstream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tal::platform {
namespace {

constexpr std::string_view kBundleJSON = R"({
  "info": {
    "CFBundleShortVersionString": "2.4",
    "CFBundleVersion": "57",
    "Empty": "",
    "Number": 12,
    "Flag": true,
    "List": ["a"],
    "Nothing": null
  },
  "developmentLocalization": "en",
  "localizations": {
    "en": {"InfoPlist": {"CFBundleDisplayName": "Converter", "OnlyInEnglish": "english", "TMS": "TM"}},
    "zh-Hans": {"InfoPlist": {"CFBundleDisplayName": "换算", "TMS": ""}},
    "zh-Hant-TW": {"InfoPlist": {"CFBundleDisplayName": "換算（台灣）"}},
    "Base": {"InfoPlist": {"OnlyInBase": "base"}}
  }
})";

Bundle sample() {
  std::optional<Bundle> b = Bundle::fromJSON(kBundleJSON);
  if (!b) ADD_FAILURE() << "sample bundle did not parse";
  return b.value_or(Bundle());
}

// --- information dictionary ---------------------------------------------------

struct InfoRow {
  std::string_view key;
  std::optional<std::string_view> text;
};
void PrintTo(const InfoRow& r, std::ostream* os) { *os << r.key; }

class BundleInfoString : public testing::TestWithParam<InfoRow> {};

TEST_P(BundleInfoString, IsTheTextOrAbsentForMissingAndNonText) {
  const InfoRow& r = GetParam();
  const std::optional<std::string> got = sample().infoString(r.key);
  if (r.text) {
    ASSERT_TRUE(got.has_value());
    EXPECT_EQ(*got, *r.text);
  } else {
    EXPECT_FALSE(got.has_value());
  }
}

INSTANTIATE_TEST_SUITE_P(Keys, BundleInfoString,
                         testing::Values(InfoRow{"CFBundleShortVersionString", "2.4"}, InfoRow{"CFBundleVersion", "57"},
                                         InfoRow{"Empty", ""}, InfoRow{"Number", std::nullopt},
                                         InfoRow{"Flag", std::nullopt}, InfoRow{"List", std::nullopt},
                                         InfoRow{"Nothing", std::nullopt}, InfoRow{"Missing", std::nullopt},
                                         InfoRow{"cfbundleversion", std::nullopt}));

TEST(Bundle, KeepsNonTextValuesWithTheirType) {
  const Bundle b = sample();
  const auto& info = b.infoDictionary();
  EXPECT_EQ(info.at("Number"), Bundle::InfoValue(std::int64_t{12}));
  EXPECT_EQ(info.at("Flag"), Bundle::InfoValue(true));
  EXPECT_EQ(info.at("List"), Bundle::InfoValue(Bundle::Structured{}));
  EXPECT_EQ(info.at("Nothing"), Bundle::InfoValue(Bundle::Structured{}));
}

// --- malformed descriptions -----------------------------------------------------

class MalformedBundle : public testing::TestWithParam<std::string_view> {};

TEST_P(MalformedBundle, IsAbsent) { EXPECT_FALSE(Bundle::fromJSON(GetParam()).has_value()) << GetParam(); }

INSTANTIATE_TEST_SUITE_P(
    Texts, MalformedBundle,
    testing::Values("", "   ", "{", "[]", "\"info\"", "{} x", R"({"info": []})", R"({"info": "x"})",
                    R"({"developmentLocalization": 3})", R"({"localizations": []})", R"({"localizations": {"en": []}})",
                    R"({"localizations": {"en": {"InfoPlist": []}}})",
                    R"({"localizations": {"en": {"InfoPlist": {"k": 1}}}})",
                    R"({"localizations": {"en": {"InfoPlist": {"k": null}}}})",
                    // Escapes that spell a lone surrogate decode to bytes no UTF-8 text holds.
                    R"({"info": {"CFBundleName": "a\udc00"}})", R"({"info": {"\ud800": "x"}})",
                    R"({"localizations": {"en": {"InfoPlist": {"k": "\udfff"}}}})"));

TEST(Bundle, EmptyDescriptionIsAnEmptyBundle) {
  const std::optional<Bundle> b = Bundle::fromJSON("{}");
  ASSERT_TRUE(b.has_value());
  EXPECT_TRUE(b->infoDictionary().empty());
  EXPECT_EQ(b->localizedString("CFBundleName", "", "InfoPlist"), "CFBundleName");
}

// --- localised strings ----------------------------------------------------------

struct LookupRow {
  std::string_view name;
  std::vector<std::string> preferred;
  std::string_view key;
  std::string_view value;
  std::string_view table;
  std::string_view expected;
};
void PrintTo(const LookupRow& r, std::ostream* os) { *os << r.name; }

class BundleLocalizedString : public testing::TestWithParam<LookupRow> {};

TEST_P(BundleLocalizedString, FollowsTheSearchOrderAndTheEmptyDefaultRule) {
  const LookupRow& r = GetParam();
  Bundle b = sample();
  b.setPreferredLocalizations(r.preferred);
  EXPECT_EQ(b.localizedString(r.key, r.value, r.table), r.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lookups, BundleLocalizedString,
    testing::Values(
        LookupRow{"PreferredOverridesDevelopment", {"zh-Hans"}, "CFBundleDisplayName", "", "InfoPlist", "换算"},
        LookupRow{"FirstPreferredWins", {"zh-Hant-TW", "zh-Hans"}, "CFBundleDisplayName", "", "InfoPlist",
                  "換算（台灣）"},
        LookupRow{"UnheldPreferredIsSkipped", {"fr", "zh-Hans"}, "CFBundleDisplayName", "", "InfoPlist", "换算"},
        LookupRow{"FallsBackToDevelopment", {"zh-Hans"}, "OnlyInEnglish", "", "InfoPlist", "english"},
        LookupRow{"FallsBackToBase", {"zh-Hans"}, "OnlyInBase", "", "InfoPlist", "base"},
        LookupRow{"UnknownLanguageUsesDevelopment", {"fr"}, "CFBundleDisplayName", "", "InfoPlist", "Converter"},
        LookupRow{"EmptyOverrideIsKept", {"zh-Hans"}, "TMS", "", "InfoPlist", ""},
        LookupRow{"MissingKeyWithEmptyDefaultGivesKey", {"en"}, "ShortProductName", "", "InfoPlist",
                  "ShortProductName"},
        LookupRow{"MissingKeyGivesNonEmptyDefault", {"en"}, "ShortProductName", "Fallback", "InfoPlist", "Fallback"},
        LookupRow{"OtherTableHasNothing", {"en"}, "CFBundleDisplayName", "", "Localizable", "CFBundleDisplayName"},
        LookupRow{"KeysMatchExactly", {"en"}, "cfbundledisplayname", "", "InfoPlist", "cfbundledisplayname"}),
    [](const testing::TestParamInfo<LookupRow>& info) { return std::string(info.param.name); });

TEST(Bundle, SearchOrderListsHeldLocalizationsOnceThenDevelopmentThenBase) {
  Bundle b = sample();
  b.setPreferredLocalizations({"fr", "zh-Hans", "en", "zh-Hans"});
  EXPECT_EQ(b.searchOrder(), (std::vector<std::string>{"zh-Hans", "en", "Base"}));
}

class DefaultLocaleGuard {
 public:
  explicit DefaultLocaleGuard(const char* id) : saved_(icu::Locale::getDefault()) { set(icu::Locale(id)); }
  ~DefaultLocaleGuard() { set(saved_); }
  DefaultLocaleGuard(const DefaultLocaleGuard&) = delete;
  DefaultLocaleGuard& operator=(const DefaultLocaleGuard&) = delete;

 private:
  static void set(const icu::Locale& l) {
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(l, status);
  }
  icu::Locale saved_;
};

struct LocaleOrderRow {
  const char* locale;
  std::vector<std::string> order;
};
void PrintTo(const LocaleOrderRow& r, std::ostream* os) { *os << r.locale; }

class BundleOrderFromLocale : public testing::TestWithParam<LocaleOrderRow> {};

TEST_P(BundleOrderFromLocale, DerivesCandidatesFromTheCurrentLocale) {
  const DefaultLocaleGuard guard(GetParam().locale);
  EXPECT_EQ(sample().searchOrder(), GetParam().order);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, BundleOrderFromLocale,
    testing::Values(LocaleOrderRow{"zh_Hans_CN", {"zh-Hans", "en", "Base"}},
                    LocaleOrderRow{"zh_Hant_TW", {"zh-Hant-TW", "en", "Base"}},
                    LocaleOrderRow{"de_DE", {"en", "Base"}}, LocaleOrderRow{"en_GB", {"en", "Base"}}));

// A bundle holding exactly these localisations, English for development.
Bundle holding(std::initializer_list<const char*> names) {
  Bundle::Localizations localizations;
  for (const char* name : names) localizations[name] = {{"InfoPlist", {{"name", name}}}};
  return Bundle({}, std::move(localizations), "en");
}

struct LikelyRow {
  const char* locale;
  std::vector<const char*> held;
  std::vector<std::string> order;
};
void PrintTo(const LikelyRow& r, std::ostream* os) { *os << r.locale; }

class BundleOrderWithLikelySubtags : public testing::TestWithParam<LikelyRow> {};

TEST_P(BundleOrderWithLikelySubtags, MatchesAsThePlatformDoes) {
  const DefaultLocaleGuard guard(GetParam().locale);
  const auto& held = GetParam().held;
  Bundle b({}, {}, "en");
  switch (held.size()) {
    case 3: b = holding({held[0], held[1], held[2]}); break;
    case 4: b = holding({held[0], held[1], held[2], held[3]}); break;
    default: FAIL() << "rows hold three or four localisations";
  }
  EXPECT_EQ(b.searchOrder(), GetParam().order);
}

// Traditional Chinese for Taiwan, Hong Kong and Macao; Simplified for the
// mainland even without a plain "zh"; names written with "_" found too.
INSTANTIATE_TEST_SUITE_P(
    Locales, BundleOrderWithLikelySubtags,
    testing::Values(LikelyRow{"zh_TW", {"en", "zh", "zh-Hans", "zh-Hant"}, {"zh-Hant", "zh", "en"}},
                    LikelyRow{"zh_HK", {"en", "zh", "zh-Hans", "zh-Hant"}, {"zh-Hant", "zh", "en"}},
                    LikelyRow{"zh_MO", {"en", "zh", "zh-Hans", "zh-Hant"}, {"zh-Hant", "zh", "en"}},
                    LikelyRow{"zh_CN", {"en", "zh", "zh-Hans", "zh-Hant"}, {"zh-Hans", "zh", "en"}},
                    LikelyRow{"zh_CN", {"en", "zh-Hans", "zh-Hant"}, {"zh-Hans", "en"}},
                    LikelyRow{"zh_SG", {"en", "zh-Hans", "zh-Hant"}, {"zh-Hans", "en"}},
                    LikelyRow{"zh", {"en", "zh-Hans", "zh-Hant"}, {"zh-Hans", "en"}},
                    LikelyRow{"zh_TW", {"en", "zh_TW", "pt_BR"}, {"zh_TW", "en"}},
                    LikelyRow{"zh_Hant_TW", {"en", "zh_TW", "pt_BR"}, {"zh_TW", "en"}},
                    LikelyRow{"pt_BR", {"en", "zh_TW", "pt_BR"}, {"pt_BR", "en"}},
                    LikelyRow{"pt_PT", {"en", "zh_TW", "pt_BR"}, {"en"}},
                    LikelyRow{"en_US", {"en", "zh", "zh-Hans", "zh-Hant"}, {"en"}}));

// --- the main bundle ------------------------------------------------------------

class MainBundle : public testing::Test {
 protected:
  void TearDown() override {
    Bundle::setMain(Bundle());
    if (!path_.empty()) std::remove(path_.c_str());
  }
  std::string writeFile(std::string_view contents) {
    // ctest runs each test in its own process, side by side: one file each.
    path_ = testing::TempDir() + "tal_bundle_" +
            testing::UnitTest::GetInstance()->current_test_info()->name() + ".json";
    std::ofstream(path_, std::ios::binary) << contents;
    return path_;
  }
  std::string path_;
};

TEST_F(MainBundle, IsEmptyUntilInstalled) {
  EXPECT_TRUE(Bundle::main()->infoDictionary().empty());
  EXPECT_EQ(Bundle::main()->localizedString("TMS", "", "InfoPlist"), "TMS");
}

TEST_F(MainBundle, LoadsFromAFile) {
  ASSERT_TRUE(Bundle::loadMain(writeFile(kBundleJSON)));
  EXPECT_EQ(Bundle::main()->infoString("CFBundleVersion"), "57");
}

TEST_F(MainBundle, KeepsThePreviousBundleWhenTheFileIsBadOrMissing) {
  Bundle::setMain(sample());
  EXPECT_FALSE(Bundle::loadMain(writeFile("{ not json")));
  EXPECT_FALSE(Bundle::loadMain(testing::TempDir() + "no/such/dir/bundle.json"));
  EXPECT_EQ(Bundle::main()->infoString("CFBundleVersion"), "57");
}

TEST_F(MainBundle, AReaderKeepsTheBundleItGotAcrossAReplacement) {
  Bundle::setMain(sample());
  const auto held = Bundle::main();
  Bundle::setMain(Bundle());
  EXPECT_EQ(held->infoString("CFBundleVersion"), "57");
  EXPECT_FALSE(Bundle::main()->infoString("CFBundleVersion").has_value());
}

}  // namespace
}  // namespace tal::platform
