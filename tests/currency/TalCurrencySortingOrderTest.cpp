#include "TalFoundation/currency/TalCurrencySortingOrder.h"

#include <gtest/gtest.h>

#include <string_view>

#include "TalFoundation/currency/DecodingError.h"

namespace tal {
namespace {

TEST(TalCurrencySortingOrder, CasesAndRawValuesInOrder) {
  const auto cases = TalCurrencySortingOrder::allCases();
  ASSERT_EQ(cases.size(), 2u);
  EXPECT_EQ(cases[0], TalCurrencySortingOrder::sortByCurrencyCode);
  EXPECT_EQ(cases[1], TalCurrencySortingOrder::sortByCurrencyName);
  EXPECT_EQ(cases[0].rawValue(), "Sort by Currency Code");
  EXPECT_EQ(cases[1].rawValue(), "Sort by Currency Name");
  EXPECT_EQ(cases[1].id(), "Sort by Currency Name");
  EXPECT_EQ(std::hash<TalCurrencySortingOrder>{}(cases[0]), std::hash<std::string_view>{}("Sort by Currency Code"));
}

TEST(TalCurrencySortingOrder, FromRawValueTakesOnlyTheExactText) {
  EXPECT_EQ(TalCurrencySortingOrder::fromRawValue("Sort by Currency Code"),
            TalCurrencySortingOrder::sortByCurrencyCode);
  EXPECT_EQ(TalCurrencySortingOrder::fromRawValue("Sort by Currency Name"),
            TalCurrencySortingOrder::sortByCurrencyName);
  for (const std::string_view text : {"sort by currency code", "Sort by Currency Code ", "sortByCurrencyCode", ""})
    EXPECT_FALSE(TalCurrencySortingOrder::fromRawValue(text).has_value()) << text;
}

TEST(TalCurrencySortingOrder, CodesAsItsRawValueString) {
  EXPECT_EQ(TalCurrencySortingOrder::sortByCurrencyName.toJSON(), "\"Sort by Currency Name\"");
  for (const auto order : TalCurrencySortingOrder::allCases())
    EXPECT_EQ(TalCurrencySortingOrder::fromJSON(order.toJSON()), order);
}

TEST(TalCurrencySortingOrder, DecodingOtherTextThrows) {
  EXPECT_THROW((void)TalCurrencySortingOrder::fromJSON("\"sort by currency name\""), DecodingError);
  EXPECT_THROW((void)TalCurrencySortingOrder::fromJSON("1"), DecodingError);
  EXPECT_THROW((void)TalCurrencySortingOrder::fromJSON("\"Sort by Currency Name"), DecodingError);
}

}  // namespace
}  // namespace tal
