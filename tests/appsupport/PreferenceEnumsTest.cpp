#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "TalFoundation/appsupport/AppColorScheme.h"
#include "TalFoundation/appsupport/SFSymbols.h"
#include "TalFoundation/appsupport/TalChineseFontPreference.h"
#include "TalFoundation/appsupport/TalNumPadTheme.h"
#include "TalFoundation/appsupport/TalNumPadType.h"

namespace tal {
namespace {

template <typename E>
struct Row {
  E value;
  std::string_view raw;
};

// The five enumerations share their contract; each typed test gets its table.
template <typename E>
struct Table;

template <>
struct Table<TalNumPadTheme> {
  static std::vector<Row<TalNumPadTheme>> rows() {
    return {{TalNumPadTheme::general, "general"}, {TalNumPadTheme::calGeneral, "calGeneral"}};
  }
  static std::vector<std::string_view> rejected() {
    return {"", "General", "calgeneral", "cal", "general ", " general", "calGeneral\n", "CALGENERAL"};
  }
};
template <>
struct Table<TalNumPadType> {
  static std::vector<Row<TalNumPadType>> rows() { return {{TalNumPadType::general, "general"}, {TalNumPadType::cal, "cal"}}; }
  static std::vector<std::string_view> rejected() { return {"", "Cal", "CAL", "calGeneral", "calc", "cal ", "General"}; }
};
template <>
struct Table<AppColorScheme> {
  static std::vector<Row<AppColorScheme>> rows() {
    return {{AppColorScheme::dark, "dark"}, {AppColorScheme::light, "light"}, {AppColorScheme::auto_, "auto"}};
  }
  static std::vector<std::string_view> rejected() {
    return {"", "Auto", "aUto", "auTo", "autO", "AUTO", "auto_", "Dark", "LIGHT", "system", " dark", "light\t"};
  }
};
template <>
struct Table<TalChineseFontPreference> {
  static std::vector<Row<TalChineseFontPreference>> rows() {
    return {{TalChineseFontPreference::Hans, "Hans"},
            {TalChineseFontPreference::Hant, "Hant"},
            {TalChineseFontPreference::HK, "HK"},
            {TalChineseFontPreference::TW, "TW"}};
  }
  static std::vector<std::string_view> rejected() { return {"", "hans", "HANS", "hk", "Tw", "zh-Hans", "Hant ", "MO", "CN"}; }
};
template <>
struct Table<SFSymbols> {
  static std::vector<Row<SFSymbols>> rows() {
    return {{SFSymbols::checkmark, "checkmark"},       {SFSymbols::hint, "lightbulb"},
            {SFSymbols::questionmark, "questionmark"}, {SFSymbols::refresh, "arrow.clockwise"},
            {SFSymbols::settings, "gear"},             {SFSymbols::undo, "arrow.uturn.backward"}};
  }
  // The role names of the four cases whose image name differs are not raw values.
  static std::vector<std::string_view> rejected() {
    return {"", "hint", "refresh", "settings", "undo", "Lightbulb", "lightbulb.fill", "arrow.clockwise ", "Gear"};
  }
};

template <typename E>
class PreferenceEnum : public testing::Test {};

using Enums = testing::Types<TalNumPadTheme, TalNumPadType, AppColorScheme, TalChineseFontPreference, SFSymbols>;
TYPED_TEST_SUITE(PreferenceEnum, Enums);

TYPED_TEST(PreferenceEnum, RawValuesMatchTheTableAndRoundTrip) {
  for (const auto& row : Table<TypeParam>::rows()) {
    EXPECT_EQ(row.value.rawValue(), row.raw);
    EXPECT_EQ(TypeParam::fromRawValue(row.raw), row.value) << row.raw;
  }
}

TYPED_TEST(PreferenceEnum, OtherTextIsRejectedByExactMatch) {
  for (const std::string_view raw : Table<TypeParam>::rejected()) {
    EXPECT_EQ(TypeParam::fromRawValue(raw), std::nullopt) << '"' << raw << '"';
  }
}

TYPED_TEST(PreferenceEnum, CasesAreDistinctAndHashAsTheirRawValue) {
  std::unordered_set<TypeParam> set;
  for (const auto& row : Table<TypeParam>::rows()) {
    set.insert(row.value);
    EXPECT_EQ(std::hash<TypeParam>{}(row.value), std::hash<std::string_view>{}(row.raw));
  }
  EXPECT_EQ(set.size(), Table<TypeParam>::rows().size());
}

// allCases where the enumeration offers it.
template <typename E>
void expectAllCasesInTableOrder() {
  const auto all = E::allCases();
  const auto rows = Table<E>::rows();
  ASSERT_EQ(all.size(), rows.size());
  for (std::size_t i = 0; i < all.size(); ++i) EXPECT_EQ(all[i], rows[i].value) << i;
}

TEST(PreferenceEnumCases, InDeclarationOrder) {
  expectAllCasesInTableOrder<TalNumPadTheme>();
  expectAllCasesInTableOrder<TalNumPadType>();
  expectAllCasesInTableOrder<AppColorScheme>();
  expectAllCasesInTableOrder<TalChineseFontPreference>();
}

TEST(PreferenceEnumIdentity, IsTheRawValue) {
  EXPECT_EQ(TalNumPadTheme::calGeneral.id(), "calGeneral");
  EXPECT_EQ(TalNumPadType::cal.id(), "cal");
  EXPECT_EQ(AppColorScheme::auto_.id(), "auto");
}

// --- AppColorScheme's coded form -----------------------------------------------------

struct JsonRow {
  std::string_view json;
  AppColorScheme scheme;
};
void PrintTo(const JsonRow& r, std::ostream* os) { *os << r.json; }

class AppColorSchemeJSON : public testing::TestWithParam<JsonRow> {};

TEST_P(AppColorSchemeJSON, DecodesAndEncodesAsTheRawValueString) {
  EXPECT_EQ(AppColorScheme::fromJSON(GetParam().json), GetParam().scheme);
  EXPECT_EQ(AppColorScheme::decode(GetParam().scheme.rawValue()), GetParam().scheme);
  EXPECT_EQ(AppColorScheme::fromJSON(GetParam().scheme.toJSON()), GetParam().scheme);
}

INSTANTIATE_TEST_SUITE_P(Values, AppColorSchemeJSON,
                         testing::Values(JsonRow{"\"dark\"", AppColorScheme::dark},
                                         JsonRow{"\"light\"", AppColorScheme::light},
                                         JsonRow{"\"auto\"", AppColorScheme::auto_},
                                         JsonRow{" \"auto\"\n", AppColorScheme::auto_},
                                         JsonRow{"\"\\u0061uto\"", AppColorScheme::auto_}));

TEST(AppColorSchemeEncoding, IsTheQuotedRawValue) {
  EXPECT_EQ(AppColorScheme::dark.toJSON(), "\"dark\"");
  EXPECT_EQ(AppColorScheme::light.toJSON(), "\"light\"");
  EXPECT_EQ(AppColorScheme::auto_.toJSON(), "\"auto\"");
}

struct BadJsonRow {
  std::string_view json;
  DecodingError::Kind kind;
};
void PrintTo(const BadJsonRow& r, std::ostream* os) { *os << r.json; }

class AppColorSchemeBadJSON : public testing::TestWithParam<BadJsonRow> {};

TEST_P(AppColorSchemeBadJSON, ThrowsADecodingErrorOfItsKind) {
  try {
    (void)AppColorScheme::fromJSON(GetParam().json);
    ADD_FAILURE() << "decoded " << GetParam().json;
  } catch (const DecodingError& e) {
    EXPECT_EQ(e.kind(), GetParam().kind);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Documents, AppColorSchemeBadJSON,
    testing::Values(BadJsonRow{"\"Auto\"", DecodingError::Kind::dataCorrupted},
                    BadJsonRow{"\"AUTO\"", DecodingError::Kind::dataCorrupted},
                    BadJsonRow{"\"\"", DecodingError::Kind::dataCorrupted},
                    BadJsonRow{"\"auto \"", DecodingError::Kind::dataCorrupted},
                    BadJsonRow{"\"system\"", DecodingError::Kind::dataCorrupted},
                    BadJsonRow{"", DecodingError::Kind::dataCorrupted},
                    BadJsonRow{"auto", DecodingError::Kind::dataCorrupted},
                    BadJsonRow{"\"auto", DecodingError::Kind::dataCorrupted},
                    BadJsonRow{"\"auto\" \"dark\"", DecodingError::Kind::dataCorrupted},
                    BadJsonRow{"1", DecodingError::Kind::typeMismatch},
                    BadJsonRow{"null", DecodingError::Kind::valueNotFound},
                    BadJsonRow{"[\"auto\"]", DecodingError::Kind::typeMismatch},
                    BadJsonRow{"{\"scheme\": \"auto\"}", DecodingError::Kind::typeMismatch}));

TEST(AppColorSchemeDecode, RejectsAnyOtherRawString) {
  EXPECT_THROW((void)AppColorScheme::decode("Auto"), DecodingError);
  EXPECT_THROW((void)AppColorScheme::decode(""), DecodingError);
  EXPECT_THROW((void)AppColorScheme::decode(std::string_view("auto\0", 5)), DecodingError);
}

}  // namespace
}  // namespace tal
