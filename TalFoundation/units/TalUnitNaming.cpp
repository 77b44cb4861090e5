#include "TalFoundation/units/TalUnitNaming.h"

#include <unicode/utf8.h>

#include <array>
#include <cstdint>
#include <optional>

namespace tal {

std::string symbolFormKey(TalUnitCategory category, std::string_view symbol) {
  return std::string(category.categoryNameLocalizeBaseKey()).append("_").append(symbol);
}

std::string regionalFormKey(TalUnitCategory category, TalUnitRegion region, std::string_view token) {
  // The Hong Kong raw value ends in an invisible joiner that keys leave out.
  const std::string_view letters = region.rawValue().substr(0, 3);
  return std::string(category.categoryNameLocalizeBaseKey()).append("_").append(letters).append("_").append(token);
}

std::string nameFormKey(TalUnitCategory category, std::string_view name) {
  std::string key = std::string(category.categoryNameLocalizeBaseKey()).append("_$");
  for (const char c : name) key += c == ' ' ? '_' : c;
  return key;
}

std::string sharedFormKey(std::string_view symbol) { return std::string("unit_share_").append(symbol); }

namespace {

/// The digit a code point stands for, ASCII or superscript.
std::optional<char> digitOf(char32_t c) {
  if (c >= U'0' && c <= U'9') return static_cast<char>('0' + (c - U'0'));
  switch (c) {
    case U'⁰': return '0';
    case U'¹': return '1';
    case U'²': return '2';
    case U'³': return '3';
    case U'⁴': return '4';
    case U'⁵': return '5';
    case U'⁶': return '6';
    case U'⁷': return '7';
    case U'⁸': return '8';
    case U'⁹': return '9';
    default: return std::nullopt;
  }
}

/// Decodes one UTF-8 code point at `i` with ICU's decoder; U+FFFD for a
/// malformed sequence (overlong forms and encoded surrogates included).
char32_t decode(std::string_view text, std::size_t& i) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  auto at = static_cast<std::int64_t>(i);
  const auto length = static_cast<std::int64_t>(text.size());
  UChar32 c = 0;
  U8_NEXT(bytes, at, length, c);
  i = static_cast<std::size_t>(at);
  return c < 0 ? U'\uFFFD' : static_cast<char32_t>(c);
}

}  // namespace

std::vector<std::string> numeralsIn(std::string_view text) {
  std::vector<std::string> numerals;
  std::string current;
  bool superscript = false;
  const auto flush = [&] {
    if (!current.empty() && current.back() == '.') current.pop_back();  // a full stop, not a decimal point
    if (!current.empty()) numerals.push_back(current);
    current.clear();
  };
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = decode(text, i);
    const auto digit = digitOf(c);
    const bool isSuperscript = digit && c > 0x7F;
    if (digit) {
      // A superscript exponent is its own numeral, apart from the digits before it.
      if (!current.empty() && isSuperscript != superscript) flush();
      superscript = isSuperscript;
      current += *digit;
    } else if (c == U'.' && !current.empty() && !superscript && current.find('.') == std::string::npos) {
      current += '.';
    } else {
      flush();
    }
  }
  flush();
  return numerals;
}

}  // namespace tal
