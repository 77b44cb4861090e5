// A check the JSON readers share: RapidJSON validates the bytes of a
// document, but an escaped lone surrogate ("\udc00") still decodes to the
// three bytes of one (ED A0..BF), which no well-formed UTF-8 text holds.
#pragma once

#include <cstddef>
#include <string_view>

namespace tal::detail {

/// Whether `text` holds the UTF-8 encoding of a surrogate code point.
[[nodiscard]] constexpr bool holdsEncodedSurrogate(std::string_view text) noexcept {
  for (std::size_t i = 0; i + 1 < text.size(); ++i)
    if (static_cast<unsigned char>(text[i]) == 0xED && static_cast<unsigned char>(text[i + 1]) >= 0xA0) return true;
  return false;
}

}  // namespace tal::detail
