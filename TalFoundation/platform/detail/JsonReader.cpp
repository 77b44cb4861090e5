#include "TalFoundation/platform/detail/JsonReader.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "TalFoundation/platform/DecodingError.h"

namespace tal::detail {
namespace {

constexpr bool isSpace(char c) noexcept { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
constexpr bool isDigit(char c) noexcept { return c >= '0' && c <= '9'; }

class Reader {
 public:
  Reader(std::string_view text, JsonEvents& events) : text_(text), events_(events) {}

  void run() {
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
    skipSpace();
    readValue();
    // One value per round; an open container waits on `open_` (true for an
    // object), so nesting costs heap, not stack.
    while (!open_.empty()) {
      skipSpace();
      const bool inObject = open_.back();
      const char close = inObject ? '}' : ']';
      if (justOpened_) {
        justOpened_ = false;
        if (pos_ < text_.size() && text_[pos_] == close) {
          ++pos_;
          closeContainer();
          continue;
        }
      } else {
        const char c = next("',' or the end of the container");
        if (c == close) {
          closeContainer();
          continue;
        }
        if (c != ',') fail(pos_ - 1, "expected ',' or the end of the container");
        skipSpace();
      }
      if (inObject) readKey();
      readValue();
    }
    skipSpace();
    if (pos_ != text_.size()) fail(pos_, "text after the value");
  }

 private:
  [[noreturn]] static void fail(std::size_t offset, const std::string& what) {
    throwDecodingError(DecodingError::Kind::dataCorrupted, "",
                       "invalid JSON at offset " + std::to_string(offset) + ": " + what);
  }

  void skipSpace() {
    while (pos_ < text_.size() && isSpace(text_[pos_])) ++pos_;
  }

  char next(const char* expected) {
    if (pos_ >= text_.size()) fail(pos_, std::string("the text ends; expected ") + expected);
    return text_[pos_++];
  }

  void closeContainer() {
    const bool wasObject = open_.back();
    open_.pop_back();
    if (wasObject) {
      events_.endObject();
    } else {
      events_.endArray();
    }
  }

  // A scalar whole, or the opening of a container (its contents are read by run()).
  void readValue() {
    if (pos_ >= text_.size()) fail(pos_, "the text ends; expected a value");
    const char c = text_[pos_];
    switch (c) {
      case '{':
      case '[':
        if (open_.size() >= kMaxJsonDepth)
          fail(pos_, "nesting deeper than " + std::to_string(kMaxJsonDepth) + " levels");
        ++pos_;
        open_.push_back(c == '{');
        justOpened_ = true;
        if (c == '{') {
          events_.startObject();
        } else {
          events_.startArray();
        }
        return;
      case '"': events_.string(readString()); return;
      case 't': literal("true"); events_.boolean(true); return;
      case 'f': literal("false"); events_.boolean(false); return;
      case 'n': literal("null"); events_.null(); return;
      default:
        if (c == '-' || isDigit(c)) {
          events_.number(readNumber());
          return;
        }
        fail(pos_, "expected a value");
    }
  }

  void readKey() {
    if (pos_ >= text_.size() || text_[pos_] != '"') fail(pos_, "expected a key");
    const std::string_view key = readString();
    events_.key(key);
    skipSpace();
    if (next("':'") != ':') fail(pos_ - 1, "expected ':'");
    skipSpace();
  }

  void literal(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word) fail(pos_, "expected a value");
    pos_ += word.size();
  }

  std::string_view readNumber() {
    const std::size_t start = pos_;
    if (text_[pos_] == '-') ++pos_;
    const auto digits = [&] {
      const std::size_t from = pos_;
      while (pos_ < text_.size() && isDigit(text_[pos_])) ++pos_;
      if (pos_ == from) fail(pos_, "expected a digit");
    };
    if (pos_ < text_.size() && text_[pos_] == '0') {
      ++pos_;
    } else {
      digits();
    }
    if (pos_ < text_.size() && text_[pos_] == '.') {
      ++pos_;
      digits();
    }
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
      ++pos_;
      if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
      digits();
    }
    return text_.substr(start, pos_ - start);
  }

  unsigned hex4() {
    unsigned value = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = next("four hex digits");
      value <<= 4U;
      if (isDigit(c)) {
        value |= static_cast<unsigned>(c - '0');
      } else if (c >= 'a' && c <= 'f') {
        value |= static_cast<unsigned>(c - 'a' + 10);
      } else if (c >= 'A' && c <= 'F') {
        value |= static_cast<unsigned>(c - 'A' + 10);
      } else {
        fail(pos_ - 1, "expected four hex digits");
      }
    }
    return value;
  }

