// Private JSON plumbing of the currency subsystem: the writing of string
// values (reading is platform/detail/JsonReader.h's). Keeps the JSON library
// out of every header.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "TalFoundation/platform/detail/JsonReader.h"

namespace tal::detail {

/// `value` as a JSON string value, quotes included; absent when `value` is
/// not valid UTF-8.
[[nodiscard]] std::optional<std::string> jsonString(std::string_view value);

}  // namespace tal::detail
