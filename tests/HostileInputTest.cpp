// One list of hostile texts — what a paste or a damaged rate file can hold —
// fed to every public operation that takes text. Each operation must give
// its documented answer for each (an absence, NaN or a DecodingError of a
// named kind), never a crash; the suite also runs under ASan + UBSan.
#include <gtest/gtest.h>
#include <unicode/uchar.h>
#include <unicode/ustring.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TalFoundation/appsupport/AppColorScheme.h"
#include "TalFoundation/appsupport/Kesto.h"
#include "TalFoundation/c/tal.h"
#include "TalFoundation/currency/ExchangeRateData.h"
#include "TalFoundation/currency/TalCurrency.h"
#include "TalFoundation/currency/TalCurrencySortingOrder.h"
#include "TalFoundation/currency/TalUnitCurrency.h"
#include "TalFoundation/numbertext/DecimalHelpers.h"
#include "TalFoundation/numbertext/DigitConversion.h"
#include "TalFoundation/numbertext/Locale.h"
#include "TalFoundation/platform/Bundle.h"
#include "TalFoundation/platform/Decimal.h"
#include "TalFoundation/platform/DecodingError.h"
#include "TalFoundation/platform/LinkOpener.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"
#include "TalFoundation/units/TalUnitNaming.h"

namespace {

using tal::Decimal;
using Kind = tal::DecodingError::Kind;
using namespace tal::platform::literals;

/// What Decimal::fromString documents for a text: absent when it does not
/// begin with a number, NaN beyond 1E+999999, otherwise a value.
struct Number {
  enum { absent, nan, value } is;
  const char* plain = "";  // the value's description
};
constexpr Number kAbsent{Number::absent};
constexpr Number kNaN{Number::nan};
constexpr Number value(const char* plain) { return {Number::value, plain}; }

struct Hostile {
  std::string name;
  std::string text;
  Number number;
  Kind snapshotError;         // ExchangeRateData::fromJSON on the text
  Kind currencyError;         // TalCurrency::fromJSON on the text
  bool isJsonObject = false;  // a document Bundle::fromJSON takes
  bool wholeCNumber = false;  // up to its first NUL, a number text and nothing else
};

std::string repeat(std::string_view piece, std::size_t times) {
  std::string out;
  out.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) out += piece;
  return out;
}

// A code point as UTF-8, encoded here rather than by the code under test.
std::string utf8(UChar32 c) {
  const auto u = static_cast<std::uint32_t>(c);
  const auto byte = [](std::uint32_t b) { return static_cast<char>(static_cast<unsigned char>(b)); };
  if (u < 0x80) return {byte(u)};
  if (u < 0x800) return {byte(0xC0 | (u >> 6)), byte(0x80 | (u & 0x3F))};
  if (u < 0x10000) return {byte(0xE0 | (u >> 12)), byte(0x80 | ((u >> 6) & 0x3F)), byte(0x80 | (u & 0x3F))};
  return {byte(0xF0 | (u >> 18)), byte(0x80 | ((u >> 12) & 0x3F)), byte(0x80 | ((u >> 6) & 0x3F)),
          byte(0x80 | (u & 0x3F))};
}

bool isValidUtf8(std::string_view s) {
  UErrorCode status = U_ZERO_ERROR;
  int32_t length = 0;
  u_strFromUTF8(nullptr, 0, &length, s.data(), static_cast<int32_t>(s.size()), &status);
  return status == U_BUFFER_OVERFLOW_ERROR || U_SUCCESS(status);
}

// The JSON string value of `s`, written here rather than by the library.
std::string jsonQuoted(std::string_view s) {
  std::string out = "\"";
  for (const char c : s) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      constexpr char hex[] = "0123456789abcdef";
      out += "\\u00";
      out += hex[u >> 4];
      out += hex[u & 15];
    } else {
      out += c;
    }
  }
  return out + "\"";
}

// Every digit set Unicode has: each run of ten decimal digits from a zero.
std::vector<Hostile> unicodeDigitSets() {
  std::vector<Hostile> sets;
  for (UChar32 zero = 0; zero <= 0x10FFFF; ++zero) {
    if (u_charType(zero) != U_DECIMAL_DIGIT_NUMBER || u_charDigitValue(zero) != 0) continue;
    std::string digits;
    for (UChar32 d = zero; d < zero + 10; ++d) digits += utf8(d);
    char name[32];
    std::snprintf(name, sizeof name, "DigitsFromU%04X", static_cast<unsigned>(zero));
    // Only ASCII digits are numbers to the decimal reader. "0123456789" is a
    // JSON number 0 followed by junk; the reader meets the number first.
    if (zero == '0')
      sets.push_back({name, digits, value("123456789"), Kind::typeMismatch, Kind::typeMismatch, false, true});
    else
      sets.push_back({name, digits, kAbsent, Kind::dataCorrupted, Kind::dataCorrupted});
  }
  return sets;
}

