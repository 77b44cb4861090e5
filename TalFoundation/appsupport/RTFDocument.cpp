#include "TalFoundation/appsupport/RTFDocument.h"

#include <unicode/utf16.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "TalFoundation/appsupport/AttributedText.h"

namespace tal {
namespace {

constexpr std::string_view kDefaultFont = "Helvetica";

// Calls `each` with every code point; false when the text is not UTF-8.
template <typename F>
bool forEachCodePoint(std::string_view text, F each) {
  if (text.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) return false;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  const auto length = static_cast<std::int32_t>(text.size());
  std::int32_t i = 0;
  while (i < length) {
    UChar32 c = 0;
    U8_NEXT(bytes, i, length, c);
    if (c < 0) return false;
    each(c);
  }
  return true;
}

bool isUTF8(std::string_view text) {
  return forEachCodePoint(text, [](UChar32) {});
}

void appendUnicodeEscape(std::string& out, UChar32 c) {
  const auto escapeUnit = [&out](std::uint16_t unit) {
    // RTF reads N as a signed 16-bit number.
    const int n = unit > 0x7FFF ? static_cast<int>(unit) - 0x10000 : static_cast<int>(unit);
    out += "\\u";
    out += std::to_string(n);
    out += '?';
  };
  if (c <= 0xFFFF) {
    escapeUnit(static_cast<std::uint16_t>(c));
  } else {
    escapeUnit(static_cast<std::uint16_t>(U16_LEAD(c)));
    escapeUnit(static_cast<std::uint16_t>(U16_TRAIL(c)));
  }
}

// Text of a run. Line breaks become paragraphs, other control characters
// carry no meaning in RTF and are left out.
void appendEscapedText(std::string& out, std::string_view text) {
  bool afterCR = false;
  forEachCodePoint(text, [&](UChar32 c) {
    const bool lfAfterCR = afterCR && c == '\n';
    afterCR = c == '\r';
    if (lfAfterCR) return;
    if (c == '\\' || c == '{' || c == '}') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\n' || c == '\r' || c == 0x2029) {
      out += "\\par\n";
    } else if (c == 0x2028) {
      out += "\\line ";
    } else if (c == '\t') {
      out += "\\tab ";
    } else if (c < 0x20 || c == 0x7F) {
      // dropped
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      appendUnicodeEscape(out, c);
    }
  });
}

// A font name cannot hold ";" (it ends the entry) nor control characters.
void appendFontName(std::string& out, std::string_view name) {
  forEachCodePoint(name, [&](UChar32 c) {
    if (c == ';' || c < 0x20 || c == 0x7F) return;
    if (c == '\\' || c == '{' || c == '}') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      appendUnicodeEscape(out, c);
    }
  });
}

int channel(double component) {
  if (!std::isfinite(component)) return 0;
  return static_cast<int>(std::lround(std::clamp(component, 0.0, 1.0) * 255.0));
}

using RGB = std::array<int, 3>;

RGB rgbOf(const platform::Color& color, platform::Color::Appearance appearance) {
  const platform::RGBA c = color.resolved(appearance);
  return {channel(c.red), channel(c.green), channel(c.blue)};
}

/// The distinct values in first-seen order, with a lookup that stays
/// logarithmic however many there are (a run per colour is common).
template <typename T>
class Table {
 public:
  Table() = default;
  explicit Table(T first) { indexOf(first); }

  std::size_t indexOf(const T& value) {
    const auto [it, added] = index_.try_emplace(value, items_.size());
    if (added) items_.push_back(value);
    return it->second;
  }
  [[nodiscard]] const std::vector<T>& items() const noexcept { return items_; }

 private:
  std::vector<T> items_;
  std::map<T, std::size_t> index_;
};

}  // namespace

std::optional<std::string> RTFDocument::fromAttributedText(const AttributedText& text,
                                                           platform::Color::Appearance appearance) {
  Table<std::string> fontTable(std::string{kDefaultFont});
  Table<RGB> colorTable;
  struct RunRefs {
    std::size_t font;
    std::optional<std::size_t> color;  // index into the table, which starts at 1
  };
  std::vector<RunRefs> refs;
  refs.reserve(text.runs().size());
  for (const AttributedText::Run& run : text.runs()) {
    if (!isUTF8(run.text)) return std::nullopt;
    const TextAttributes& a = run.attributes;
    RunRefs r{0, std::nullopt};
    if (a.fontFamily) {
      if (!isUTF8(*a.fontFamily)) return std::nullopt;
      r.font = fontTable.indexOf(*a.fontFamily);
    }
    if (a.foregroundColor) r.color = colorTable.indexOf(rgbOf(*a.foregroundColor, appearance)) + 1;
    refs.push_back(r);
  }
  const std::vector<std::string>& fonts = fontTable.items();
  const std::vector<RGB>& colors = colorTable.items();

  std::string out = "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\n{\\fonttbl";
  for (std::size_t i = 0; i < fonts.size(); ++i) {
    out += "{\\f" + std::to_string(i) + "\\fnil ";
    appendFontName(out, fonts[i]);
    out += ";}";
  }
  out += "}\n";
  if (!colors.empty()) {
    out += "{\\colortbl;";
    for (const RGB& c : colors) {
      out += "\\red" + std::to_string(c[0]) + "\\green" + std::to_string(c[1]) + "\\blue" + std::to_string(c[2]) + ";";
    }
    out += "}\n";
  }
  out += "\\pard\\plain\n";

  for (std::size_t i = 0; i < refs.size(); ++i) {
    const AttributedText::Run& run = text.runs()[i];
    const TextAttributes& a = run.attributes;
    out += "{\\f" + std::to_string(refs[i].font);
    if (a.fontSize && std::isfinite(*a.fontSize) && *a.fontSize > 0.0) {
      const long halfPoints = std::clamp(std::lround(std::min(*a.fontSize, 16383.5) * 2.0), 1L, 32767L);
      out += "\\fs" + std::to_string(halfPoints);
    }
    if (a.bold) out += "\\b";
    if (a.italic) out += "\\i";
    if (a.underline) out += "\\ul";
    if (a.strikethrough) out += "\\strike";
    if (refs[i].color) out += "\\cf" + std::to_string(*refs[i].color);
    out += ' ';
    appendEscapedText(out, run.text);
    out += '}';
  }
  out += "\n}";
  return out;
}

}  // namespace tal
