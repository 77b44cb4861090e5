#include "TalFoundation/currency/TalUnitCurrency.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <variant>
#include <vector>

#include "TalFoundation/currency/ExampleExchangeRateService.h"
#include "TalFoundation/currency/TalCurrency.h"
#include "TalFoundation/units/TalMeasurement.h"

namespace tal {
namespace {

Decimal dec(std::string_view text) { return Decimal::fromString(text).value(); }

ExchangeRateData exampleSnapshot() {
  std::optional<ExchangeRateData> data;
  ExampleExchangeRateService().fetchExchangeRates([&](ExchangeRateResult r) { data = std::get<ExchangeRateData>(r); });
  return data.value();
}

const TalUnit& unitWithCode(const std::vector<TalUnit>& units, std::string_view code) {
  const auto it = std::find_if(units.begin(), units.end(), [&](const TalUnit& u) { return u.symbol() == code; });
  if (it == units.end()) throw std::runtime_error("no unit " + std::string(code));
  return *it;
}

// The catalogue is process-wide: every test starts from the held base "USD".
class TalUnitCurrencyTest : public testing::Test {
 protected:
  void SetUp() override { TalUnitCurrency::setBaseCode("USD"); }
};

TEST_F(TalUnitCurrencyTest, TheExampleSnapshotGivesOneUnitPerCurrencyInCodeOrder) {
  const ExchangeRateData data = exampleSnapshot();
  TalUnitCurrency::updateRates(data.rates(), data.timeLastUpdateUnix(), data.baseCode());
  const std::vector<TalUnit> units = TalUnitCurrency::allUnits();
  ASSERT_EQ(units.size(), 156u);
  EXPECT_EQ(units.front().id(), "currency_AED");
  EXPECT_EQ(units.back().id(), "currency_ZWG");
  EXPECT_TRUE(std::is_sorted(units.begin(), units.end(),
                             [](const TalUnit& a, const TalUnit& b) { return a.symbol() < b.symbol(); }));
  std::set<std::string> codes;
  for (const TalUnit& u : units) codes.insert(u.symbol());
  EXPECT_EQ(codes.size(), 156u);
  // The ten codes of the snapshot outside the list make no unit.
  for (const std::string_view extra : {"CLF", "FOK", "GGP", "IMP", "JEP", "KID", "TVD", "XCG", "XDR", "ZWL"})
    EXPECT_EQ(codes.count(std::string(extra)), 0u) << extra;
  EXPECT_EQ(TalUnitCurrency::timeLastUpdateUnix(), 1775779352);
  EXPECT_EQ(TalUnitCurrency::baseCode(), "USD");
}

TEST_F(TalUnitCurrencyTest, EveryUnitIsFilledFromItsCodeAndRate) {
  const ExchangeRateData data = exampleSnapshot();
  TalUnitCurrency::updateRates(data.rates(), data.timeLastUpdateUnix(), data.baseCode());
  for (const TalUnit& u : TalUnitCurrency::allUnits()) {
    SCOPED_TRACE(u.symbol());
    const Decimal rate = data.rates().at(u.symbol());
    EXPECT_EQ(u.id(), "currency_" + u.symbol());
    EXPECT_EQ(u.category(), TalUnitCategory::currency);
    EXPECT_EQ(u.systemOfUnits(), TalSystemOfUnits::si);
    EXPECT_EQ(u.dimension(), nullptr);
    EXPECT_EQ(u.name(), u.symbol());
    EXPECT_FALSE(u.symbolKey().has_value());
    EXPECT_FALSE(u.symbolNeedLocalized());
    EXPECT_FALSE(u.useCustomaryName().has_value());
    EXPECT_EQ(u.coefficient(), Decimal(1) / rate);
    EXPECT_EQ(u.baseNumerator(), rate);
    EXPECT_FALSE(u.inverse());
    EXPECT_FALSE(u.region().has_value());
    EXPECT_TRUE(u.offset().isZero());
    EXPECT_FALSE(u.localizationKey().has_value());
    EXPECT_EQ(u.isBaseUnit(), u.symbol() == "USD");
    EXPECT_FALSE(u.isUIBaseUnit());
    EXPECT_FALSE(u.numsInSymbol().has_value());
    if (u.symbol() == "SLL") {
      EXPECT_EQ(u.numsInName(), (std::vector<std::string>{"1964", "2022"}));
    } else {
      EXPECT_FALSE(u.numsInName().has_value());
    }
    EXPECT_EQ(u.currencySymbol(), TalCurrency::fromRawValue(u.symbol())->symbol());
  }
}

TEST_F(TalUnitCurrencyTest, EuroAndDollarConvertThroughTheRates) {
  const ExchangeRateData data = exampleSnapshot();
  TalUnitCurrency::updateRates(data.rates(), data.timeLastUpdateUnix(), data.baseCode());
  const std::vector<TalUnit> units = TalUnitCurrency::allUnits();
  const TalUnit& eur = unitWithCode(units, "EUR");
  const TalUnit& usd = unitWithCode(units, "USD");
  const TalUnit& jpy = unitWithCode(units, "JPY");
  EXPECT_EQ(usd.coefficient(), Decimal(1));
  EXPECT_EQ(eur.baseNumerator(), dec("0.855422"));
  // Python decimal, 38 digits: 1 / 0.855422 and (100 / 0.855422) * 158.975818.
  EXPECT_EQ(eur.coefficient(), dec("1.1690136564175342696353378800171143599"));
  const auto oneEuro = TalMeasurement::convert(1, eur, usd);
  ASSERT_TRUE(oneEuro.has_value());
  EXPECT_EQ(oneEuro->rounded(5, Decimal::Rounding::halfEven), dec("1.16901"));
  EXPECT_EQ(TalMeasurement::convert(100, usd, eur), dec("85.5422"));
  EXPECT_EQ(TalMeasurement::convert(100, eur, jpy), dec("18584.490228214846005831040118210660936"));
}

TEST_F(TalUnitCurrencyTest, ASnapshotOfTwoCodesGivesTwoUnitsInCodeOrder) {
  TalUnitCurrency::updateRates({{"USD", 1}, {"EUR", dec("0.9")}}, 42, "USD");
  const std::vector<TalUnit> units = TalUnitCurrency::allUnits();
  ASSERT_EQ(units.size(), 2u);
  EXPECT_EQ(units[0].symbol(), "EUR");
  EXPECT_EQ(units[1].symbol(), "USD");
  EXPECT_EQ(TalUnitCurrency::timeLastUpdateUnix(), 42);
}

TEST_F(TalUnitCurrencyTest, CodesMatchExactlyAndOthersAreIgnored) {
  TalUnitCurrency::updateRates({{"eur", 2}, {"EUR ", 2}, {"XAU", 2}, {"", 2}, {"GBP", 2}}, 1, "USD");
  const std::vector<TalUnit> units = TalUnitCurrency::allUnits();
  ASSERT_EQ(units.size(), 1u);
  EXPECT_EQ(units[0].symbol(), "GBP");
}

TEST_F(TalUnitCurrencyTest, AnEmptySnapshotEmptiesTheListButStoresItsTimeAndBase) {
  TalUnitCurrency::updateRates({{"USD", 1}}, 1, "USD");
  TalUnitCurrency::updateRates({}, 99, "EUR");
  EXPECT_TRUE(TalUnitCurrency::allUnits().empty());
  EXPECT_TRUE(TalUnitCategory::currency.getUnits().empty());
  EXPECT_EQ(TalUnitCurrency::timeLastUpdateUnix(), 99);
  EXPECT_EQ(TalUnitCurrency::baseCode(), "EUR");
}

// The held base code before an update, and the unit it flags as base.
struct HeldBase {
  std::string_view held;
  std::string_view flagged;  // empty: none
};

class TalUnitCurrencyBaseFlag : public TalUnitCurrencyTest, public testing::WithParamInterface<HeldBase> {};

TEST_P(TalUnitCurrencyBaseFlag, FollowsTheHeldBaseCodeUpperCased) {
  TalUnitCurrency::setBaseCode(std::string(GetParam().held));
  TalUnitCurrency::updateRates({{"USD", 1}, {"EUR", dec("0.855422")}, {"SEK", dec("9.28875")}}, 1, "USD");
  for (const TalUnit& u : TalUnitCurrency::allUnits()) EXPECT_EQ(u.isBaseUnit(), u.symbol() == GetParam().flagged);
  // Afterwards the snapshot's own base code is held again.
  EXPECT_EQ(TalUnitCurrency::baseCode(), "USD");
}

INSTANTIATE_TEST_SUITE_P(Codes, TalUnitCurrencyBaseFlag,
                         testing::Values(HeldBase{"USD", "USD"}, HeldBase{"eur", "EUR"}, HeldBase{"sEk", "SEK"},
                                         // U+017F LATIN SMALL LETTER LONG S upper-cases to S.
                                         HeldBase{"u\u017Fd", "USD"}, HeldBase{"XAU", ""}, HeldBase{"", ""},
                                         HeldBase{" usd", ""}, HeldBase{"US\xFF", ""}));

TEST_F(TalUnitCurrencyTest, TheSnapshotBaseCodeIsStoredAsGiven) {
  TalUnitCurrency::updateRates({{"EUR", 1}}, 1, "eur");
  EXPECT_EQ(TalUnitCurrency::baseCode(), "eur");
  // The flag was decided by the base held before ("USD").
  EXPECT_FALSE(TalUnitCurrency::allUnits().front().isBaseUnit());
}

TEST_F(TalUnitCurrencyTest, ZeroAndNegativeRatesStillMakeUnits) {
  TalUnitCurrency::updateRates({{"USD", 1}, {"EUR", 0}, {"GBP", dec("-0.5")}}, 1, "USD");
  const std::vector<TalUnit> units = TalUnitCurrency::allUnits();
  ASSERT_EQ(units.size(), 3u);
  const TalUnit& eur = unitWithCode(units, "EUR");
  const TalUnit& gbp = unitWithCode(units, "GBP");
  const TalUnit& usd = unitWithCode(units, "USD");
  EXPECT_TRUE(eur.coefficient().isNaN());
  EXPECT_EQ(eur.baseNumerator(), Decimal(0));
  EXPECT_EQ(gbp.coefficient(), Decimal(-2));
  EXPECT_TRUE(TalMeasurement::convert(1, eur, usd).value().isNaN());
  EXPECT_EQ(TalMeasurement::convert(3, usd, eur), Decimal(0));
  EXPECT_EQ(TalMeasurement::convert(3, gbp, usd), Decimal(-6));
}

TEST_F(TalUnitCurrencyTest, CommentsChangeNothing) {
  TalUnitCurrency::updateRates({{"USD", 1}, {"EUR", 2}}, 5, "USD", "first");
  const std::vector<TalUnit> first = TalUnitCurrency::allUnits();
  TalUnitCurrency::updateRates({{"USD", 1}, {"EUR", 2}}, 5, "USD", "something else entirely");
  const std::vector<TalUnit> second = TalUnitCurrency::allUnits();
  ASSERT_EQ(first.size(), second.size());
  for (std::size_t i = 0; i < first.size(); ++i) {
    EXPECT_EQ(first[i].id(), second[i].id());
    EXPECT_EQ(first[i].coefficient(), second[i].coefficient());
    EXPECT_EQ(first[i].isBaseUnit(), second[i].isBaseUnit());
  }
}

TEST_F(TalUnitCurrencyTest, TheCategoryHandsOutTheSameList) {
  TalUnitCurrency::updateRates({{"USD", 1}, {"JPY", dec("158.975818")}}, 1, "USD");
  const std::vector<TalUnit> fromCategory = TalUnitCategory::currency.getUnits();
  ASSERT_EQ(fromCategory.size(), 2u);
  EXPECT_EQ(fromCategory[0].id(), "currency_JPY");
  EXPECT_EQ(fromCategory[0].currencySymbol(), "JP¥");
  EXPECT_EQ(TalUnitCurrency().category(), TalUnitCategory::currency);
  // The category's own fixed default stays absent; the record's is the first unit.
  EXPECT_FALSE(TalUnitCategory::currency.defaultUnit().has_value());
  EXPECT_EQ(TalUnit::defaultUnit(TalUnitCategory::currency)->id(), "currency_JPY");
}

TEST_F(TalUnitCurrencyTest, BaseCodeAndTimeCanBeSetDirectly) {
  TalUnitCurrency::setBaseCode("GBP");
  EXPECT_EQ(TalUnitCurrency::baseCode(), "GBP");
  TalUnitCurrency::setTimeLastUpdateUnix(7);
  EXPECT_EQ(TalUnitCurrency::timeLastUpdateUnix(), 7);
  TalUnitCurrency::setTimeLastUpdateUnix(std::nullopt);
  EXPECT_FALSE(TalUnitCurrency::timeLastUpdateUnix().has_value());
}

// Two snapshots told apart by their size and their one rate; a reader that
// ever sees a mixture, or a list of another size, has seen a torn update.
TEST_F(TalUnitCurrencyTest, ReadersSeeWholeListsWhileUpdatesRun) {
  ExchangeRateData::Rates small{{"USD", 2}, {"EUR", 2}, {"JPY", 2}};
  ExchangeRateData::Rates large;
  for (const TalCurrency c : TalCurrency::allCases()) large.emplace(std::string(c.rawValue()), 4);
  TalUnitCurrency::updateRates(small, 0, "USD");

  std::atomic<bool> done{false};
  std::atomic<int> torn{0};
  std::atomic<int> reads{0};
  std::vector<std::thread> readers;
  for (int r = 0; r < 3; ++r) {
    readers.emplace_back([&] {
      while (!done.load()) {
        const std::vector<TalUnit> units = TalUnitCategory::currency.getUnits();
        const Decimal rate = units.empty() ? Decimal(0) : *units.front().baseNumerator();
        const std::size_t expected = rate == Decimal(2) ? 3 : rate == Decimal(4) ? 156 : 0;
        bool whole = units.size() == expected;
        for (const TalUnit& u : units) whole = whole && u.baseNumerator() == rate;
        if (units.size() >= 2) {
          const auto converted = TalMeasurement::convert(10, units.front(), units.back());
          whole = whole && converted == Decimal(10);
        }
        if (!whole) ++torn;
        ++reads;
      }
    });
  }
  for (int i = 0; i < 300; ++i) {
    TalUnitCurrency::updateRates(i % 2 == 0 ? large : small, i, "USD");
    (void)TalUnitCurrency::baseCode();
  }
  // Let the readers run at least once each before stopping them.
  while (reads.load() < 3) std::this_thread::yield();
  done = true;
  for (auto& t : readers) t.join();
  EXPECT_EQ(torn.load(), 0);
  EXPECT_EQ(TalUnitCurrency::timeLastUpdateUnix(), 299);
  EXPECT_EQ(TalUnitCurrency::allUnits().size(), 3u);
}

}  // namespace
}  // namespace tal
