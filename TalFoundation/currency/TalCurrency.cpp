#include "TalFoundation/currency/TalCurrency.h"

#include <unicode/locid.h>
#include <unicode/ucurr.h>
#include <unicode/unistr.h>
#include <unicode/utypes.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

#include "TalFoundation/currency/DecodingError.h"
#include "TalFoundation/currency/detail/JsonText.h"

namespace tal {

namespace {

using Case = TalCurrency::Case;

struct Row {
  std::string_view code;
  std::string_view symbol;
};

// One row per case, in case order (ascending code). Right-to-left and other
// non-Latin symbols are spelled by code point, in logical order.
constexpr std::array kRows{
    Row{"AED", "\u062F.\u0625"},
    Row{"AFN", "\u060B"},
    Row{"ALL", "L"},
    Row{"AMD", "֏"},
    Row{"ANG", "NAƒ"},
    Row{"AOA", "Kz"},
    Row{"ARS", "AR$"},
    Row{"AUD", "A$"},
    Row{"AWG", "Afl"},
    Row{"AZN", "₼"},
    Row{"BAM", "KM"},
    Row{"BBD", "Bds$"},
    Row{"BDT", "৳"},
    Row{"BGN", "\u043B\u0432"},
    Row{"BHD", ".\u062F.\u0628"},
    Row{"BIF", "FBu"},
    Row{"BMD", "BD$"},
    Row{"BND", "B$"},
    Row{"BOB", "Bs."},
    Row{"BRL", "R$"},
    Row{"BSD", "B$"},
    Row{"BTN", "Nu."},
    Row{"BWP", "P"},
    Row{"BYN", "Br"},
    Row{"BZD", "BZ$"},
    Row{"CAD", "C$"},
    Row{"CDF", "FC"},
    Row{"CHF", "Fr."},
    Row{"CLP", "CLP$"},
    Row{"CNH", "CN¥"},
    Row{"CNY", "CN¥"},
    Row{"COP", "COL$"},
    Row{"CRC", "₡"},
    Row{"CUP", "CUP$"},
    Row{"CVE", "Esc"},
    Row{"CZK", "Kč"},
    Row{"DJF", "Fdj"},
    Row{"DKK", "kr."},
    Row{"DOP", "RD$"},
    Row{"DZD", "\u062F\u062C"},
    Row{"EGP", "E£"},
    Row{"ERN", "Nfk"},
    Row{"ETB", "Br"},
    Row{"EUR", "€"},
    Row{"FJD", "FJ$"},
    Row{"FKP", "FK£"},
    Row{"GBP", "£"},
    Row{"GEL", "₾"},
    Row{"GHS", "GH₵"},
    Row{"GIP", "£"},
    Row{"GMD", "D"},
    Row{"GNF", "FG"},
    Row{"GTQ", "Q"},
    Row{"GYD", "G$"},
    Row{"HKD", "HK$"},
    Row{"HNL", "L"},
    Row{"HRK", "kn"},
    Row{"HTG", "G"},
    Row{"HUF", "Ft"},
    Row{"IDR", "Rp"},
    Row{"ILS", "₪"},
    Row{"INR", "₹"},
    Row{"IQD", "\u0639.\u062F"},
    Row{"IRR", "\uFDFC"},
    Row{"ISK", "kr"},
    Row{"JMD", "J$"},
    Row{"JOD", "\u062F.\u0627"},
    Row{"JPY", "JP¥"},
    Row{"KES", "KSh"},
    Row{"KGS", "\u0441"},
    Row{"KHR", "៛"},
    Row{"KMF", "CF"},
    Row{"KRW", "₩"},
    Row{"KWD", "\u062F.\u0643"},
    Row{"KYD", "CI$"},
    Row{"KZT", "₸"},
    Row{"LAK", "₭"},
    Row{"LBP", "\u0644.\u0644"},
    Row{"LKR", "\u0DBB\u0DD4"},
    Row{"LRD", "L$"},
    Row{"LSL", "M"},
    Row{"LYD", "\u0644.\u062F"},
    Row{"MAD", "DH"},
    Row{"MDL", "L"},
    Row{"MGA", "Ar"},
    Row{"MKD", "\u0434\u0435\u043D"},
    Row{"MMK", "K"},
    Row{"MNT", "₮"},
    Row{"MOP", "MOP$"},
    Row{"MRU", "UM"},
    Row{"MUR", "Rs"},
    Row{"MVR", "\u0783"},
    Row{"MWK", "MK"},
    Row{"MXN", "Mex$"},
    Row{"MYR", "RM"},
    Row{"MZN", "MT"},
    Row{"NAD", "N$"},
    Row{"NGN", "₦"},
    Row{"NIO", "C$"},
    Row{"NOK", "kr"},
    Row{"NPR", "\u0930\u0942"},
    Row{"NZD", "NZ$"},
    Row{"OMR", "\u0631.\u0639."},
    Row{"PAB", "B/."},
    Row{"PEN", "S/."},
    Row{"PGK", "K"},
    Row{"PHP", "₱"},
    Row{"PKR", "Rs"},
    Row{"PLN", "zł"},
    Row{"PYG", "Gs"},
    Row{"QAR", "\u0631.\u0642"},
    Row{"RON", "lei"},
    Row{"RSD", "\u0420\u0421\u0414"},
    Row{"RUB", "₽"},
    Row{"RWF", "RF"},
    Row{"SAR", "\u0631.\u0633"},
    Row{"SBD", "SI$"},
    Row{"SCR", "SR"},
    Row{"SDG", "\u062C.\u0633."},
    Row{"SEK", "kr"},
    Row{"SGD", "S$"},
    Row{"SHP", "£"},
    Row{"SLE", "Le"},
    Row{"SLL", "Le"},
    Row{"SOS", "Sh.So."},
    Row{"SRD", "SRD$"},
    Row{"SSP", "SSP"},
    Row{"STN", "Db"},
    Row{"SYP", "\u0644.\u0633"},
    Row{"SZL", "E"},
    Row{"THB", "฿"},
    Row{"TJS", "SM"},
    Row{"TMT", "m"},
    Row{"TND", "\u062F.\u062A"},
    Row{"TOP", "T$"},
    Row{"TRY", "₺"},
    Row{"TTD", "TT$"},
    Row{"TWD", "NT$"},
    Row{"TZS", "TSh"},
    Row{"UAH", "₴"},
    Row{"UGX", "USh"},
    Row{"USD", "US$"},
    Row{"UYU", "$U"},
    Row{"UZS", "so'm"},
    Row{"VES", "Bs."},
    Row{"VND", "₫"},
    Row{"VUV", "VT"},
    Row{"WST", "WS$"},
    Row{"XAF", "FCFA"},
    Row{"XCD", "EC$"},
    Row{"XOF", "CFA"},
    Row{"XPF", "F"},
    Row{"YER", "\u0631.\u064A"},
    Row{"ZAR", "R"},
    Row{"ZMW", "ZK"},
    Row{"ZWG", "ZiG"},
};

constexpr std::size_t kCount = static_cast<std::size_t>(Case::ZWG) + 1;
static_assert(kRows.size() == kCount);
static_assert(std::is_sorted(kRows.begin(), kRows.end(), [](const Row& a, const Row& b) { return a.code < b.code; }),
              "fromRawValue searches the codes by bisection");

template <std::size_t... I>
constexpr std::array<TalCurrency, kCount> everyCase(std::index_sequence<I...>) {
  return {TalCurrency(static_cast<Case>(I))...};
}
constexpr std::array<TalCurrency, kCount> kAllCases = everyCase(std::make_index_sequence<kCount>{});

const Row& row(TalCurrency currency) noexcept { return kRows[static_cast<std::size_t>(currency.value())]; }

// The one place that decides what "the current locale" is.
std::string currentLocaleIdentifier() { return icu::Locale::getDefault().getName(); }

}  // namespace

std::string_view TalCurrency::rawValue() const noexcept { return row(*this).code; }

std::string_view TalCurrency::symbol() const noexcept { return row(*this).symbol; }

std::optional<TalCurrency> TalCurrency::fromRawValue(std::string_view raw) noexcept {
  const auto it = std::lower_bound(kRows.begin(), kRows.end(), raw, [](const Row& r, std::string_view code) {
    return r.code < code;
  });
  if (it == kRows.end() || it->code != raw) return std::nullopt;
  return TalCurrency(static_cast<Case>(it - kRows.begin()));
}

std::span<const TalCurrency> TalCurrency::allCases() noexcept { return kAllCases; }

std::string TalCurrency::toJSON() const {
  // Codes are three ASCII letters: nothing to escape.
  std::string out;
  out.reserve(5);
  out.append("\"").append(rawValue()).append("\"");
  return out;
}

TalCurrency TalCurrency::fromJSON(std::string_view json) {
  const std::string code = detail::readJsonString(json);
  if (const auto currency = fromRawValue(code)) return *currency;
  throwDecodingError(DecodingError::Kind::dataCorrupted, "", "\"" + code + "\" is not a currency code");
}

std::optional<std::string> currencyName(TalCurrency currency, std::string_view localeIdentifier) {
  const std::string_view raw = currency.rawValue();
  UChar code[4] = {};
  for (std::size_t i = 0; i < 3; ++i) code[i] = static_cast<UChar>(raw[i]);
  const std::string locale(localeIdentifier);
  UErrorCode status = U_ZERO_ERROR;
  UBool isChoiceFormat = false;
  std::int32_t length = 0;
  const UChar* name = ucurr_getName(code, locale.c_str(), UCURR_LONG_NAME, &isChoiceFormat, &length, &status);
  if (U_FAILURE(status) || name == nullptr) return std::nullopt;
  std::string utf8;
  icu::UnicodeString(name, length).toUTF8String(utf8);
  // Without a name ICU hands back the code itself.
  if (utf8.empty() || utf8 == raw) return std::nullopt;
  return utf8;
}

std::optional<std::string> currencyName(TalCurrency currency) {
  return currencyName(currency, currentLocaleIdentifier());
}

}  // namespace tal
