// UnitLookup: how tal-convert finds a unit from what the user typed — by id
// ("length_km"), by symbol, or by name in any letter case. Header-only so the
// example and the unit-lookup fuzzer share it without a library of their own.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "TalFoundation/units/TalUnit.h"

namespace tal::example {

/// ASCII letters compared without case; every other byte must match exactly.
inline bool equalsIgnoringCase(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) return false;
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

/// The first unit of `units` whose id or symbol is exactly `text`; failing
/// that, the first whose name equals it ignoring case. Absent when none does.
inline std::optional<TalUnit> findUnit(std::string_view text, const std::vector<TalUnit>& units) {
  for (const auto& u : units)
    if (u.id() == text || u.symbol() == text) return u;
  for (const auto& u : units)
    if (equalsIgnoringCase(u.name(), text)) return u;
  return std::nullopt;
}

}  // namespace tal::example
