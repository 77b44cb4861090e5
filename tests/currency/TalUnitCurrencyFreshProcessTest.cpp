// The catalogue's state before anything has touched it. This must run in a
// process of its own, so it is a program of its own.
#include <gtest/gtest.h>

#include "TalFoundation/currency/TalExchangeRateManager.h"
#include "TalFoundation/currency/TalUnitCurrency.h"

namespace tal {
namespace {

TEST(TalUnitCurrencyFreshProcess, StartsEmptyWithUsdAndNoTime) {
  EXPECT_TRUE(TalUnitCurrency::allUnits().empty());
  EXPECT_TRUE(TalUnitCategory::currency.getUnits().empty());
  EXPECT_EQ(TalUnitCurrency::baseCode(), "USD");
  EXPECT_FALSE(TalUnitCurrency::timeLastUpdateUnix().has_value());

  // Updating before any source is configured fails and leaves it so.
  const std::optional<Error> error = TalExchangeRateManager::shared().updateRates().get();
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->domain, "ExchangeRateManager");
  EXPECT_EQ(error->code, -1);
  EXPECT_TRUE(TalUnitCurrency::allUnits().empty());
  EXPECT_FALSE(TalUnitCurrency::timeLastUpdateUnix().has_value());
}

}  // namespace
}  // namespace tal