const std::vector<Hostile>& hostileInputs() {
  static const auto* const inputs = [] {
    auto* list = new std::vector<Hostile>{
        {"Empty", "", kAbsent, Kind::dataCorrupted, Kind::dataCorrupted},
        // 2^20 digits: a leading digit at 10^1048575, past the top of the range.
        // A JSON number of any size is read as text: the wrong type, not bad JSON.
        {"MegabyteOfDigits", repeat("1234567890", (1u << 20) / 10), kNaN, Kind::typeMismatch, Kind::typeMismatch,
         false, true},
        // An array root is the wrong type before it is too deep.
        {"TwoHundredThousandOpenBrackets", repeat("[", 200000), kAbsent, Kind::typeMismatch, Kind::typeMismatch},
        {"TenThousandNestedBrackets", repeat("[", 10000) + repeat("]", 10000), kAbsent, Kind::typeMismatch,
         Kind::typeMismatch},
        // Well-formed, and deep enough to exhaust the stack of a recursive
        // reader; refused as too deep, except where the wrong root type shows first.
        {"HundredThousandNestedObjects", repeat("{\"a\":", 100000) + "1" + repeat("}", 100000), kAbsent,
         Kind::dataCorrupted, Kind::typeMismatch},
        // The reader stops at the first byte that cannot continue a number.
        {"NulInsideNumber", std::string{'1', '2', '\0', '3', '4'}, value("12"), Kind::typeMismatch, Kind::typeMismatch,
         false, true},
        {"NulAfterObject", std::string("{}") + '\0' + "{\"x\":1}", kAbsent, Kind::dataCorrupted, Kind::typeMismatch},
        {"LoneSurrogate", "\xED\xA0\x80", kAbsent, Kind::dataCorrupted, Kind::dataCorrupted},
        {"OverlongSlashTwoBytes", "\xC0\xAF", kAbsent, Kind::dataCorrupted, Kind::dataCorrupted},
        {"OverlongSlashThreeBytes", "\xE0\x80\xAF", kAbsent, Kind::dataCorrupted, Kind::dataCorrupted},
        {"QuotedOverlong", "\"\xC0\xAF\"", kAbsent, Kind::dataCorrupted, Kind::dataCorrupted},
        // Well-formed bytes whose escape spells a lone surrogate: not text either.
        {"EscapedLoneSurrogate", "\"\\udc00\"", kAbsent, Kind::dataCorrupted, Kind::dataCorrupted},
        // A right-to-left mark is not white space, so it hides the number.
        {"RightToLeftMarkBeforeNumber", "\u200F12", kAbsent, Kind::dataCorrupted, Kind::dataCorrupted},
        {"RightToLeftMarkAfterNumber", "12\u200F", value("12"), Kind::typeMismatch, Kind::typeMismatch},
        {"ArabicLetterMarkBeforeSign", "\u061C-5", kAbsent, Kind::dataCorrupted, Kind::dataCorrupted},
        {"HugeExponent", "1e999999999999", kNaN, Kind::typeMismatch, Kind::typeMismatch, false, true},
        // Far below the range: zero, and an ordinary JSON number.
        {"HugeNegativeExponent", "1e-999999999999", value("0"), Kind::typeMismatch, Kind::typeMismatch, false, true},
        {"TopOfRangeRoundsOver", "9.99999999999999999999999999999999999995e999999", kNaN, Kind::typeMismatch,
         Kind::typeMismatch, false, true},
        // A UTF-8 byte-order mark before a document is skipped; before a number it hides it.
        {"ByteOrderMarkBeforeObject", "\xEF\xBB\xBF{}", kAbsent, Kind::keyNotFound, Kind::typeMismatch, true},
        {"ByteOrderMarkTwice", "\xEF\xBB\xBF\xEF\xBB\xBF{}", kAbsent, Kind::dataCorrupted, Kind::dataCorrupted},
        // The snapshot reader meets the wrong root type before the junk.
        {"NulAfterString", std::string("\"dark\"") + '\0' + "{", kAbsent, Kind::typeMismatch, Kind::dataCorrupted},
        {"NullDocument", "null", kAbsent, Kind::valueNotFound, Kind::valueNotFound},
        {"LoneMinus", "-", kAbsent, Kind::dataCorrupted, Kind::dataCorrupted},
        {"LonePoint", ".", kAbsent, Kind::dataCorrupted, Kind::dataCorrupted},
        {"ExponentWithoutDigits", "e5", kAbsent, Kind::dataCorrupted, Kind::dataCorrupted},
    };
    for (Hostile& set : unicodeDigitSets()) list->push_back(std::move(set));
    return list;
  }();
  return *inputs;
}

