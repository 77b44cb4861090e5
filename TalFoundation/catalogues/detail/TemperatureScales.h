// The symbols of the eight temperature scales in the catalogue's order, which
// is also the order of the conversion formulas. Kept apart from the
// catalogue's table so a unit record can find its scale while the table
// itself is still being built.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "TalFoundation/platform/Decimal.h"

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

/// A formula from one scale to another.
using TemperatureFormula = platform::Decimal (*)(const platform::Decimal&);
/// The formulas from the scale at `from` to each of the eight, by position
/// (null to itself); null for a position out of range. Defined with the
/// catalogue's table, a constant one, so it is there at any time.
const TemperatureFormula* temperatureFormulasFrom(int from) noexcept;

}  // namespace tal::catalogue
