#include "TalFoundation/currency/ExchangeRateData.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "TalFoundation/currency/DecodingError.h"

namespace tal {
namespace {

using Kind = DecodingError::Kind;

Decimal dec(std::string_view text) { return Decimal::fromString(text).value(); }

ExchangeRateData sample(std::optional<std::int64_t> next = std::nullopt) {
  return ExchangeRateData("USD", 1775779352, next, {{"USD", 1}, {"EUR", dec("0.855422")}, {"JPY", dec("158.975818")}});
}

// The error fromJSON throws for `json`; fails the test when it decodes.
DecodingError decodingError(std::string_view json) {
  try {
    (void)ExchangeRateData::fromJSON(json);
  } catch (const DecodingError& error) {
    return error;
  }
  ADD_FAILURE() << "decoded: " << json.substr(0, 200);
  return DecodingError(Kind::dataCorrupted, "<none>", "<none>");
}

// A rate as read, and the number text it is written back as.
struct RateText {
  std::string_view read;
  std::string_view written;
};

class ExchangeRateDataRoundTrip : public testing::TestWithParam<RateText> {};

TEST_P(ExchangeRateDataRoundTrip, KeepsEveryDigitOfARate) {
  const std::string json = std::string(R"({"baseCode":"USD","timeLastUpdateUnix":1,"rates":{"XYZ":)") +
                           std::string(GetParam().read) + "}}";
  const ExchangeRateData data = ExchangeRateData::fromJSON(json);
  EXPECT_EQ(data.rates().at("XYZ"), dec(GetParam().read));
  const std::optional<std::string> written = data.toJSON();
  ASSERT_TRUE(written.has_value());
  EXPECT_NE(written->find(std::string(R"("XYZ":)") + std::string(GetParam().written) + "}"), std::string::npos)
      << *written;
  EXPECT_EQ(ExchangeRateData::fromJSON(*written), data);
}

INSTANTIATE_TEST_SUITE_P(
    Rates, ExchangeRateDataRoundTrip,
    testing::Values(RateText{"0.855422", "0.855422"}, RateText{"24714.793507", "24714.793507"},
                    RateText{"1", "1"}, RateText{"0", "0"}, RateText{"-0.5", "-0.5"},
                    RateText{"1.50", "1.5"}, RateText{"949892.164238", "949892.164238"},
                    // 30 and 38 significant digits
                    RateText{"123456789012345.678901234567891", "123456789012345.678901234567891"},
                    RateText{"1.2345678901234567890123456789012345678", "1.2345678901234567890123456789012345678"},
                    RateText{"98765432109876543210987654321098765432", "98765432109876543210987654321098765432"},
                    // exponents: plain where short, scientific where plain would be pages long
                    RateText{"7e3", "7000"}, RateText{"1.5E-7", "0.00000015"}, RateText{"1.5e-30", "1.5E-30"},
                    RateText{"2E+60", "2E+60"}, RateText{"2e308", "2E+308"}, RateText{"1e-400", "1E-400"},
                    RateText{"-3.25e-999", "-3.25E-999"}));

TEST(ExchangeRateData, WritesTheNextUpdateTimeOnlyWhenPresent) {
  const std::string without = sample().toJSON().value();
  EXPECT_EQ(without.find("timeNextUpdateUnix"), std::string::npos);
  EXPECT_EQ(ExchangeRateData::fromJSON(without), sample());

  const std::string with = sample(1775865752).toJSON().value();
  EXPECT_NE(with.find(R"("timeNextUpdateUnix":1775865752)"), std::string::npos);
  EXPECT_EQ(ExchangeRateData::fromJSON(with), sample(1775865752));
}

TEST(ExchangeRateData, WritesTheKeysInFieldOrder) {
  EXPECT_EQ(sample(2).toJSON(),
            R"({"baseCode":"USD","timeLastUpdateUnix":1775779352,"timeNextUpdateUnix":2,)"
            R"("rates":{"EUR":0.855422,"JPY":158.975818,"USD":1}})");
}

TEST(ExchangeRateData, NextUpdateTimeMayBeNullOrMissing) {
  const auto null = ExchangeRateData::fromJSON(
      R"({"baseCode":"USD","timeLastUpdateUnix":5,"timeNextUpdateUnix":null,"rates":{}})");
  EXPECT_FALSE(null.timeNextUpdateUnix().has_value());
  const auto missing = ExchangeRateData::fromJSON(R"({"rates":{},"timeLastUpdateUnix":5,"baseCode":"USD"})");
  EXPECT_FALSE(missing.timeNextUpdateUnix().has_value());
  EXPECT_TRUE(missing.rates().empty());
}

TEST(ExchangeRateData, IgnoresOtherKeysWhateverTheyHold) {
  const auto data = ExchangeRateData::fromJSON(R"({
    "result": "success", "documentation": {"rates": {"EUR": "not this one"}, "list": [1, [2, {"baseCode": 3}]]},
    "baseCode": "EUR", "BaseCode": 7, "timeLastUpdateUnix": 10, "time_last_update_unix": "x",
    "rates": {"USD": 1.16901, "EUR": 1}, "provider": null, "ok": true
  })");
  EXPECT_EQ(data, ExchangeRateData("EUR", 10, std::nullopt, {{"USD", dec("1.16901")}, {"EUR", 1}}));
}

// Numbers in ignored keys are never read as numbers, whatever their size.
TEST(ExchangeRateData, IgnoredKeysMayHoldNumbersOfAnySize) {
  const auto data = ExchangeRateData::fromJSON(
      R"({"baseCode":"USD","timeLastUpdateUnix":1,"rates":{},"note":1e400,"more":[-1e-400000000, 1e999999999999]})");
  EXPECT_EQ(data, ExchangeRateData("USD", 1, std::nullopt, {}));
}

TEST(ExchangeRateData, AByteOrderMarkBeforeTheDocumentIsSkipped) {
  const auto data =
      ExchangeRateData::fromJSON("\xEF\xBB\xBF" R"({"baseCode":"USD","timeLastUpdateUnix":1,"rates":{"EUR":0.5}})");
  EXPECT_EQ(data, ExchangeRateData("USD", 1, std::nullopt, {{"EUR", dec("0.5")}}));
  // Only at the start, and only once.
  EXPECT_THROW((void)ExchangeRateData::fromJSON(R"({"baseCode":"USD","timeLastUpdateUnix":1,"rates":{}})"
                                                "\xEF\xBB\xBF"),
               DecodingError);
}

// A rate past the range of a double but inside ours reads, and writes back.
TEST(ExchangeRateData, RatesBeyondDoubleRangeRoundTrip) {
  const auto data = ExchangeRateData::fromJSON(R"({"baseCode":"USD","timeLastUpdateUnix":1,"rates":{"EUR":1e309}})");
  EXPECT_EQ(data.rates().at("EUR"), dec("1e309"));
  EXPECT_EQ(ExchangeRateData::fromJSON(data.toJSON().value()), data);
}

TEST(ExchangeRateData, ARepeatedKeyCountsTheLastTime) {
  const auto data = ExchangeRateData::fromJSON(
      R"({"baseCode":"USD","baseCode":"EUR","timeLastUpdateUnix":1,"rates":{"USD":2},"rates":{"EUR":1,"EUR":3}})");
  EXPECT_EQ(data, ExchangeRateData("EUR", 1, std::nullopt, {{"EUR", 3}}));
}

TEST(ExchangeRateData, TimesAreWholeNumbersByValue) {
  const auto read = [](std::string_view number) {
    return ExchangeRateData::fromJSON(std::string(R"({"baseCode":"USD","rates":{},"timeLastUpdateUnix":)") +
                                      std::string(number) + "}")
        .timeLastUpdateUnix();
  };
  EXPECT_EQ(read("1775779352.0"), 1775779352);
  EXPECT_EQ(read("1.775779352e9"), 1775779352);
  EXPECT_EQ(read("-0"), 0);
  EXPECT_EQ(read("9223372036854775807"), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(read("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
}

// A document that fails, and the error it must give.
struct Bad {
  std::string_view name;
  std::string_view json;
  Kind kind;
  std::string_view key;
};

class ExchangeRateDataRejects : public testing::TestWithParam<Bad> {};

TEST_P(ExchangeRateDataRejects, WithTheNamedKeyAndKind) {
  const DecodingError error = decodingError(GetParam().json);
  EXPECT_EQ(error.kind(), GetParam().kind) << error.what();
  EXPECT_EQ(error.key(), GetParam().key) << error.what();
  EXPECT_FALSE(error.reason().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ExchangeRateDataRejects,
    testing::Values(
        Bad{"NoBaseCode", R"({"timeLastUpdateUnix":1,"rates":{}})", Kind::keyNotFound, "baseCode"},
        Bad{"NoTime", R"({"baseCode":"USD","rates":{}})", Kind::keyNotFound, "timeLastUpdateUnix"},
        Bad{"NoRates", R"({"baseCode":"USD","timeLastUpdateUnix":1})", Kind::keyNotFound, "rates"},
        Bad{"KeysAreCaseSensitive", R"({"BASECODE":"USD","timeLastUpdateUnix":1,"rates":{}})", Kind::keyNotFound,
            "baseCode"},
        Bad{"BaseCodeNumber", R"({"baseCode":840,"timeLastUpdateUnix":1,"rates":{}})", Kind::typeMismatch,
            "baseCode"},
        Bad{"BaseCodeNull", R"({"baseCode":null,"timeLastUpdateUnix":1,"rates":{}})", Kind::valueNotFound,
            "baseCode"},
        Bad{"TimeString", R"({"baseCode":"USD","timeLastUpdateUnix":"1","rates":{}})", Kind::typeMismatch,
            "timeLastUpdateUnix"},
        Bad{"TimeNull", R"({"baseCode":"USD","timeLastUpdateUnix":null,"rates":{}})", Kind::valueNotFound,
            "timeLastUpdateUnix"},
        Bad{"TimeFraction", R"({"baseCode":"USD","timeLastUpdateUnix":1.5,"rates":{}})", Kind::dataCorrupted,
            "timeLastUpdateUnix"},
        Bad{"TimeTooLarge", R"({"baseCode":"USD","timeLastUpdateUnix":9223372036854775808,"rates":{}})",
            Kind::dataCorrupted, "timeLastUpdateUnix"},
        Bad{"TimeHugeExponent", R"({"baseCode":"USD","timeLastUpdateUnix":1e999999,"rates":{}})",
            Kind::dataCorrupted, "timeLastUpdateUnix"},
        Bad{"NextTimeBoolean", R"({"baseCode":"USD","timeLastUpdateUnix":1,"timeNextUpdateUnix":true,"rates":{}})",
            Kind::typeMismatch, "timeNextUpdateUnix"},
        Bad{"NextTimeFraction", R"({"baseCode":"USD","timeLastUpdateUnix":1,"timeNextUpdateUnix":0.1,"rates":{}})",
            Kind::dataCorrupted, "timeNextUpdateUnix"},
        Bad{"RatesArray", R"({"baseCode":"USD","timeLastUpdateUnix":1,"rates":[1]})", Kind::typeMismatch, "rates"},
        Bad{"RatesNull", R"({"baseCode":"USD","timeLastUpdateUnix":1,"rates":null})", Kind::valueNotFound, "rates"},
        Bad{"RateString", R"({"baseCode":"USD","timeLastUpdateUnix":1,"rates":{"EUR":"0.85"}})", Kind::typeMismatch,
            "rates.EUR"},
        Bad{"RateNull", R"({"baseCode":"USD","timeLastUpdateUnix":1,"rates":{"USD":1,"EUR":null}})",
            Kind::valueNotFound, "rates.EUR"},
        Bad{"RateObject", R"({"baseCode":"USD","timeLastUpdateUnix":1,"rates":{"EUR":{"v":1}}})", Kind::typeMismatch,
            "rates.EUR"},
        Bad{"RateBeyondDecimalRange", R"({"baseCode":"USD","timeLastUpdateUnix":1,"rates":{"EUR":1e1000000}})",
            Kind::dataCorrupted, "rates.EUR"},
        // Below the range a nonzero rate would read as 0: refused like one above it.
        Bad{"RateBelowDecimalRange", R"({"baseCode":"USD","timeLastUpdateUnix":1,"rates":{"USD":1,"EUR":1e-2000000}})",
            Kind::dataCorrupted, "rates.EUR"},
        Bad{"RateBelowDecimalRangeWithFraction",
            R"({"baseCode":"USD","timeLastUpdateUnix":1,"rates":{"EUR":0.0001e-999999}})", Kind::dataCorrupted,
            "rates.EUR"},
        // A wrong type counts even when the key comes again later.
        Bad{"MistypedThenFine", R"({"baseCode":1,"baseCode":"USD","timeLastUpdateUnix":1,"rates":{}})",
            Kind::typeMismatch, "baseCode"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Documents, ExchangeRateDataRejects,
    testing::Values(Bad{"Empty", "", Kind::dataCorrupted, ""}, Bad{"Spaces", " \n\t ", Kind::dataCorrupted, ""},
                    Bad{"RootArray", "[]", Kind::typeMismatch, ""},
                    Bad{"RootString", R"("USD")", Kind::typeMismatch, ""},
                    Bad{"RootNumber", "1", Kind::typeMismatch, ""}, Bad{"RootNull", "null", Kind::valueNotFound, ""},
                    Bad{"TextAfterTheValue", R"({"baseCode":"USD","timeLastUpdateUnix":1,"rates":{}} x)",
                        Kind::dataCorrupted, ""},
                    Bad{"TwoValues", R"({"baseCode":"USD","timeLastUpdateUnix":1,"rates":{}}{})",
                        Kind::dataCorrupted, ""},
                    Bad{"Comment", R"({"baseCode":"USD", /* c */ "timeLastUpdateUnix":1,"rates":{}})",
                        Kind::dataCorrupted, ""},
                    Bad{"TrailingComma", R"({"baseCode":"USD","timeLastUpdateUnix":1,"rates":{"EUR":1,}})",
                        Kind::dataCorrupted, ""},
                    Bad{"NaNLiteral", R"({"baseCode":"USD","timeLastUpdateUnix":1,"rates":{"EUR":NaN}})",
                        Kind::dataCorrupted, ""},
                    Bad{"LeadingZero", R"({"baseCode":"USD","timeLastUpdateUnix":1,"rates":{"EUR":01}})",
                        Kind::dataCorrupted, ""},
                    Bad{"SingleQuotes", R"({'baseCode':"USD","timeLastUpdateUnix":1,"rates":{}})",
                        Kind::dataCorrupted, ""},
                    Bad{"LoneSurrogateEscape", R"({"baseCode":"\uD800","timeLastUpdateUnix":1,"rates":{}})",
                        Kind::dataCorrupted, ""},
                    Bad{"InvalidUtf8InKey", "{\"base\xFF\x43ode\":\"USD\",\"timeLastUpdateUnix\":1,\"rates\":{}}",
                        Kind::dataCorrupted, ""},
                    Bad{"InvalidUtf8InRateCode",
                        "{\"baseCode\":\"USD\",\"timeLastUpdateUnix\":1,\"rates\":{\"\xC0\xAF\":1}}",
                        Kind::dataCorrupted, ""},
                    Bad{"TruncatedUtf8InValue", "{\"baseCode\":\"US\xE2\x82\",\"timeLastUpdateUnix\":1,\"rates\":{}}",
                        Kind::dataCorrupted, ""},
                    Bad{"RawControlCharacter", "{\"baseCode\":\"U\x01SD\",\"timeLastUpdateUnix\":1,\"rates\":{}}",
                        Kind::dataCorrupted, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExchangeRateData, AZeroByteEndsNothing) {
  const std::string valid = R"({"baseCode":"USD","timeLastUpdateUnix":1,"rates":{}})";
  EXPECT_EQ(decodingError(valid + std::string(1, '\0') + "junk").kind(), Kind::dataCorrupted);
  EXPECT_EQ(decodingError(valid + std::string(1, '\0')).kind(), Kind::dataCorrupted);
  EXPECT_EQ(ExchangeRateData::fromJSON(valid + " \r\n\t").baseCode(), "USD");
}

TEST(ExchangeRateData, EveryTruncationOfADocumentIsReportedAsCorrupted) {
  const std::string json = sample(7).toJSON().value();
  for (std::size_t length = 0; length < json.size(); ++length) {
    SCOPED_TRACE(json.substr(0, length));
    EXPECT_EQ(decodingError(std::string_view(json).substr(0, length)).kind(), Kind::dataCorrupted);
  }
}

TEST(ExchangeRateData, ErrorTextNamesTheKeyAndTheReason) {
  const DecodingError error =
      decodingError(R"({"baseCode":"USD","timeLastUpdateUnix":1,"rates":{"EUR":"0.85"}})");
  EXPECT_STREQ(error.what(), "rates.EUR: expected a number, found a string");
}

TEST(ExchangeRateData, ModestNestingInIgnoredKeysIsFollowed) {
  const std::string deep = std::string(200, '[') + std::string(200, ']');
  const auto data =
      ExchangeRateData::fromJSON(R"({"deep":)" + deep + R"(,"baseCode":"USD","timeLastUpdateUnix":1,"rates":{}})");
  EXPECT_EQ(data.baseCode(), "USD");
}

TEST(ExchangeRateData, HostileNestingIsRefusedNotFollowed) {
  std::string objects;
  for (int i = 0; i < 300'000; ++i) objects += R"({"a":)";
  for (const std::string& opening : {std::string(1'000'000, '['), objects}) {
    const std::string json = R"({"deep":)" + opening;
    const DecodingError error = decodingError(json);
    EXPECT_EQ(error.kind(), Kind::dataCorrupted);
    EXPECT_NE(std::string(error.what()).find("nesting"), std::string::npos) << error.what();
  }
}

TEST(ExchangeRateData, TenMegabyteDocumentsDecodeOrFailCleanly) {
  // Half a million rates.
  std::string many = R"({"baseCode":"USD","timeLastUpdateUnix":1,"rates":{)";
  std::size_t count = 0;
  while (many.size() < 10'000'000) {
    if (count > 0) many += ',';
    many += "\"C" + std::to_string(count++) + "\":0.123456";
  }
  many += "}}";
  const ExchangeRateData data = ExchangeRateData::fromJSON(many);
  EXPECT_EQ(data.rates().size(), count);
  EXPECT_EQ(data.rates().at("C0"), dec("0.123456"));

  // One huge ignored string.
  const std::string longString =
      R"({"note":")" + std::string(10'000'000, 'a') + R"(","baseCode":"USD","timeLastUpdateUnix":1,"rates":{}})";
  EXPECT_EQ(ExchangeRateData::fromJSON(longString).baseCode(), "USD");

  // One rate of ten million digits: beyond the decimal range.
  const std::string longNumber =
      R"({"baseCode":"USD","timeLastUpdateUnix":1,"rates":{"EUR":1)" + std::string(10'000'000, '0') + "}}";
  const DecodingError error = decodingError(longNumber);
  EXPECT_EQ(error.kind(), Kind::dataCorrupted);
  EXPECT_EQ(error.key(), "rates.EUR");
  EXPECT_LT(std::string(error.what()).size(), 200u);
}

TEST(ExchangeRateData, EncodingRefusesWhatJsonCannotCarry) {
  EXPECT_FALSE(ExchangeRateData("USD", 1, std::nullopt, {{"EUR", Decimal::nan()}}).toJSON().has_value());
  EXPECT_FALSE(ExchangeRateData("US\xFF", 1, std::nullopt, {}).toJSON().has_value());
  EXPECT_FALSE(ExchangeRateData("USD", 1, std::nullopt, {{"\xC3", 1}}).toJSON().has_value());
}

TEST(ExchangeRateData, EncodingEscapesTextThatNeedsIt) {
  const ExchangeRateData data("U\"S\\D\n€", -5, std::nullopt, {{std::string("A\0B", 3), 2}});
  const std::string json = data.toJSON().value();
  EXPECT_NE(json.find(R"("baseCode":"U\"S\\D\n€")"), std::string::npos) << json;
  EXPECT_EQ(ExchangeRateData::fromJSON(json), data);
}

}  // namespace
}  // namespace tal
