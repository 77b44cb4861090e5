// Conversion of text between a locale's own digits and Western digits, and
// the parses of such text into numbers. Each operation has a form for the
// current locale and one for a given locale. Neighbours: NumberingSystemInfo.h
// (where the digits come from), DecimalHelpers.h (the decimal parse).
//
// Text is UTF-8. Ill-formed UTF-8 is read with each bad sequence as one
// U+FFFD, so results never carry the original bad bytes. Bytes past the
// first 2^31 - 1 of a text are not read (ICU lengths are 32-bit).
#pragma once

#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "TalFoundation/Export.h"
#include "TalFoundation/numbertext/Locale.h"
#include "TalFoundation/platform/Decimal.h"

namespace tal {

/// The text with each of the locale's ten digits (as a character of its own)
/// made the Western digit and each "٫" (U+066B) made "."; everything else,
/// the Arabic thousands separator U+066C included, is copied.
[[nodiscard]] TAL_EXPORT std::string convertEastArabicNumbersToEnglish(std::string_view text, const Locale& locale);
/// As above with the current locale.
[[nodiscard]] TAL_EXPORT std::string convertEastArabicNumbersToEnglish(std::string_view text);

/// The text with each Western digit made the locale's digit and each "."
/// made "٫" (U+066B), even in a Latin-digit locale.
[[nodiscard]] TAL_EXPORT std::string convertEnglishNumbersToEastArabic(std::string_view text, const Locale& locale);
/// As above with the current locale.
[[nodiscard]] TAL_EXPORT std::string convertEnglishNumbersToEastArabic(std::string_view text);

/// The converted text read as a number of type T (Decimal or double):
/// - Decimal: the number the converted text begins with (Decimal::fromString);
///   absent when it does not begin with one.
/// - double: the whole converted text as C's strtod reads it in the "C"
///   locale ("inf", "nan" and hex included); absent when anything is left
///   over, when the text is empty, or when it begins with white space or NUL.
template <typename T>
  requires std::same_as<T, Decimal> || std::same_as<T, double>
[[nodiscard]] std::optional<T> toDoubleFromEastArabic(std::string_view text, const Locale& locale);
/// As above with the current locale.
template <typename T>
  requires std::same_as<T, Decimal> || std::same_as<T, double>
[[nodiscard]] std::optional<T> toDoubleFromEastArabic(std::string_view text) {
  return toDoubleFromEastArabic<T>(text, Locale::current());
}

/// The Decimal reading: the number the converted text begins with; absent when it begins with none.
template <>
std::optional<Decimal> toDoubleFromEastArabic<Decimal>(std::string_view text, const Locale& locale);
/// The double reading: the whole converted text by strtod in the "C" locale; absent when any is left over.
template <>
std::optional<double> toDoubleFromEastArabic<double>(std::string_view text, const Locale& locale);

/// The converted text as a whole number: an optional "+" or "-" and Western
/// digits, nothing else; absent for any other text and beyond 64 bits.
[[nodiscard]] TAL_EXPORT std::optional<std::int64_t> toIntFromEastArabic(std::string_view text, const Locale& locale);
/// As above with the current locale.
[[nodiscard]] TAL_EXPORT std::optional<std::int64_t> toIntFromEastArabic(std::string_view text);

}  // namespace tal
