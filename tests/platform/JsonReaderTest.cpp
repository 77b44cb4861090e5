#include "TalFoundation/platform/detail/JsonReader.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "TalFoundation/platform/DecodingError.h"

namespace tal::detail {
namespace {

// Writes the events back as compact text: strings and keys in <>, so that
// what the reader decoded is visible byte for byte.
class Transcript final : public JsonEvents {
 public:
  std::string out;

  void null() override { out += "null "; }
  void boolean(bool value) override { out += value ? "true " : "false "; }
  void number(std::string_view text) override { out += "#" + std::string(text) + " "; }
  void string(std::string_view value) override { out += "<" + std::string(value) + "> "; }
  void key(std::string_view name) override { out += "<" + std::string(name) + ">: "; }
  void startObject() override { out += "{ "; }
  void endObject() override { out += "} "; }
  void startArray() override { out += "[ "; }
  void endArray() override { out += "] "; }
};

std::string transcript(std::string_view json) {
  Transcript t;
  readJson(json, t);
  return t.out;
}

struct Good {
  std::string_view json;
  std::string_view events;
};

class JsonReaderReads : public testing::TestWithParam<Good> {};

TEST_P(JsonReaderReads, TheEventsInDocumentOrder) { EXPECT_EQ(transcript(GetParam().json), GetParam().events); }

INSTANTIATE_TEST_SUITE_P(
    Documents, JsonReaderReads,
    testing::Values(Good{"0", "#0 "}, Good{" -0.5e+10 ", "#-0.5e+10 "}, Good{"1E400", "#1E400 "},
                    Good{"12345678901234567890123456789012345678901234567890",
                         "#12345678901234567890123456789012345678901234567890 "},
                    Good{"true", "true "}, Good{"null", "null "}, Good{"[]", "[ ] "}, Good{"{}", "{ } "},
                    Good{R"({"a":[1,{"b":null}],"c":false})", "{ <a>: [ #1 { <b>: null } ] <c>: false } "},
                    Good{"[ [ ] , { } ]", "[ [ ] { } ] "},
                    Good{R"("\"\\\/\b\f\n\r\t")", "<\"\\/\b\f\n\r\t> "},
                    Good{R"("\u00e9\u4e2D\ud83d\ude00")", "<\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80> "},
                    Good{"\"\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF\"",
                         "<\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF> "},
                    Good{std::string_view("\"a\\u0000b\"", 10), std::string_view("<a\0b> ", 6)},
                    Good{"\xEF\xBB\xBF[1]", "[ #1 ] "}, Good{"[1]\n\t\r ", "[ #1 ] "}));

class JsonReaderRefuses : public testing::TestWithParam<std::string_view> {};

TEST_P(JsonReaderRefuses, WithDataCorruptedForTheDocument) {
  try {
    (void)transcript(GetParam());
    ADD_FAILURE() << "read";
  } catch (const DecodingError& e) {
    EXPECT_EQ(e.kind(), DecodingError::Kind::dataCorrupted);
    EXPECT_EQ(e.key(), "");
    EXPECT_EQ(e.reason().rfind("invalid JSON at offset ", 0), 0U) << e.reason();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Documents, JsonReaderRefuses,
    testing::Values("", " ", "01", "-", "1.", ".5", "1e", "1e+", "+1", "0x10", "NaN", "Infinity", "tru", "nul",
                    "[1,]", "[,1]", "{\"a\":1,}", "{\"a\"}", "{\"a\" 1}", "{a:1}", "{1:1}", "[1 2]", "[1", "{",
                    "]", "\"abc", "'a'", "[1]]", "[1] x", "// c\n1", "/* c */ 1", std::string_view("1\0", 2),
                    std::string_view("\"dark\"\0{", 8), "\"\\x\"", "\"\\u12\"", "\"\\u12G4\"", "\"\t\"",
                    "\"\x01\"", "\"\\ud800\"", "\"\\udc00\"", "\"\\ud800\\u0041\"", "\"\\ud800x\"",
                    "\"\xC0\xAF\"", "\"\xC1\xBF\"", "\"\xE0\x80\xAF\"", "\"\xED\xA0\x80\"", "\"\xF0\x80\x80\xAF\"",
                    "\"\xF4\x90\x80\x80\"", "\"\xF5\x80\x80\x80\"", "\"\xFF\"", "\"\x80\"", "\"\xC3\"",
                    "\"\xE4\xB8\"", "\"\xC3(\"", "\xEF\xBB\xBF\xEF\xBB\xBF{}", "\xEF\xBB{}", "1\xEF\xBB\xBF"));

TEST(JsonReader, NestingUpToTheLimitIsFollowedAndBeyondItRefused) {
  const auto nested = [](std::size_t depth) { return std::string(depth, '[') + std::string(depth, ']'); };
  Transcript t;
  EXPECT_NO_THROW(readJson(nested(kMaxJsonDepth), t));
  EXPECT_THROW(readJson(nested(kMaxJsonDepth + 1), t), DecodingError);
  // Far deeper than any stack would hold: refused, not followed.
  EXPECT_THROW(readJson(std::string(1'000'000, '['), t), DecodingError);
}

TEST(JsonReader, AHandlersExceptionReachesTheCaller) {
  struct Refuses final : JsonEvents {
    void null() override {}
    void boolean(bool) override {}
    void number(std::string_view) override { throw std::runtime_error("no numbers"); }
    void string(std::string_view) override {}
    void key(std::string_view) override {}
    void startObject() override {}
    void endObject() override {}
    void startArray() override {}
    void endArray() override {}
  } refuses;
  EXPECT_THROW(readJson("[\"a\", 1]", refuses), std::runtime_error);
}

TEST(JsonReader, ReadsTheStringOfASingleStringDocument) {
  EXPECT_EQ(readJsonString(" \"dark\" "), "dark");
  EXPECT_EQ(readJsonString("\xEF\xBB\xBF\"dark\""), "dark");
  const auto kindOf = [](std::string_view json) {
    try {
      (void)readJsonString(json);
    } catch (const DecodingError& e) {
      return e.kind();
    }
    return DecodingError::Kind::keyNotFound;  // not thrown: no reading gives this kind
  };
  EXPECT_EQ(kindOf("null"), DecodingError::Kind::valueNotFound);
  EXPECT_EQ(kindOf("1"), DecodingError::Kind::typeMismatch);
  EXPECT_EQ(kindOf("[\"dark\"]"), DecodingError::Kind::typeMismatch);
  EXPECT_EQ(kindOf(std::string_view("\"dark\"\0{", 8)), DecodingError::Kind::dataCorrupted);
}

}  // namespace
}  // namespace tal::detail
