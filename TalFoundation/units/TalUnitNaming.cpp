#include "TalFoundation/units/TalUnitNaming.h"

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

/// Decodes one UTF-8 code point at `i`; U+FFFD for a malformed sequence.
char32_t decode(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
  const std::uint8_t b0 = byte(i);
  const int length = b0 < 0x80 ? 1 : (b0 >> 5) == 0x6 ? 2 : (b0 >> 4) == 0xE ? 3 : (b0 >> 3) == 0x1E ? 4 : 0;
  if (length == 0 || i + static_cast<std::size_t>(length) > text.size()) {
    ++i;
    return U'\uFFFD';
  }
  char32_t c = length == 1 ? b0 : static_cast<char32_t>(b0 & (0x7F >> length));
  for (int k = 1; k < length; ++k) {
    const std::uint8_t b = byte(i + static_cast<std::size_t>(k));
    if ((b & 0xC0) != 0x80) {
      ++i;
      return U'\uFFFD';
    }
    c = (c << 6) | (b & 0x3F);
  }
  i += static_cast<std::size_t>(length);
  return c;
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
