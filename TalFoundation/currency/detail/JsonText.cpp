#include "TalFoundation/currency/detail/JsonText.h"

#include <rapidjson/error/en.h>
#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <exception>
#include <limits>
#include <utility>
#include <vector>

#include "TalFoundation/currency/DecodingError.h"
#include "TalFoundation/detail/Utf8.h"

namespace tal::detail {

namespace {

using rapidjson::SizeType;

// Forwards the reader's callbacks to our events. An exception from a handler
// must not unwind through the reader, so it is parked and the reader told to
// stop; readJson throws it once the reader has returned.
class Adaptor : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, Adaptor> {
 public:
  explicit Adaptor(JsonEvents& events) : events_(events) {}

  bool Null() { return forward([&] { events_.null(); }); }
  bool Bool(bool value) { return forward([&] { events_.boolean(value); }); }
  bool RawNumber(const char* text, SizeType length, bool) {
    return forward([&] { events_.number(std::string_view(text, length)); });
  }
  bool String(const char* text, SizeType length, bool) {
    return wellFormed(text, length) && forward([&] { events_.string(std::string_view(text, length)); });
  }
  bool Key(const char* text, SizeType length, bool) {
    if (!keys_.empty()) keys_.back().assign(text, length);
    return wellFormed(text, length) && forward([&] { events_.key(std::string_view(text, length)); });
  }
  bool StartObject() {
    keys_.emplace_back();
    return enter() && forward([&] { events_.startObject(); });
  }
  bool EndObject(SizeType) {
    --depth_;
    keys_.pop_back();
    return forward([&] { events_.endObject(); });
  }
  bool StartArray() { return enter() && forward([&] { events_.startArray(); }); }
  bool EndArray(SizeType) {
    --depth_;
    return forward([&] { events_.endArray(); });
  }
  // Numbers only ever arrive as text; the typed callbacks stay unused.
  bool Default() { return false; }

  void rethrowParked() const {
    if (parked_) std::rethrow_exception(parked_);
  }

  /// The keys leading to the value being read: "rates.EUR".
  std::string path() const {
    std::string out;
    for (const std::string& key : keys_) {
      if (!out.empty()) out += '.';
      out += key;
    }
    return out;
  }

 private:
  template <class F>
  bool forward(F&& f) {
    try {
      f();
      return true;
    } catch (...) {
      parked_ = std::current_exception();
      return false;
    }
  }
  // Nothing escaped but a lone surrogate can make a string ill-formed.
  bool wellFormed(const char* text, SizeType length) {
    if (!holdsEncodedSurrogate(std::string_view(text, length))) return true;
    parked_ = std::make_exception_ptr(
        DecodingError(DecodingError::Kind::dataCorrupted, path(), "a string escapes a lone surrogate"));
    return false;
  }
  bool enter() {
    if (++depth_ <= kMaxJsonDepth) return true;
    parked_ = std::make_exception_ptr(DecodingError(DecodingError::Kind::dataCorrupted, "",
                                                    "nesting deeper than " + std::to_string(kMaxJsonDepth) +
                                                        " levels"));
    return false;
  }

  JsonEvents& events_;
  std::size_t depth_ = 0;
  std::vector<std::string> keys_;  // the current key of each open object
  std::exception_ptr parked_;
};

constexpr bool isJsonSpace(char c) noexcept { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

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
    throw DecodingError(kind, "", "expected a string, found " + std::string(found));
  }
};

}  // namespace

void readJson(std::string_view text, JsonEvents& events) {
  constexpr unsigned kFlags = rapidjson::kParseIterativeFlag | rapidjson::kParseNumbersAsStringsFlag |
                              rapidjson::kParseValidateEncodingFlag | rapidjson::kParseStopWhenDoneFlag;
  rapidjson::MemoryStream stream(text.data(), text.size());
  Adaptor adaptor(events);
  rapidjson::Reader reader;
  const rapidjson::ParseResult result = reader.Parse<kFlags>(stream, adaptor);
  adaptor.rethrowParked();
  // The reader refuses numbers beyond the range of a double even when it
  // hands them on as text: that error belongs to the value's key.
  if (result.Code() == rapidjson::kParseErrorNumberTooBig)
    throw DecodingError(DecodingError::Kind::dataCorrupted, adaptor.path(),
                        "number at offset " + std::to_string(result.Offset()) + " is too large to read");
  if (result.IsError()) {
    throw DecodingError(DecodingError::Kind::dataCorrupted, "",
                        std::string("invalid JSON at offset ") + std::to_string(result.Offset()) + ": " +
                            rapidjson::GetParseError_En(result.Code()));
  }
  // The reader stops after the value; anything but white space after it
  // (a NUL byte included, which the reader would take for the end) is an error.
  for (std::size_t i = stream.Tell(); i < text.size(); ++i) {
    if (!isJsonSpace(text[i]))
      throw DecodingError(DecodingError::Kind::dataCorrupted, "",
                          "invalid JSON at offset " + std::to_string(i) + ": text after the value");
  }
}

std::string readJsonString(std::string_view json) {
  SingleString single;
  readJson(json, single);
  return std::move(single.value);
}

std::optional<std::string> jsonString(std::string_view value) {
  if (value.size() > std::numeric_limits<SizeType>::max()) return std::nullopt;
  rapidjson::StringBuffer buffer;
  rapidjson::Writer<rapidjson::StringBuffer, rapidjson::UTF8<>, rapidjson::UTF8<>, rapidjson::CrtAllocator,
                    rapidjson::kWriteValidateEncodingFlag>
      writer(buffer);
  if (!writer.String(value.data(), static_cast<SizeType>(value.size()))) return std::nullopt;
  return std::string(buffer.GetString(), buffer.GetSize());
}

}  // namespace tal::detail
