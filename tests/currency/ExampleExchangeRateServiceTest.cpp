#include "TalFoundation/currency/ExampleExchangeRateService.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <thread>
#include <variant>

namespace tal {
namespace {

Decimal dec(std::string_view text) { return Decimal::fromString(text).value(); }

// Typed from the sample table, sorted by code.
const std::pair<std::string_view, std::string_view> kSampleRates[] = {
    {"AED", "3.6725"}, {"AFN", "64.369153"}, {"ALL", "82.102205"}, {"AMD", "376.539888"}, {"ANG", "1.79"},
    {"AOA", "923.553904"}, {"ARS", "1383.2312"}, {"AUD", "1.416179"}, {"AWG", "1.79"}, {"AZN", "1.700503"},
    {"BAM", "1.673062"}, {"BBD", "2"}, {"BDT", "122.894179"}, {"BGN", "1.673062"}, {"BHD", "0.376"},
    {"BIF", "2980.975395"}, {"BMD", "1"}, {"BND", "1.273661"}, {"BOB", "6.912953"}, {"BRL", "5.080657"},
    {"BSD", "1"}, {"BTN", "92.809817"}, {"BWP", "13.729121"}, {"BYN", "2.910308"}, {"BZD", "2"},
    {"CAD", "1.382395"}, {"CDF", "2308.121446"}, {"CHF", "0.790696"}, {"CLF", "0.022688"},
    {"CLP", "896.763772"}, {"CNH", "6.831152"}, {"CNY", "6.845497"}, {"COP", "3655.286236"},
    {"CRC", "465.130721"}, {"CUP", "24"}, {"CVE", "94.323209"}, {"CZK", "20.860804"}, {"DJF", "177.721"},
    {"DKK", "6.384794"}, {"DOP", "60.628195"}, {"DZD", "132.521058"}, {"EGP", "53.122458"}, {"ERN", "15"},
    {"ETB", "155.916554"}, {"EUR", "0.855422"}, {"FJD", "2.216668"}, {"FKP", "0.744816"}, {"FOK", "6.384726"},
    {"GBP", "0.744815"}, {"GEL", "2.695191"}, {"GGP", "0.744816"}, {"GHS", "11.092315"}, {"GIP", "0.744816"},
    {"GMD", "74.27504"}, {"GNF", "8778.777348"}, {"GTQ", "7.650376"}, {"GYD", "209.539941"},
    {"HKD", "7.834723"}, {"HNL", "26.579478"}, {"HRK", "6.445184"}, {"HTG", "131.120041"},
    {"HUF", "322.165899"}, {"IDR", "17083.379014"}, {"ILS", "3.064431"}, {"IMP", "0.744816"},
    {"INR", "92.812023"}, {"IQD", "1311.919675"}, {"IRR", "949892.164238"}, {"ISK", "122.992918"},
    {"JEP", "0.744816"}, {"JMD", "157.718562"}, {"JOD", "0.709"}, {"JPY", "158.975818"},
    {"KES", "129.211268"}, {"KGS", "87.500375"}, {"KHR", "4029.145902"}, {"KID", "1.41531"},
    {"KMF", "420.840492"}, {"KRW", "1476.982511"}, {"KWD", "0.308348"}, {"KYD", "0.833333"},
    {"KZT", "477.486328"}, {"LAK", "21980.69326"}, {"LBP", "89500"}, {"LKR", "315.124897"},
    {"LRD", "184.157601"}, {"LSL", "16.39628"}, {"LYD", "6.373502"}, {"MAD", "9.299144"},
    {"MDL", "17.251737"}, {"MGA", "4176.801101"}, {"MKD", "53.047644"}, {"MMK", "2100.80363"},
    {"MNT", "3593.576644"}, {"MOP", "8.069764"}, {"MRU", "40.116988"}, {"MUR", "46.557042"},
    {"MVR", "15.452967"}, {"MWK", "1742.032164"}, {"MXN", "17.386701"}, {"MYR", "3.982674"},
    {"MZN", "63.724946"}, {"NAD", "16.39628"}, {"NGN", "1365.619172"}, {"NIO", "36.798274"},
    {"NOK", "9.50621"}, {"NPR", "148.495708"}, {"NZD", "1.709487"}, {"OMR", "0.384497"}, {"PAB", "1"},
    {"PEN", "3.385726"}, {"PGK", "4.337826"}, {"PHP", "59.751193"}, {"PKR", "279.244741"},
    {"PLN", "3.634972"}, {"PYG", "6491.621217"}, {"QAR", "3.64"}, {"RON", "4.3602"}, {"RSD", "100.408702"},
    {"RUB", "77.807871"}, {"RWF", "1460.363779"}, {"SAR", "3.75"}, {"SBD", "8.030283"}, {"SCR", "14.499352"},
    {"SDG", "512.162542"}, {"SEK", "9.28875"}, {"SGD", "1.27345"}, {"SHP", "0.744816"}, {"SLE", "24.714793"},
    {"SLL", "24714.793507"}, {"SOS", "572.568796"}, {"SRD", "37.583436"}, {"SSP", "4588.544245"},
    {"STN", "20.957862"}, {"SYP", "113.018783"}, {"SZL", "16.39628"}, {"THB", "32.093275"},
    {"TJS", "9.544338"}, {"TMT", "3.504987"}, {"TND", "2.898522"}, {"TOP", "2.386753"}, {"TRY", "44.632516"},
    {"TTD", "6.768047"}, {"TVD", "1.41531"}, {"TWD", "31.772618"}, {"TZS", "2603.832208"},
    {"UAH", "43.446441"}, {"UGX", "3702.096958"}, {"USD", "1"}, {"UYU", "40.607692"}, {"UZS", "12232.201234"},
    {"VES", "476.4342"}, {"VND", "26231.561092"}, {"VUV", "119.247044"}, {"WST", "2.726006"},
    {"XAF", "561.120656"}, {"XCD", "2.7"}, {"XCG", "1.79"}, {"XDR", "0.731376"}, {"XOF", "561.120656"},
    {"XPF", "102.079328"}, {"YER", "238.635889"}, {"ZAR", "16.389639"}, {"ZMW", "19.246374"},
    {"ZWG", "25.2401"}, {"ZWL", "25.2401"},
};

ExchangeRateResult fetchOnce() {
  std::optional<ExchangeRateResult> result;
  int calls = 0;
  ExampleExchangeRateService().fetchExchangeRates([&](ExchangeRateResult r) {
    ++calls;
    result.emplace(std::move(r));
  });
  EXPECT_EQ(calls, 1);
  return result.value_or(Error{"test", 0, "no result"});
}

TEST(ExampleExchangeRateService, CompletesOnceBeforeReturningOnTheCallingThread) {
  const std::thread::id caller = std::this_thread::get_id();
  int calls = 0;
  std::thread::id calledOn;
  ExampleExchangeRateService().fetchExchangeRates([&](ExchangeRateResult) {
    ++calls;
    calledOn = std::this_thread::get_id();
  });
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(calledOn, caller);
}

TEST(ExampleExchangeRateService, DeliversTheSampleSnapshot) {
  const ExchangeRateResult result = fetchOnce();
  const auto* data = std::get_if<ExchangeRateData>(&result);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->baseCode(), "USD");
  EXPECT_EQ(data->timeLastUpdateUnix(), 1775779352);
  EXPECT_FALSE(data->timeNextUpdateUnix().has_value());
  EXPECT_EQ(data->rates().at("USD"), dec("1"));
  EXPECT_EQ(data->rates().at("EUR"), dec("0.855422"));
  EXPECT_EQ(data->rates().at("JPY"), dec("158.975818"));
  EXPECT_EQ(data->rates().at("SLL"), dec("24714.793507"));
}

TEST(ExampleExchangeRateService, EveryRateEqualsItsTableTextExactly) {
  const ExchangeRateResult result = fetchOnce();
  const auto* data = std::get_if<ExchangeRateData>(&result);
  ASSERT_NE(data, nullptr);
  ASSERT_EQ(data->rates().size(), std::size(kSampleRates));
  auto it = data->rates().begin();
  for (const auto& [code, rate] : kSampleRates) {
    SCOPED_TRACE(code);
    EXPECT_EQ(it->first, code);
    EXPECT_EQ(it->second, dec(rate));
    ++it;
  }
}

TEST(ExampleExchangeRateService, EachFetchGivesAnEqualSnapshot) {
  EXPECT_EQ(std::get<ExchangeRateData>(fetchOnce()), std::get<ExchangeRateData>(fetchOnce()));
}

}  // namespace
}  // namespace tal
