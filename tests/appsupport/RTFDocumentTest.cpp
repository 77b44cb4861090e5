#include "TalFoundation/appsupport/RTFDocument.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "TalFoundation/appsupport/AttributedText.h"
#include "TalFoundation/platform/Color.h"

namespace tal {
namespace {

// Braces balance, never close below zero, and the outer group ends the
// document. "\\", "\{" and "\}" are text, not braces.
bool isOneBalancedGroup(std::string_view rtf) {
  int depth = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    const char c = rtf[i];
    if (c == '\\') {
      ++i;
    } else if (c == '{') {
      ++depth;
    } else if (c == '}') {
      if (--depth < 0) return false;
      if (depth == 0 && i + 1 != rtf.size()) return false;
    }
  }
  return depth == 0;
}

bool isSevenBit(std::string_view rtf) {
  for (const char c : rtf) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// A reader for the body, as an RTF reader treats the control words used
// there; written from the RTF rules, not from the writer.
std::u16string readBack(std::string_view rtf) {
  std::size_t pos = rtf.find("\\pard\\plain");
  if (pos == std::string_view::npos) return u"<no body>";
  pos += std::string_view("\\pard\\plain").size();
  std::u16string out;
  while (pos < rtf.size()) {
    const char c = rtf[pos];
    if (c == '{' || c == '}' || c == '\n' || c == '\r') {
      ++pos;
      continue;
    }
    if (c != '\\') {
      out += static_cast<char16_t>(c);
      ++pos;
      continue;
    }
    ++pos;
    if (pos < rtf.size() && (rtf[pos] == '\\' || rtf[pos] == '{' || rtf[pos] == '}')) {
      out += static_cast<char16_t>(rtf[pos++]);
      continue;
    }
    std::string word;
    while (pos < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[pos]))) word += rtf[pos++];
    bool negative = false;
    if (pos < rtf.size() && rtf[pos] == '-') {
      negative = true;
      ++pos;
    }
    long number = 0;
    while (pos < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[pos]))) number = number * 10 + (rtf[pos++] - '0');
    if (negative) number = -number;
    if (word == "u") {
      out += static_cast<char16_t>(static_cast<std::uint16_t>(number));
      if (pos < rtf.size() && rtf[pos] == '?') ++pos;  // the one fallback character (\uc1)
      continue;
    }
    if (pos < rtf.size() && rtf[pos] == ' ') ++pos;  // the delimiter belongs to the word
    if (word == "par") out += u'\n';
    if (word == "tab") out += u'\t';
    if (word == "line") out += u'\u2028';
  }
  return out;
}

std::string write(const AttributedText& text,
                  platform::Color::Appearance appearance = platform::Color::Appearance::light) {
  const std::optional<std::string> rtf = RTFDocument::fromAttributedText(text, appearance);
  if (!rtf) {
    ADD_FAILURE() << "no document";
    return {};
  }
  return *rtf;
}

// --- scripts and escapes ----------------------------------------------------------

struct ScriptRow {
  std::string_view name;
  std::string_view text;
  std::u16string_view readsAs;
  std::vector<std::string_view> contains;  // typed from the code points
};
void PrintTo(const ScriptRow& r, std::ostream* os) { *os << r.name; }

class RTFScripts : public testing::TestWithParam<ScriptRow> {};

