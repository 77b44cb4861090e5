// The six stored format settings share one contract; each has its table.
#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "TalFoundation/numbertext/TalDecimalPlace.h"
#include "TalFoundation/numbertext/TalDecimalSeparator.h"
#include "TalFoundation/numbertext/TalDigitGroupingSize.h"
#include "TalFoundation/numbertext/TalDigitGroupingSymbol.h"
#include "TalFoundation/numbertext/TalNotation.h"
#include "TalFoundation/numbertext/TalSecondaryDigitGroupingSize.h"

namespace tal {
namespace {

template <typename E, typename Raw>
struct Row {
  E value;
  Raw raw;
};

template <typename E>
struct Table;

template <>
struct Table<TalNotation> {
  using Raw = std::string_view;
  static std::vector<Row<TalNotation, Raw>> rows() {
    return {{TalNotation::normal, "normal"},
            {TalNotation::fixed, "fixed"},
            {TalNotation::scientific, "scientific"},
            {TalNotation::engineer, "engineer"}};
  }
  static std::vector<Raw> rejected() {
    return {"Normal", "NORMAL", "normal ", " fixed", "engineering", "sci", "", "Scientific"};
  }
};

template <>
struct Table<TalDecimalPlace> {
  using Raw = std::int64_t;
  static std::vector<Row<TalDecimalPlace, Raw>> rows() {
    return {{TalDecimalPlace::_0, 0},   {TalDecimalPlace::_1, 1},   {TalDecimalPlace::_2, 2},
            {TalDecimalPlace::_3, 3},   {TalDecimalPlace::_4, 4},   {TalDecimalPlace::_5, 5},
            {TalDecimalPlace::_6, 6},   {TalDecimalPlace::_7, 7},   {TalDecimalPlace::_8, 8},
            {TalDecimalPlace::_9, 9},   {TalDecimalPlace::_10, 10}, {TalDecimalPlace::_11, 11},
            {TalDecimalPlace::_12, 12}, {TalDecimalPlace::_13, 13}, {TalDecimalPlace::_14, 14}};
  }
  static std::vector<Raw> rejected() { return {15, 16, -1, 100, INT64_MIN, INT64_MAX, 256}; }
};

template <>
struct Table<TalDecimalSeparator> {
  using Raw = std::string_view;
  static std::vector<Row<TalDecimalSeparator, Raw>> rows() {
    return {{TalDecimalSeparator::dot, "."},
            {TalDecimalSeparator::comma, ","},
            {TalDecimalSeparator::arabicDecimalSeparator, "\u066B"}};
  }
  // U+066C and U+060C look like separators but are not decimal ones.
  static std::vector<Raw> rejected() { return {"", "\u066C", "\u060C", "..", " .", "\u066B ", "dot", "\xD9"}; }
};

template <>
struct Table<TalDigitGroupingSize> {
  using Raw = std::int64_t;
  static std::vector<Row<TalDigitGroupingSize, Raw>> rows() {
    return {{TalDigitGroupingSize::_2, 2}, {TalDigitGroupingSize::_3, 3}, {TalDigitGroupingSize::_4, 4}};
  }
  static std::vector<Raw> rejected() { return {0, 1, 5, 6, -2, 258}; }
};

template <>
struct Table<TalSecondaryDigitGroupingSize> {
  using Raw = std::int64_t;
  static std::vector<Row<TalSecondaryDigitGroupingSize, Raw>> rows() {
    return {{TalSecondaryDigitGroupingSize::_0, 0},
            {TalSecondaryDigitGroupingSize::_2, 2},
            {TalSecondaryDigitGroupingSize::_3, 3},
            {TalSecondaryDigitGroupingSize::_4, 4}};
  }
  static std::vector<Raw> rejected() { return {1, 5, -1, 256}; }
};

template <>
struct Table<TalDigitGroupingSymbol> {
  using Raw = std::string_view;
  static std::vector<Row<TalDigitGroupingSymbol, Raw>> rows() {
    return {{TalDigitGroupingSymbol::noSymbol, ""},
            {TalDigitGroupingSymbol::dot, "."},
            {TalDigitGroupingSymbol::comma, ","},
            {TalDigitGroupingSymbol::space, " "},
            {TalDigitGroupingSymbol::apostrophe, "'"},
            {TalDigitGroupingSymbol::arabicThousandsSeparator, "\u066C"},
            {TalDigitGroupingSymbol::arabicComma, "\u060C"}};
  }
  // No-break and thin spaces, the right single quotation mark and the Arabic
  // decimal separator are other code points.
  static std::vector<Raw> rejected() { return {"\u00A0", "\u2009", "\u2019", "\u066B", "  ", ",,", "none", "\xD9"}; }
};

template <typename E>
class FormatSettingEnum : public testing::Test {};

using Enums = testing::Types<TalNotation, TalDecimalPlace, TalDecimalSeparator, TalDigitGroupingSize,
                             TalSecondaryDigitGroupingSize, TalDigitGroupingSymbol>;
TYPED_TEST_SUITE(FormatSettingEnum, Enums);

TYPED_TEST(FormatSettingEnum, AllCasesFollowTheTableInOrder) {
  const auto rows = Table<TypeParam>::rows();
  const auto all = TypeParam::allCases();
  ASSERT_EQ(all.size(), rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(all[i], rows[i].value);
    EXPECT_EQ(all[i].rawValue(), rows[i].raw);
    EXPECT_EQ(all[i].id(), rows[i].raw);
  }
}

TYPED_TEST(FormatSettingEnum, RawValuesRoundTrip) {
  for (const auto& row : Table<TypeParam>::rows()) {
    SCOPED_TRACE(::testing::PrintToString(row.raw));
    const auto decoded = TypeParam::fromRawValue(row.raw);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, row.value);
    EXPECT_EQ(TypeParam::fromRawValue(decoded->rawValue()), row.value);
  }
}

TYPED_TEST(FormatSettingEnum, OtherRawValuesAreRejected) {
  for (const auto& raw : Table<TypeParam>::rejected()) {
    SCOPED_TRACE(::testing::PrintToString(raw));
    EXPECT_EQ(TypeParam::fromRawValue(raw), std::nullopt);
  }
}

TYPED_TEST(FormatSettingEnum, EqualityAndHashFollowTheRawValue) {
  std::unordered_set<TypeParam> seen;
  for (const auto& c : TypeParam::allCases()) {
    EXPECT_TRUE(seen.insert(c).second);
    EXPECT_EQ(std::hash<TypeParam>{}(c), std::hash<TypeParam>{}(*TypeParam::fromRawValue(c.rawValue())));
  }
  const auto all = TypeParam::allCases();
  EXPECT_NE(all.front(), all.back());
}

TEST(FormatSettingSymbols, SymbolIsTheRawValue) {
  for (const auto& c : TalDecimalSeparator::allCases()) EXPECT_EQ(c.symbol(), c.rawValue());
  for (const auto& c : TalDigitGroupingSymbol::allCases()) EXPECT_EQ(c.symbol(), c.rawValue());
  EXPECT_EQ(TalDigitGroupingSymbol::arabicThousandsSeparator.symbol().size(), 2u);  // U+066C, not ","
  EXPECT_EQ(TalDigitGroupingSymbol::noSymbol.symbol(), "");
}

}  // namespace
}  // namespace tal
