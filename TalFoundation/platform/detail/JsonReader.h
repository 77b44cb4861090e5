// The library's one JSON reading routine, shared by every subsystem that
// reads JSON (the bundle, exchange-rate snapshots, preferences): strict,
// iterative, with numbers handed on as written. Private.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tal::detail {

/// Nesting deeper than this is refused rather than followed.
inline constexpr std::size_t kMaxJsonDepth = 256;

/// The events of one JSON document, in document order. A handler may throw
/// to stop reading; the exception reaches readJson's caller unchanged.
class JsonEvents {
 public:
  virtual ~JsonEvents() = default;
  virtual void null() = 0;
  virtual void boolean(bool value) = 0;
  /// The number exactly as written in the text, whatever its size.
  virtual void number(std::string_view text) = 0;
  virtual void string(std::string_view value) = 0;
  virtual void key(std::string_view name) = 0;
  virtual void startObject() = 0;
  virtual void endObject() = 0;
  virtual void startArray() = 0;
  virtual void endArray() = 0;
};

/// Reads `text` as exactly one strict JSON value and hands its events to
/// `events`: well-formed UTF-8 only (no overlong forms, no surrogates, none
/// escaped alone), no comments, nesting at most kMaxJsonDepth, nothing but
/// white space after the value (a NUL byte included). A UTF-8 byte-order mark
/// at the start is skipped. Needs no stack in proportion to the nesting.
/// Throws DecodingError (dataCorrupted, empty key, "invalid JSON at offset N:
/// …") for any other text, or whatever a handler throws.
void readJson(std::string_view text, JsonEvents& events);

/// The string of a document that is a single JSON string value. Throws
/// DecodingError for bad JSON, null (valueNotFound) or another type
/// (typeMismatch).
[[nodiscard]] std::string readJsonString(std::string_view json);

}  // namespace tal::detail
