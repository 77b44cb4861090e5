// The symbols of the eight temperature scales in the catalogue's order, which
// is also the order of the conversion formulas. Kept apart from the
// catalogue's table so a unit record can find its scale while the table
// itself is still being built.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tal::catalogue {

inline constexpr std::array<std::string_view, 8> kTemperatureScaleSymbols = {
    "K", "°C", "°F", "°R", "°Ré", "°Rø", "°N", "°De",
};

/// The scale's position, or -1 for a symbol that names none.
constexpr std::int8_t temperatureScaleOf(std::string_view symbol) noexcept {
  for (std::size_t i = 0; i < kTemperatureScaleSymbols.size(); ++i)
    if (kTemperatureScaleSymbols[i] == symbol) return static_cast<std::int8_t>(i);
  return -1;
}

}  // namespace tal::catalogue