void decimalFromStringGivesTheDocumentedNumber(const Hostile& h) {
  const std::optional<Decimal> read = Decimal::fromString(h.text);
  switch (h.number.is) {
    case Number::absent: EXPECT_FALSE(read.has_value()) << read->toScientificString(); break;
    case Number::nan:
      ASSERT_TRUE(read.has_value());
      EXPECT_TRUE(read->isNaN()) << read->toScientificString();
      break;
    case Number::value:
      ASSERT_TRUE(read.has_value());
      EXPECT_EQ(read->description(), h.number.plain);
      break;
  }
}

// The helpers read both texts the same way: absent exactly when one does not
// begin with a number, NaN carried through, and divide also absent for 0.
void textArithmeticHelpersFollowTheReader(const Hostile& h) {
  const auto sum = tal::add(h.text, "1");
  const auto difference = tal::subtract("1", h.text);
  const auto product = tal::multiply(h.text, "2");
  const auto quotient = tal::divide("1", h.text);
  if (h.number.is == Number::absent) {
    EXPECT_FALSE(sum || difference || product || quotient);
    return;
  }
  ASSERT_TRUE(sum && difference && product);
  if (h.number.is == Number::nan) {
    EXPECT_TRUE(sum->isNaN() && difference->isNaN() && product->isNaN());
    ASSERT_TRUE(quotient.has_value());
    EXPECT_TRUE(quotient->isNaN());
    return;
  }
  const Decimal x = *Decimal::fromString(h.number.plain);
  EXPECT_EQ(*sum, x + 1);
  EXPECT_EQ(*difference, 1 - x);
  EXPECT_EQ(*product, x * 2);
  if (x.isZero()) {
    EXPECT_FALSE(quotient.has_value()) << "a zero divisor is refused";
  } else {
    ASSERT_TRUE(quotient.has_value());
    EXPECT_EQ(*quotient, 1 / x);
  }
}

void snapshotDecodingThrowsTheNamedDecodingError(const Hostile& h) {
  try {
    (void)tal::ExchangeRateData::fromJSON(h.text);
    ADD_FAILURE() << "decoded";
  } catch (const tal::DecodingError& e) {
    EXPECT_EQ(e.kind(), h.snapshotError) << e.what();
  }
}

// Inside an otherwise good snapshot, as the base code and as a rate's code:
// any valid UTF-8 (NUL included, escaped) comes back byte for byte and
// survives a round trip; anything else is corrupted data.
void snapshotKeepsHostileCodesExactlyOrRefusesThem(const Hostile& h) {
  const std::string quoted = jsonQuoted(h.text);
  const std::string json = "{\"baseCode\":" + quoted + ",\"timeLastUpdateUnix\":1,\"rates\":{" + quoted + ":\"0.5\"}}";
  const std::string numeric = "{\"baseCode\":" + quoted + ",\"timeLastUpdateUnix\":1,\"rates\":{" + quoted + ":0.5}}";
  try {
    (void)tal::ExchangeRateData::fromJSON(json);
    ADD_FAILURE() << "a rate written as a string was taken";
  } catch (const tal::DecodingError& e) {
    EXPECT_EQ(e.kind(), isValidUtf8(h.text) ? Kind::typeMismatch : Kind::dataCorrupted) << e.what();
  }
  if (!isValidUtf8(h.text)) {
    try {
      (void)tal::ExchangeRateData::fromJSON(numeric);
      ADD_FAILURE() << "ill-formed UTF-8 was decoded";
    } catch (const tal::DecodingError& e) {
      EXPECT_EQ(e.kind(), Kind::dataCorrupted) << e.what();
    }
    return;
  }
  const tal::ExchangeRateData data = tal::ExchangeRateData::fromJSON(numeric);
  EXPECT_EQ(data.baseCode(), h.text);
  ASSERT_EQ(data.rates().size(), 1u);
  EXPECT_EQ(data.rates().begin()->first, h.text);
  EXPECT_EQ(data.rates().begin()->second, "0.5"_dec);
  const std::optional<std::string> encoded = data.toJSON();
  ASSERT_TRUE(encoded.has_value());
  EXPECT_TRUE(tal::ExchangeRateData::fromJSON(*encoded) == data);
}

