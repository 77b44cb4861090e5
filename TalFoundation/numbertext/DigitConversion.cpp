#include "TalFoundation/numbertext/DigitConversion.h"

#include <unicode/unistr.h>

#include <array>
#include <limits>

#include "TalFoundation/numbertext/NumberingSystemInfo.h"
#include "TalFoundation/numbertext/detail/IcuText.h"
#include "TalFoundation/platform/detail/DoubleParse.h"

namespace tal {
namespace {

namespace nd = numbertext_detail;

constexpr UChar32 kArabicDecimalSeparator = 0x066B;

using DigitPoints = std::array<UChar32, 10>;

DigitPoints digitPointsOf(const Locale& locale) {
  const NumberingSystemInfo info = NumberingSystemInfo::forLocale(locale);
  DigitPoints points;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const icu::UnicodeString digit = nd::toUnicode(info.digits()[i]);
    const UChar32 c = digit.char32At(0);
    // A digit of more than one code point cannot be matched one by one.
    points[i] = digit.length() == U16_LENGTH(c) ? c : U_SENTINEL;
  }
  return points;
}

// Building the digits takes a number formatter and ten formattings; the
// digits of a locale never change, so each thread keeps the last locale's.
const DigitPoints& cachedDigitPoints(const Locale& locale) {
  struct Cache {
    std::string identifier;
    DigitPoints points{};
    bool filled = false;
  };
  thread_local Cache cache;
  if (!cache.filled || cache.identifier != locale.identifier()) {
    cache.points = digitPointsOf(locale);
    cache.identifier = locale.identifier();
    cache.filled = true;
  }
  return cache.points;
}

}  // namespace

std::string convertEastArabicNumbersToEnglish(std::string_view text, const Locale& locale) {
  const DigitPoints& digits = cachedDigitPoints(locale);
  return nd::toUtf8(nd::mapSingleCharacters(nd::toUnicode(text), [&digits](UChar32 c) -> UChar32 {
    for (std::size_t i = 0; i < digits.size(); ++i) {
      if (digits[i] == c) return '0' + static_cast<UChar32>(i);
    }
    return c == kArabicDecimalSeparator ? '.' : U_SENTINEL;
  }));
}

std::string convertEastArabicNumbersToEnglish(std::string_view text) {
  return convertEastArabicNumbersToEnglish(text, Locale::current());
}

std::string convertEnglishNumbersToEastArabic(std::string_view text, const Locale& locale) {
  const DigitPoints& digits = cachedDigitPoints(locale);
  return nd::toUtf8(nd::mapSingleCharacters(nd::toUnicode(text), [&digits](UChar32 c) -> UChar32 {
    if (c >= '0' && c <= '9') return digits[static_cast<std::size_t>(c - '0')];
    return c == '.' ? kArabicDecimalSeparator : U_SENTINEL;
  }));
}

std::string convertEnglishNumbersToEastArabic(std::string_view text) {
  return convertEnglishNumbersToEastArabic(text, Locale::current());
}

template <>
std::optional<Decimal> toDoubleFromEastArabic<Decimal>(std::string_view text, const Locale& locale) {
  return Decimal::fromString(convertEastArabicNumbersToEnglish(text, locale));
}

template <>
std::optional<double> toDoubleFromEastArabic<double>(std::string_view text, const Locale& locale) {
  // Read as strtod does in the "C" locale, whatever the process locale is;
  // white space or a NUL is not a number, so it counts as left over.
  const std::string converted = convertEastArabicNumbersToEnglish(text, locale);
  const platform::detail::DoubleFromText parsed = platform::detail::readDouble(converted);
  if (parsed.length == 0 || parsed.length != converted.size()) return std::nullopt;
  return parsed.value;
}

std::optional<std::int64_t> toIntFromEastArabic(std::string_view text, const Locale& locale) {
  const std::string converted = convertEastArabicNumbersToEnglish(text, locale);
  std::string_view digits = converted;
  bool negative = false;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  if (digits.empty()) return std::nullopt;
  // Accumulated as a negative number, whose range holds the most negative value.
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  std::int64_t value = 0;
  for (char ch : digits) {
    if (ch < '0' || ch > '9') return std::nullopt;
    const int digit = ch - '0';
    if (value < (kMin + digit) / 10) return std::nullopt;
    value = value * 10 - digit;
  }
  if (negative) return value;
  if (value == kMin) return std::nullopt;
  return -value;
}

std::optional<std::int64_t> toIntFromEastArabic(std::string_view text) {
  return toIntFromEastArabic(text, Locale::current());
}

}  // namespace tal
