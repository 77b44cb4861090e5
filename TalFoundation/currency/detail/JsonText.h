// Private JSON plumbing of the currency subsystem: one strict reader that
// turns a document into events, and the writing of string values. Keeps the
// JSON library out of every header.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tal::detail {

/// Nesting deeper than this is refused rather than followed.
inline constexpr std::size_t kMaxJsonDepth = 256;

/// The events of one JSON document, in document order. A handler throws
/// DecodingError to stop reading.
class JsonEvents {
 public:
  virtual ~JsonEvents() = default;
  virtual void null() = 0;
  virtual void boolean(bool value) = 0;
  /// The number exactly as written in the text.
  virtual void number(std::string_view text) = 0;
  virtual void string(std::string_view value) = 0;
  virtual void key(std::string_view name) = 0;
  virtual void startObject() = 0;
  virtual void endObject() = 0;
  virtual void startArray() = 0;
  virtual void endArray() = 0;
};

/// Reads `text` as exactly one strict JSON value (valid UTF-8, no comments,
/// white space only around it, nesting at most kMaxJsonDepth) and hands its
/// events to `events`. Throws DecodingError (dataCorrupted, empty key) for
/// any text that is not such a document, or whatever the handler throws.
void readJson(std::string_view text, JsonEvents& events);

/// The string of a document that is a single JSON string value. Throws
/// DecodingError for bad JSON, null (valueNotFound) or another type
/// (typeMismatch).
[[nodiscard]] std::string readJsonString(std::string_view json);

/// `value` as a JSON string value, quotes included; absent when `value` is
/// not valid UTF-8.
[[nodiscard]] std::optional<std::string> jsonString(std::string_view value);

}  // namespace tal::detail