// A preference document is one string, read as a currency document is: the
// same error for every row, and the raw text itself is never a scheme.
void colorSchemeDecodingThrowsLikeTheCurrency(const Hostile& h) {
  try {
    (void)tal::AppColorScheme::fromJSON(h.text);
    ADD_FAILURE() << "decoded a color scheme";
  } catch (const tal::DecodingError& e) {
    EXPECT_EQ(e.kind(), h.currencyError) << e.what();
  }
  try {
    (void)tal::TalCurrencySortingOrder::fromJSON(h.text);
    ADD_FAILURE() << "decoded a sorting order";
  } catch (const tal::DecodingError& e) {
    EXPECT_EQ(e.kind(), h.currencyError) << e.what();
  }
  EXPECT_FALSE(tal::AppColorScheme::fromRawValue(h.text).has_value());
  EXPECT_THROW((void)tal::AppColorScheme::decode(h.text), tal::DecodingError);
}

// The other readers of free text: nothing but ASCII digits comes out of a
// numeral search, a locale identifier gives one of the three segments, and
// no address holds a space or control character.
void freeTextReadersGiveWellFormedAnswers(const Hostile& h) {
  for (const std::string& numeral : tal::numeralsIn(h.text)) {
    EXPECT_FALSE(numeral.empty());
    EXPECT_EQ(numeral.find_first_not_of("0123456789."), std::string::npos) << numeral;
  }
  const std::string_view segment = tal::Kesto::languageSegment(h.text);
  EXPECT_TRUE(segment == "en" || segment == "zh" || segment == "tc") << segment;
  if (const auto url = tal::platform::URL::fromString(h.text)) {
    for (const char c : url->absoluteString()) EXPECT_GT(static_cast<unsigned char>(c), 0x20U);
  }
}

void categoryAndCurrencyLookupsFindNothing(const Hostile& h) {
  EXPECT_FALSE(tal::TalUnitCategory::fromRawValue(h.text).has_value());
  EXPECT_FALSE(tal::TalCurrency::fromRawValue(h.text).has_value());
  try {
    (void)tal::TalCurrency::fromJSON(h.text);
    ADD_FAILURE() << "decoded a currency";
  } catch (const tal::DecodingError& e) {
    EXPECT_EQ(e.kind(), h.currencyError) << e.what();
  }
  // As a JSON string it is well-formed but names no currency.
  if (isValidUtf8(h.text)) {
    EXPECT_THROW((void)tal::TalCurrency::fromJSON(jsonQuoted(h.text)), tal::DecodingError);
  }
}

// A base code that is no currency code flags no unit as the base.
void hostileBaseCodeFlagsNoUnit(const Hostile& h) {
  tal::TalUnitCurrency::setBaseCode(h.text);
  tal::TalUnitCurrency::updateRates({{"EUR", "0.9"_dec}, {"USD", 1}}, 1, "USD");
  const std::vector<tal::TalUnit> units = tal::TalUnitCurrency::allUnits();
  ASSERT_EQ(units.size(), 2u);
  EXPECT_FALSE(units[0].isBaseUnit() || units[1].isBaseUnit());
  EXPECT_EQ(tal::TalUnitCurrency::baseCode(), "USD");
}

void bundleTakesOnlyJsonObjects(const Hostile& h) {
  EXPECT_EQ(tal::platform::Bundle::fromJSON(h.text).has_value(), h.isJsonObject);
  // As an information value: back byte for byte, or refused as not JSON.
  const auto bundle = tal::platform::Bundle::fromJSON("{\"info\":{\"k\":" + jsonQuoted(h.text) + "}}");
  if (isValidUtf8(h.text)) {
    ASSERT_TRUE(bundle.has_value());
    EXPECT_EQ(bundle->infoString("k").value_or("<absent>"), h.text);
  } else {
    EXPECT_FALSE(bundle.has_value()) << "ill-formed UTF-8 is not JSON";
  }
}

