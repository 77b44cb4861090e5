#include "TalFoundation/currency/TalCurrency.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include <unicode/locid.h>

#include "TalFoundation/currency/DecodingError.h"
#include "TalFoundation/units/TalUnit.h"

namespace tal {
namespace {

struct Expected {
  std::string_view code;
  std::string_view symbol;
};

// Typed from the currency table, in declaration order.
const Expected kExpected[] = {
    {"AED", "د.إ"}, {"AFN", "؋"}, {"ALL", "L"}, {"AMD", "֏"}, {"ANG", "NAƒ"}, {"AOA", "Kz"}, {"ARS", "AR$"},
    {"AUD", "A$"}, {"AWG", "Afl"}, {"AZN", "₼"}, {"BAM", "KM"}, {"BBD", "Bds$"}, {"BDT", "৳"}, {"BGN", "лв"},
    {"BHD", ".د.ب"}, {"BIF", "FBu"}, {"BMD", "BD$"}, {"BND", "B$"}, {"BOB", "Bs."}, {"BRL", "R$"},
    {"BSD", "B$"}, {"BTN", "Nu."}, {"BWP", "P"}, {"BYN", "Br"}, {"BZD", "BZ$"}, {"CAD", "C$"}, {"CDF", "FC"},
    {"CHF", "Fr."}, {"CLP", "CLP$"}, {"CNH", "CN¥"}, {"CNY", "CN¥"}, {"COP", "COL$"}, {"CRC", "₡"},
    {"CUP", "CUP$"}, {"CVE", "Esc"}, {"CZK", "Kč"}, {"DJF", "Fdj"}, {"DKK", "kr."}, {"DOP", "RD$"},
    {"DZD", "دج"}, {"EGP", "E£"}, {"ERN", "Nfk"}, {"ETB", "Br"}, {"EUR", "€"}, {"FJD", "FJ$"}, {"FKP", "FK£"},
    {"GBP", "£"}, {"GEL", "₾"}, {"GHS", "GH₵"}, {"GIP", "£"}, {"GMD", "D"}, {"GNF", "FG"}, {"GTQ", "Q"},
    {"GYD", "G$"}, {"HKD", "HK$"}, {"HNL", "L"}, {"HRK", "kn"}, {"HTG", "G"}, {"HUF", "Ft"}, {"IDR", "Rp"},
    {"ILS", "₪"}, {"INR", "₹"}, {"IQD", "ع.د"}, {"IRR", "﷼"}, {"ISK", "kr"}, {"JMD", "J$"}, {"JOD", "د.ا"},
    {"JPY", "JP¥"}, {"KES", "KSh"}, {"KGS", "с"}, {"KHR", "៛"}, {"KMF", "CF"}, {"KRW", "₩"}, {"KWD", "د.ك"},
    {"KYD", "CI$"}, {"KZT", "₸"}, {"LAK", "₭"}, {"LBP", "ل.ل"}, {"LKR", "රු"}, {"LRD", "L$"}, {"LSL", "M"},
    {"LYD", "ل.د"}, {"MAD", "DH"}, {"MDL", "L"}, {"MGA", "Ar"}, {"MKD", "ден"}, {"MMK", "K"}, {"MNT", "₮"},
    {"MOP", "MOP$"}, {"MRU", "UM"}, {"MUR", "Rs"}, {"MVR", "ރ"}, {"MWK", "MK"}, {"MXN", "Mex$"},
    {"MYR", "RM"}, {"MZN", "MT"}, {"NAD", "N$"}, {"NGN", "₦"}, {"NIO", "C$"}, {"NOK", "kr"}, {"NPR", "रू"},
    {"NZD", "NZ$"}, {"OMR", "ر.ع."}, {"PAB", "B/."}, {"PEN", "S/."}, {"PGK", "K"}, {"PHP", "₱"},
    {"PKR", "Rs"}, {"PLN", "zł"}, {"PYG", "Gs"}, {"QAR", "ر.ق"}, {"RON", "lei"}, {"RSD", "РСД"}, {"RUB", "₽"},
    {"RWF", "RF"}, {"SAR", "ر.س"}, {"SBD", "SI$"}, {"SCR", "SR"}, {"SDG", "ج.س."}, {"SEK", "kr"},
    {"SGD", "S$"}, {"SHP", "£"}, {"SLE", "Le"}, {"SLL", "Le"}, {"SOS", "Sh.So."}, {"SRD", "SRD$"},
    {"SSP", "SSP"}, {"STN", "Db"}, {"SYP", "ل.س"}, {"SZL", "E"}, {"THB", "฿"}, {"TJS", "SM"}, {"TMT", "m"},
    {"TND", "د.ت"}, {"TOP", "T$"}, {"TRY", "₺"}, {"TTD", "TT$"}, {"TWD", "NT$"}, {"TZS", "TSh"}, {"UAH", "₴"},
    {"UGX", "USh"}, {"USD", "US$"}, {"UYU", "$U"}, {"UZS", "so'm"}, {"VES", "Bs."}, {"VND", "₫"},
    {"VUV", "VT"}, {"WST", "WS$"}, {"XAF", "FCFA"}, {"XCD", "EC$"}, {"XOF", "CFA"}, {"XPF", "F"},
    {"YER", "ر.ي"}, {"ZAR", "R"}, {"ZMW", "ZK"}, {"ZWG", "ZiG"},
};

// The code points of the non-Latin symbols, as the table lists them.
struct CodePoints {
  std::string_view code;
  std::vector<char32_t> points;
};
const CodePoints kCodePoints[] = {
    {"AED", {0x062F, 0x2E, 0x0625}},       {"BHD", {0x2E, 0x062F, 0x2E, 0x0628}}, {"DZD", {0x062F, 0x062C}},
    {"IQD", {0x0639, 0x2E, 0x062F}},       {"IRR", {0xFDFC}},                    {"JOD", {0x062F, 0x2E, 0x0627}},
    {"KWD", {0x062F, 0x2E, 0x0643}},       {"LBP", {0x0644, 0x2E, 0x0644}},       {"LYD", {0x0644, 0x2E, 0x062F}},
    {"OMR", {0x0631, 0x2E, 0x0639, 0x2E}}, {"QAR", {0x0631, 0x2E, 0x0642}},       {"SAR", {0x0631, 0x2E, 0x0633}},
    {"SDG", {0x062C, 0x2E, 0x0633, 0x2E}}, {"SYP", {0x0644, 0x2E, 0x0633}},       {"TND", {0x062F, 0x2E, 0x062A}},
    {"YER", {0x0631, 0x2E, 0x064A}},       {"AFN", {0x060B}},                    {"MVR", {0x0783}},
    {"LKR", {0x0DBB, 0x0DD4}},             {"NPR", {0x0930, 0x0942}},             {"KGS", {0x0441}},
    {"BGN", {0x043B, 0x0432}},             {"MKD", {0x0434, 0x0435, 0x043D}},     {"RSD", {0x0420, 0x0421, 0x0414}},
};

// UTF-8 decoding for the test's own use; symbols are valid UTF-8.
std::vector<char32_t> decode(std::string_view text) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
    char32_t cp = extra == 0 ? lead : lead & (0x3Fu >> extra);
    for (int k = 1; k <= extra; ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0x3Fu);
    out.push_back(cp);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

TalUnit unit(TalUnitCategory category, std::string symbol) {
  return TalUnit(category, TalSystemOfUnits::si, nullptr, symbol, symbol, std::nullopt, std::nullopt, 1, 1, false,
                 std::nullopt, 0, false, false, std::nullopt, std::nullopt, std::nullopt);
}

TEST(TalCurrency, EveryCaseMatchesItsTableRowInOrder) {
  const auto cases = TalCurrency::allCases();
  ASSERT_EQ(cases.size(), std::size(kExpected));
  for (std::size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(kExpected[i].code);
    EXPECT_EQ(static_cast<std::size_t>(cases[i].value()), i);
    EXPECT_EQ(cases[i].rawValue(), kExpected[i].code);
    EXPECT_EQ(cases[i].id(), kExpected[i].code);
    EXPECT_EQ(cases[i].isoCode(), kExpected[i].code);
    EXPECT_EQ(cases[i].symbol(), kExpected[i].symbol);
  }
}

TEST(TalCurrency, ListRunsFromAedToZwgWithCnhBeforeCny) {
  const auto cases = TalCurrency::allCases();
  EXPECT_EQ(cases.front(), TalCurrency::AED);
  EXPECT_EQ(cases.back(), TalCurrency::ZWG);
  EXPECT_EQ(cases[29], TalCurrency::CNH);
  EXPECT_EQ(cases[30], TalCurrency::CNY);
  EXPECT_EQ(cases[122], TalCurrency::SLE);
  EXPECT_EQ(cases[123], TalCurrency::SLL);
}

TEST(TalCurrency, NonLatinSymbolsHaveTheirCodePointsInLogicalOrder) {
  for (const auto& [code, points] : kCodePoints) {
    SCOPED_TRACE(code);
    const auto currency = TalCurrency::fromRawValue(code);
    ASSERT_TRUE(currency.has_value());
    EXPECT_EQ(decode(currency->symbol()), points);
  }
}

TEST(TalCurrency, SharedSymbolsBelongToSeveralCodes) {
  EXPECT_EQ(TalCurrency::CNH.symbol(), "CN¥");
  EXPECT_EQ(TalCurrency::CNY.symbol(), "CN¥");
  EXPECT_EQ(TalCurrency::SLE.symbol(), "Le");
  EXPECT_EQ(TalCurrency::SLL.symbol(), "Le");
  EXPECT_NE(TalCurrency::SLE, TalCurrency::SLL);
}

TEST(TalCurrency, FromRawValueTakesOnlyAnExactCode) {
  EXPECT_EQ(TalCurrency::fromRawValue("USD"), TalCurrency::USD);
  EXPECT_EQ(TalCurrency::fromRawValue("AED"), TalCurrency::AED);
  EXPECT_EQ(TalCurrency::fromRawValue("ZWG"), TalCurrency::ZWG);
  for (const std::string_view text : {"usd", "Usd", " USD", "USD ", "XAU", "", "US", "USDX", "AAA", "ZZZ"}) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(TalCurrency::fromRawValue(text).has_value());
  }
  EXPECT_FALSE(TalCurrency::fromRawValue(std::string_view("USD\0", 4)).has_value());
}

TEST(TalCurrency, HashIsTheHashOfTheCode) {
  for (const TalCurrency c : TalCurrency::allCases())
    EXPECT_EQ(std::hash<TalCurrency>{}(c), std::hash<std::string_view>{}(c.rawValue()));
  const std::unordered_set<TalCurrency> set(TalCurrency::allCases().begin(), TalCurrency::allCases().end());
  EXPECT_EQ(set.size(), 156u);
}

TEST(TalCurrency, EncodesAsItsCodeString) {
  EXPECT_EQ(TalCurrency::EUR.toJSON(), "\"EUR\"");
  for (const TalCurrency c : TalCurrency::allCases()) EXPECT_EQ(TalCurrency::fromJSON(c.toJSON()), c);
  EXPECT_EQ(TalCurrency::fromJSON(" \"JPY\"\n"), TalCurrency::JPY);
}

struct BadCurrencyJson {
  std::string_view json;
  DecodingError::Kind kind;
};

class TalCurrencyDecoding : public testing::TestWithParam<BadCurrencyJson> {};

TEST_P(TalCurrencyDecoding, RejectsWithTheNamedError) {
  try {
    (void)TalCurrency::fromJSON(GetParam().json);
    FAIL() << "decoded " << GetParam().json;
  } catch (const DecodingError& error) {
    EXPECT_EQ(error.kind(), GetParam().kind) << error.what();
    EXPECT_EQ(error.key(), "");
  }
}

INSTANTIATE_TEST_SUITE_P(
    BadText, TalCurrencyDecoding,
    testing::Values(BadCurrencyJson{"\"XAU\"", DecodingError::Kind::dataCorrupted},
                    BadCurrencyJson{"\"eur\"", DecodingError::Kind::dataCorrupted},
                    BadCurrencyJson{"\"\"", DecodingError::Kind::dataCorrupted},
                    BadCurrencyJson{"EUR", DecodingError::Kind::dataCorrupted},
                    BadCurrencyJson{"\"EUR", DecodingError::Kind::dataCorrupted},
                    BadCurrencyJson{"\"EUR\" \"USD\"", DecodingError::Kind::dataCorrupted},
                    BadCurrencyJson{"", DecodingError::Kind::dataCorrupted},
                    BadCurrencyJson{"null", DecodingError::Kind::valueNotFound},
                    BadCurrencyJson{"978", DecodingError::Kind::typeMismatch},
                    BadCurrencyJson{"[\"EUR\"]", DecodingError::Kind::typeMismatch},
                    BadCurrencyJson{"{\"code\":\"EUR\"}", DecodingError::Kind::typeMismatch}));

TEST(TalCurrencyName, FollowsTheLocaleAskedOf) {
  EXPECT_EQ(currencyName(TalCurrency::USD, "en"), "US Dollar");
  EXPECT_EQ(currencyName(TalCurrency::USD, "de_DE"), "US-Dollar");
  EXPECT_EQ(currencyName(TalCurrency::EUR, "ja"), "ユーロ");
  EXPECT_EQ(currencyName(TalCurrency::EUR, "zh-Hans"), "欧元");
  EXPECT_EQ(currencyName(TalCurrency::CNH, "en"), "Chinese Yuan (offshore)");
}

TEST(TalCurrencyName, IsAbsentWhereTheLocaleDataHasNoName) {
  // The root locale names no currency; this ICU has no name for ZWG at all.
  EXPECT_FALSE(currencyName(TalCurrency::USD, "root").has_value());
  EXPECT_FALSE(currencyName(TalCurrency::ZWG, "en").has_value());
}

TEST(TalCurrencyName, WithoutALocaleUsesTheCurrentOne) {
  const icu::Locale previous = icu::Locale::getDefault();
  UErrorCode status = U_ZERO_ERROR;
  icu::Locale::setDefault(icu::Locale("fr_FR"), status);
  ASSERT_TRUE(U_SUCCESS(status));
  const auto name = currencyName(TalCurrency::EUR);
  icu::Locale::setDefault(previous, status);
  EXPECT_EQ(name, "euro");
}

TEST(TalUnitCurrencySymbol, ReadsTheCurrencyOfACurrencyUnit) {
  EXPECT_EQ(unit(TalUnitCategory::currency, "JPY").currencySymbol(), "JP¥");
  EXPECT_EQ(unit(TalUnitCategory::currency, "AED").currencySymbol(), "د.إ");
}

TEST(TalUnitCurrencySymbol, IsAbsentOutsideCurrencyOrForAnUnknownCode) {
  EXPECT_FALSE(unit(TalUnitCategory::length, "m").currencySymbol().has_value());
  EXPECT_FALSE(unit(TalUnitCategory::length, "JPY").currencySymbol().has_value());
  EXPECT_FALSE(unit(TalUnitCategory::currency, "XAU").currencySymbol().has_value());
  EXPECT_FALSE(unit(TalUnitCategory::currency, "jpy").currencySymbol().has_value());
}

}  // namespace
}  // namespace tal