TEST_P(RTFScripts, AreSevenBitBalancedAndReadBack) {
  const ScriptRow& r = GetParam();
  const std::string rtf = write(AttributedText(std::string(r.text)));
  EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi", 0), 0U);
  EXPECT_NE(rtf.find("{\\fonttbl{\\f0"), std::string::npos);
  EXPECT_NE(rtf.find("\\uc1"), std::string::npos);
  EXPECT_TRUE(isSevenBit(rtf));
  EXPECT_TRUE(isOneBalancedGroup(rtf)) << rtf;
  EXPECT_EQ(readBack(rtf), r.readsAs) << rtf;
  for (const std::string_view piece : r.contains) EXPECT_NE(rtf.find(piece), std::string::npos) << piece << "\n" << rtf;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RTFScripts,
    testing::Values(
        ScriptRow{"Ascii", "Hello, world 1.5 km", u"Hello, world 1.5 km", {"Hello, world 1.5 km"}},
        ScriptRow{"LeadingSpaceSurvivesTheDelimiter", " x", u" x", {"  x"}},
        ScriptRow{"SpecialCharacters", "a{b}c\\d", u"a{b}c\\d", {"a\\{b\\}c\\\\d"}},
        ScriptRow{"Cjk", "中文", u"中文", {"\\u20013?\\u25991?"}},
        ScriptRow{"Arabic", "مرحبا ١٫٥", u"مرحبا ١٫٥",
                  {"\\u1605?\\u1585?\\u1581?\\u1576?\\u1575? \\u1633?\\u1643?\\u1637?"}},
        ScriptRow{"AboveSignedRange", "한", u"한", {"\\u-10916?"}},  // U+D55C = 54620
        ScriptRow{"Emoji", "😀", u"😀", {"\\u-10179?\\u-8704?"}},  // D83D DE00
        ScriptRow{"EmojiSequence", "👍🏽", u"👍🏽", {"\\u-10179?\\u-9139?\\u-10180?\\u-8195?"}},
        ScriptRow{"Latin1", "café", u"café", {"caf\\u233?"}},
        ScriptRow{"LineBreaks", "a\nb\r\nc\rd", u"a\nb\nc\nd", {"a\\par\nb\\par\nc\\par\nd"}},
        ScriptRow{"TabAndSeparators", "a\tb\u2028c", u"a\tb\u2028c", {"a\\tab b\\line c"}},
        ScriptRow{"ControlCharactersDropped", "a\x01" "b\x7F" "c", u"abc", {"abc"}}),
    [](const testing::TestParamInfo<ScriptRow>& info) { return std::string(info.param.name); });

// --- attributes -------------------------------------------------------------------------

TEST(RTFAttributes, EachRunIsAGroupWithItsControlWords) {
  AttributedText text("plain ");
  text.append("bold", TextAttributes{.bold = true});
  text.append("slanted", TextAttributes{.italic = true, .underline = true, .strikethrough = true});
  const std::string rtf = write(text);
  EXPECT_NE(rtf.find("{\\f0 plain }"), std::string::npos) << rtf;
  EXPECT_NE(rtf.find("{\\f0\\b bold}"), std::string::npos) << rtf;
  EXPECT_NE(rtf.find("{\\f0\\i\\ul\\strike slanted}"), std::string::npos) << rtf;
  EXPECT_EQ(readBack(rtf), u"plain boldslanted");
}

TEST(RTFAttributes, FontsAndColoursGoIntoTablesOnceEach) {
  AttributedText text("a", TextAttributes{.fontFamily = "Times New Roman", .fontSize = 13.5,
                                          .foregroundColor = platform::Color::sRGB(1.0, 128 / 255.0, 0.0)});
  text.append("b", TextAttributes{.fontFamily = "PingFang SC", .foregroundColor = platform::Color::sRGB(0, 0, 1)});
  text.append("c", TextAttributes{.fontFamily = "Times New Roman", .fontSize = 12.0,
                                  .foregroundColor = platform::Color::sRGB(1.0, 128 / 255.0, 0.0)});
  const std::string rtf = write(text);
  EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fnil Helvetica;}{\\f1\\fnil Times New Roman;}{\\f2\\fnil PingFang SC;}}"),
            std::string::npos)
      << rtf;
  EXPECT_NE(rtf.find("{\\colortbl;\\red255\\green128\\blue0;\\red0\\green0\\blue255;}"), std::string::npos) << rtf;
  EXPECT_NE(rtf.find("{\\f1\\fs27\\cf1 a}"), std::string::npos) << rtf;
  EXPECT_NE(rtf.find("{\\f2\\cf2 b}"), std::string::npos) << rtf;
  EXPECT_NE(rtf.find("{\\f1\\fs24\\cf1 c}"), std::string::npos) << rtf;
}