// The C interface sees the text up to its first NUL. A number text there
// must be the whole text (white space aside): PARSE otherwise, NAN beyond
// the range; nothing a lookup is asked for exists.
void cInterfaceAnswersWithItsDocumentedStatus(const Hostile& h) {
  const char* const text = h.text.c_str();
  char* out = nullptr;
  const tal_status normalized = tal_decimal_normalize(text, &out);
  if (h.wholeCNumber && h.number.is == Number::value) {
    EXPECT_EQ(normalized, TAL_OK);
    EXPECT_STREQ(out, h.number.plain);
  } else {
    EXPECT_EQ(normalized, h.wholeCNumber ? TAL_ERROR_NAN : TAL_ERROR_PARSE);
    EXPECT_EQ(out, nullptr);
  }
  tal_string_free(out);

  tal_rates* rates = nullptr;
  char* reason = nullptr;
  EXPECT_EQ(tal_rates_from_json(text, &rates, &reason), TAL_ERROR_PARSE);
  EXPECT_EQ(rates, nullptr);
  EXPECT_NE(reason, nullptr);
  tal_string_free(reason);

  tal_unit_list* units = nullptr;
  EXPECT_EQ(tal_category_units(text, &units), TAL_ERROR_UNKNOWN_CATEGORY);
  tal_unit* unit = nullptr;
  EXPECT_EQ(tal_unit_find(text, nullptr, &unit), TAL_ERROR_UNKNOWN_UNIT);

  char* western = nullptr;
  ASSERT_EQ(tal_digits_to_western(text, "ar_EG", &western), TAL_OK);
  EXPECT_TRUE(isValidUtf8(western));
  tal_string_free(western);
}

// Eastern Arabic digits (U+0660…) are the only ones an Arabic locale turns
// into Western digits; every other character is copied, and ill-formed UTF-8
// never comes out.
void arabicDigitConversionGivesWellFormedText(const Hostile& h) {
  const tal::Locale arabic("ar_EG");
  const std::string western = tal::convertEastArabicNumbersToEnglish(h.text, arabic);
  const std::string eastern = tal::convertEnglishNumbersToEastArabic(h.text, arabic);
  EXPECT_TRUE(isValidUtf8(western));
  EXPECT_TRUE(isValidUtf8(eastern));
  const bool arabicDigits = h.name == "DigitsFromU0660";
  if (arabicDigits) {
    EXPECT_EQ(western, "0123456789");
    EXPECT_EQ(tal::toIntFromEastArabic(h.text, arabic).value_or(-1), 123456789);
    ASSERT_TRUE(tal::toDoubleFromEastArabic<Decimal>(h.text, arabic).has_value());
    EXPECT_EQ(*tal::toDoubleFromEastArabic<Decimal>(h.text, arabic), 123456789);
    return;
  }
  if (isValidUtf8(h.text)) {
    EXPECT_EQ(western, h.text);
  } else {
    EXPECT_NE(western.find("\xEF\xBF\xBD"), std::string::npos) << "bad bytes become U+FFFD";
  }
  // Parsing the converted text follows the decimal reader.
  const auto parsed = tal::toDoubleFromEastArabic<Decimal>(h.text, arabic);
  EXPECT_EQ(parsed.has_value(), h.number.is != Number::absent);
  const bool wholeNumber = h.name == "DigitsFromU0030";
  EXPECT_EQ(tal::toIntFromEastArabic(h.text, arabic).has_value(), wholeNumber);
}

// One test per behaviour; a failure names the row.
void forEveryRow(void (*check)(const Hostile&)) {
  for (const Hostile& h : hostileInputs()) {
    SCOPED_TRACE(h.name);
    check(h);
  }
}

TEST(HostileInput, DecimalFromStringGivesTheDocumentedNumber) {
  forEveryRow(decimalFromStringGivesTheDocumentedNumber);
}
TEST(HostileInput, TextArithmeticHelpersFollowTheReader) { forEveryRow(textArithmeticHelpersFollowTheReader); }
TEST(HostileInput, SnapshotDecodingThrowsTheNamedDecodingError) {
  forEveryRow(snapshotDecodingThrowsTheNamedDecodingError);
}
TEST(HostileInput, SnapshotKeepsHostileCodesExactlyOrRefusesThem) {
  forEveryRow(snapshotKeepsHostileCodesExactlyOrRefusesThem);
}
TEST(HostileInput, CategoryAndCurrencyLookupsFindNothing) { forEveryRow(categoryAndCurrencyLookupsFindNothing); }
TEST(HostileInput, ColorSchemeDecodingThrowsLikeTheCurrency) { forEveryRow(colorSchemeDecodingThrowsLikeTheCurrency); }
TEST(HostileInput, FreeTextReadersGiveWellFormedAnswers) { forEveryRow(freeTextReadersGiveWellFormedAnswers); }
TEST(HostileInput, HostileBaseCodeFlagsNoUnit) { forEveryRow(hostileBaseCodeFlagsNoUnit); }
TEST(HostileInput, BundleTakesOnlyJsonObjects) { forEveryRow(bundleTakesOnlyJsonObjects); }
TEST(HostileInput, CInterfaceAnswersWithItsDocumentedStatus) { forEveryRow(cInterfaceAnswersWithItsDocumentedStatus); }
TEST(HostileInput, ArabicDigitConversionGivesWellFormedText) { forEveryRow(arabicDigitConversionGivesWellFormedText); }

}  // namespace
