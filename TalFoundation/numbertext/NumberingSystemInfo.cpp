#include "TalFoundation/numbertext/NumberingSystemInfo.h"

#include <unicode/dcfmtsym.h>
#include <unicode/numberformatter.h>

#include <cstdint>
#include <vector>

#include "TalFoundation/numbertext/detail/IcuText.h"

namespace tal {
namespace {

using numbertext_detail::toUtf8;

struct FallbackRow {
  std::string_view identifier;
  UChar32 zero;
};

constexpr FallbackRow kFallbackRows[] = {
    {"arab", 0x0660}, {"arabext", 0x06F0}, {"thai", 0x0E50}, {"deva", 0x0966}, {"beng", 0x09E6},
    {"guru", 0x0A66}, {"gujr", 0x0AE6},    {"orya", 0x0B66}, {"tamldec", 0x0BE6}, {"telu", 0x0C66},
    {"knda", 0x0CE6}, {"mlym", 0x0D66},    {"sinh", 0x0DE6}, {"khmr", 0x17E0},    {"laoo", 0x0ED0},
    {"mymr", 0x1040}, {"tibt", 0x0F20},    {"mong", 0x1810},
};

constexpr std::string_view kRightToLeftLanguages[] = {"ar", "he", "fa", "ur", "yi"};

// The first user-perceived character of the text, or nothing.
std::optional<std::string> firstCharacter(const icu::UnicodeString& text) {
  if (text.isEmpty()) return std::nullopt;
  const std::vector<std::int32_t> bounds = numbertext_detail::graphemeBoundaries(text);
  return toUtf8(text.tempSubString(0, bounds.size() > 1 ? bounds[1] : text.length()));
}

// The digits the locale's plain formatter (no grouping, whole numbers)
// writes for 0 to 9; absent unless all ten come out.
std::optional<NumberingSystemInfo::Digits> formattedDigits(const icu::Locale& locale) {
  const auto formatter = icu::number::NumberFormatter::withLocale(locale)
                             .grouping(UNUM_GROUPING_OFF)
                             .precision(icu::number::Precision::integer());
  NumberingSystemInfo::Digits digits;
  for (std::int64_t i = 0; i < 10; ++i) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString text = formatter.formatInt(i, status).toString(status);
    if (U_FAILURE(status)) return std::nullopt;
    std::optional<std::string> first = firstCharacter(text);
    if (!first) return std::nullopt;
    digits[static_cast<std::size_t>(i)] = std::move(*first);
  }
  return digits;
}

std::optional<std::string> symbol(const icu::DecimalFormatSymbols& symbols,
                                  icu::DecimalFormatSymbols::ENumberFormatSymbol which) {
  const icu::UnicodeString text = symbols.getSymbol(which);
  if (text.isEmpty()) return std::nullopt;
  return toUtf8(text);
}

}  // namespace

NumberingSystemInfo NumberingSystemInfo::getCurrent() { return forLocale(Locale::current()); }

NumberingSystemInfo NumberingSystemInfo::forLocale(const Locale& locale) {
  const icu::Locale icuLocale = numbertext_detail::toIcuWithData(locale);
  NumberingSystemInfo info;
  info.identifier_ = locale.numberingSystemIdentifier();
  info.digits_ = formattedDigits(icuLocale).value_or(fallbackDigits(info.identifier_));

  UErrorCode status = U_ZERO_ERROR;
  const icu::DecimalFormatSymbols symbols(icuLocale, status);
  if (U_SUCCESS(status)) {
    info.decimalSeparator_ = symbol(symbols, icu::DecimalFormatSymbols::kDecimalSeparatorSymbol);
    info.groupingSeparator_ = symbol(symbols, icu::DecimalFormatSymbols::kGroupingSeparatorSymbol);
  }

  const std::optional<std::string> language = locale.talLanguageCode();
  for (std::string_view rtl : kRightToLeftLanguages) {
    if (language && *language == rtl) info.isRTL_ = true;
  }
  info.isLatin_ = info.identifier_.find("latn") != std::string::npos;
  return info;
}

NumberingSystemInfo::Digits NumberingSystemInfo::fallbackDigits(std::string_view identifier) {
  UChar32 zero = '0';
  for (const FallbackRow& row : kFallbackRows) {
    if (row.identifier == identifier) zero = row.zero;
  }
  Digits digits;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    digits[i] = toUtf8(icu::UnicodeString(static_cast<UChar32>(zero + static_cast<UChar32>(i))));
  }
  return digits;
}

}  // namespace tal
