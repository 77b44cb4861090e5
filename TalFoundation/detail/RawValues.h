// The raw-value table behind the library's small enumeration classes: one
// text per case, written next to its case, with the three lookups every such
// class answers (rawValue, fromRawValue, allCases).
#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <type_traits>
#include <utility>

namespace tal::detail {

/// `c` when it is one of the declared cases (ordinals 0 through `last`),
/// else `fallback`: an enumeration class built from a cast integer never
/// holds a case its tables do not have.
template <class Case>
[[nodiscard]] constexpr Case caseInRange(Case c, Case last, Case fallback = Case{}) noexcept {
  using Ordinal = std::underlying_type_t<Case>;
  return static_cast<Ordinal>(c) <= static_cast<Ordinal>(last) ? c : fallback;
}

template <class Case, class Raw = std::string_view>
struct RawValueRow {
  Case c;
  Raw raw;
};

template <class Enum, std::size_t N, class Raw = std::string_view>
class RawValues {
 public:
  using Case = typename Enum::Case;

  /// Rows must list every case once, in declaration order; a table that
  /// does not fails to compile.
  consteval explicit RawValues(const RawValueRow<Case, Raw> (&rows)[N]) : RawValues(rows, std::make_index_sequence<N>{}) {
    for (std::size_t i = 0; i < N; ++i)
      if (static_cast<std::size_t>(rows[i].c) != i) throw "raw-value rows must follow the order of the cases";
  }

  [[nodiscard]] constexpr Raw rawValue(Case c) const noexcept {
    return raw_[static_cast<std::size_t>(c)];
  }
  /// The case whose raw value equals `raw` exactly; absent for any other
  /// value. Integers of any width compare by value, so no caller narrows.
  template <std::equality_comparable_with<Raw> T>
  [[nodiscard]] constexpr std::optional<Enum> fromRawValue(const T& raw) const noexcept {
    for (std::size_t i = 0; i < N; ++i)
      if (raw_[i] == raw) return all_[i];
    return std::nullopt;
  }
  [[nodiscard]] constexpr std::span<const Enum> allCases() const noexcept { return all_; }

 private:
  template <std::size_t... I>
  consteval RawValues(const RawValueRow<Case, Raw> (&rows)[N], std::index_sequence<I...>)
      : raw_{rows[I].raw...}, all_{Enum(rows[I].c)...} {}

  std::array<Raw, N> raw_;
  std::array<Enum, N> all_;
};

template <class Enum, class Raw = std::string_view, std::size_t N>
consteval RawValues<Enum, N, Raw> makeRawValues(const RawValueRow<typename Enum::Case, Raw> (&rows)[N]) {
  return RawValues<Enum, N, Raw>(rows);
}

}  // namespace tal::detail