  void append(std::uint32_t cp) {
    if (cp < 0x80) {
      buffer_ += static_cast<char>(cp);
    } else if (cp < 0x800) {
      buffer_ += static_cast<char>(0xC0 | (cp >> 6));
      buffer_ += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      buffer_ += static_cast<char>(0xE0 | (cp >> 12));
      buffer_ += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      buffer_ += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      buffer_ += static_cast<char>(0xF0 | (cp >> 18));
      buffer_ += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      buffer_ += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      buffer_ += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }

  // One well-formed UTF-8 sequence starting at pos_ (its lead byte >= 0x80),
  // copied to the buffer.
  void copyMultiByte() {
    const std::size_t start = pos_;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text_[i]); };
    const unsigned lead = byte(pos_);
    std::size_t length = 0;
    unsigned low = 0x80;  // the allowed range of the second byte, which rules out
    unsigned high = 0xBF;  // overlong forms, surrogates and code points past U+10FFFF
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      fail(start, "invalid UTF-8");
    }
    if (text_.size() - start < length) fail(start, "invalid UTF-8");
    for (std::size_t i = 1; i < length; ++i) {
      const unsigned b = byte(start + i);
      if (i == 1 ? (b < low || b > high) : (b < 0x80 || b > 0xBF)) fail(start, "invalid UTF-8");
    }
    buffer_.append(text_.substr(start, length));
    pos_ = start + length;
  }

  // The decoded text of the string at pos_; valid until the next string.
  std::string_view readString() {
    const std::size_t start = pos_;
    ++pos_;  // the opening quote
    buffer_.clear();
    for (;;) {
      if (pos_ >= text_.size()) fail(start, "the string is never closed");
      const char c = text_[pos_];
      if (c == '"') {
        ++pos_;
        return buffer_;
      }
      if (static_cast<unsigned char>(c) < 0x20) fail(pos_, "a control character in a string");
      if (static_cast<unsigned char>(c) >= 0x80) {
        copyMultiByte();
        continue;
      }
      ++pos_;
      if (c != '\\') {
        buffer_ += c;
        continue;
      }
      const std::size_t escape = pos_ - 1;
      switch (next("an escape")) {
        case '"': buffer_ += '"'; break;
        case '\\': buffer_ += '\\'; break;
        case '/': buffer_ += '/'; break;
        case 'b': buffer_ += '\b'; break;
        case 'f': buffer_ += '\f'; break;
        case 'n': buffer_ += '\n'; break;
        case 'r': buffer_ += '\r'; break;
        case 't': buffer_ += '\t'; break;
        case 'u': {
          std::uint32_t cp = hex4();
          if (cp >= 0xDC00 && cp <= 0xDFFF) fail(escape, "a string escapes a lone surrogate");
          if (cp >= 0xD800 && cp <= 0xDBFF) {
            if (text_.substr(pos_, 2) != "\\u") fail(escape, "a string escapes a lone surrogate");
            pos_ += 2;
            const std::uint32_t low = hex4();
            if (low < 0xDC00 || low > 0xDFFF) fail(escape, "a string escapes a lone surrogate");
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
          }
          append(cp);
          break;
        }
        default: fail(escape, "an unknown escape");
      }
    }
  }

  std::string_view text_;
  JsonEvents& events_;
  std::size_t pos_ = 0;
  std::vector<bool> open_;
  bool justOpened_ = false;  // the innermost container has no element yet
  std::string buffer_;
};

// Takes the single value of a document that should hold one string.
class SingleString final : public JsonEvents {
 public:
  std::string value;

  void null() override { fail(DecodingError::Kind::valueNotFound, "null"); }
  void boolean(bool) override { fail(DecodingError::Kind::typeMismatch, "a boolean"); }
  void number(std::string_view) override { fail(DecodingError::Kind::typeMismatch, "a number"); }
  void string(std::string_view text) override { value = text; }
  void key(std::string_view) override {}
  void startObject() override { fail(DecodingError::Kind::typeMismatch, "an object"); }
  void endObject() override {}
  void startArray() override { fail(DecodingError::Kind::typeMismatch, "an array"); }
  void endArray() override {}

 private:
  [[noreturn]] static void fail(DecodingError::Kind kind, std::string_view found) {
    throwDecodingError(kind, "", "expected a string, found " + std::string(found));
  }
};

}  // namespace

void readJson(std::string_view text, JsonEvents& events) { Reader(text, events).run(); }

std::string readJsonString(std::string_view json) {
  SingleString single;
  readJson(json, single);
  return std::move(single.value);
}


}  // namespace tal::detail