// Many distinct colours: each enters the table once, in first-seen order,
// and each run refers to its own entry.
TEST(RTFAttributes, ThousandsOfDistinctColoursKeepTheirOrder) {
  constexpr int kColours = 3000;
  AttributedText text;
  for (int i = 0; i < kColours; ++i)
    text.append("x", TextAttributes{.foregroundColor = platform::Color::sRGB(0, 0, (i % 256) / 255.0)});
  for (int i = 0; i < kColours; ++i)
    text.append("y", TextAttributes{.foregroundColor = platform::Color::sRGB((i / 256) / 255.0, 0, 0)});
  const std::string rtf = write(text);
  std::string table = "{\\colortbl;";
  for (int b = 0; b < 256; ++b) table += "\\red0\\green0\\blue" + std::to_string(b) + ";";
  for (int r = 1; r <= (kColours - 1) / 256; ++r) table += "\\red" + std::to_string(r) + "\\green0\\blue0;";
  table += "}";
  EXPECT_NE(rtf.find(table), std::string::npos);
  EXPECT_NE(rtf.find("{\\f0\\cf256 x}"), std::string::npos);
  // Red 1, the first colour the second half adds, for 256 runs that merge into one.
  EXPECT_NE(rtf.find("{\\f0\\cf257 " + std::string(256, 'y') + "}"), std::string::npos);
}

TEST(RTFAttributes, NamedColoursTakeTheRequestedAppearance) {
  const AttributedText text("x", TextAttributes{.foregroundColor = platform::Color::named(platform::Color::Named::label)});
  EXPECT_NE(write(text, platform::Color::Appearance::light).find("\\red0\\green0\\blue0;"), std::string::npos);
  EXPECT_NE(write(text, platform::Color::Appearance::dark).find("\\red255\\green255\\blue255;"), std::string::npos);
}

TEST(RTFAttributes, OutOfRangeValuesAreTamed) {
  AttributedText text("a", TextAttributes{.fontSize = -3.0, .foregroundColor = platform::Color::sRGB(2.0, -1.0, 0.5)});
  text.append("b", TextAttributes{.fontSize = 1e9});
  const std::string rtf = write(text);
  EXPECT_NE(rtf.find("\\red255\\green0\\blue128;"), std::string::npos) << rtf;
  EXPECT_NE(rtf.find("{\\f0\\cf1 a}"), std::string::npos) << rtf;  // a negative size is left out
  EXPECT_NE(rtf.find("{\\f0\\fs32767 b}"), std::string::npos) << rtf;
}

TEST(RTFAttributes, FontNamesLoseWhatTheTableCannotHold) {
  const AttributedText text("x", TextAttributes{.fontFamily = "Odd;Name{1}"});
  const std::string rtf = write(text);
  EXPECT_NE(rtf.find("{\\f1\\fnil OddName\\{1\\};}"), std::string::npos) << rtf;
  EXPECT_TRUE(isOneBalancedGroup(rtf));
}

TEST(RTFDocument, EmptyTextIsAValidDocument) {
  const std::string rtf = write(AttributedText());
  EXPECT_TRUE(isOneBalancedGroup(rtf));
  EXPECT_EQ(readBack(rtf), u"");
}

// --- text that cannot be written ----------------------------------------------------------

class RTFInvalidUTF8 : public testing::TestWithParam<std::string_view> {};

TEST_P(RTFInvalidUTF8, InARunGivesNoDocument) {
  AttributedText text("fine ");
  text.append(std::string(GetParam()), TextAttributes{.bold = true});
  EXPECT_EQ(RTFDocument::fromAttributedText(text), std::nullopt);
}

TEST_P(RTFInvalidUTF8, InAFontNameGivesNoDocument) {
  const AttributedText text("x", TextAttributes{.fontFamily = std::string(GetParam())});
  EXPECT_EQ(RTFDocument::fromAttributedText(text), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Bytes, RTFInvalidUTF8,
                         testing::Values("\xFF", "\x80", "\xC0\x80", "\xE4\xB8", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                                         "ok\xC3"));

}  // namespace
}  // namespace tal
