// DecodingError: the one exception that JSON decoding throws — which key
// failed and why. Decoding either returns a whole value or throws this,
// always through throwDecodingError. In platform/ so that every subsystem
// that reads JSON (currency, appsupport) reaches it without the others.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "TalFoundation/Export.h"

namespace tal {

/// The one exception JSON decoding throws: which kind of failure, at which key, and why.
class TAL_EXPORT DecodingError : public std::runtime_error {
 public:
  enum class Kind : std::uint8_t {
    dataCorrupted,  ///< not JSON, or a value outside what the type can hold
    keyNotFound,    ///< a required key is missing
    typeMismatch,   ///< a value of the wrong JSON type
    valueNotFound,  ///< null where a value is required
  };

  /// `key` is the path of the failing value ("rates.EUR"); empty for the
  /// document itself.
  DecodingError(Kind kind, std::string key, std::string reason);

  [[nodiscard]] Kind kind() const noexcept { return kind_; }
  [[nodiscard]] const std::string& key() const noexcept { return key_; }
  [[nodiscard]] const std::string& reason() const noexcept { return reason_; }

 private:
  Kind kind_;
  std::string key_;
  std::string reason_;
};

/// Throws DecodingError(kind, key, reason): the one place it is thrown.
[[noreturn]] TAL_EXPORT void throwDecodingError(DecodingError::Kind kind, std::string key, std::string reason);

}  // namespace tal
