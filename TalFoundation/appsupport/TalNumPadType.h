// TalNumPadType: the stored kind of number pad (converter or calculator), by its
// raw value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

#include "TalFoundation/Export.h"
#include "TalFoundation/detail/RawValues.h"

namespace tal {

/// The stored kind of number pad: the converter's (general) or the calculator's (cal).
class TAL_EXPORT TalNumPadType {
 public:
  enum class Case : std::uint8_t { general, cal };

  /// A value cast to Case that names no case is read as the first case.
  // NOLINTNEXTLINE(google-explicit-constructor)
  constexpr TalNumPadType(Case c) noexcept : case_(detail::caseInRange(c, Case::cal)) {}

  static const TalNumPadType general;
  static const TalNumPadType cal;

  [[nodiscard]] constexpr Case value() const noexcept { return case_; }
  /// One of "general", "cal".
  [[nodiscard]] std::string_view rawValue() const noexcept;
  /// The identity is the raw value.
  [[nodiscard]] std::string_view id() const noexcept { return rawValue(); }
  /// The case whose raw value equals `raw` exactly (case-sensitive, no
  /// trimming); absent for any other text.
  [[nodiscard]] static std::optional<TalNumPadType> fromRawValue(std::string_view raw) noexcept;
  /// All 2 cases in declaration order.
  [[nodiscard]] static std::span<const TalNumPadType> allCases() noexcept;

  friend constexpr bool operator==(TalNumPadType, TalNumPadType) noexcept = default;

 private:
  Case case_;
};

inline constexpr TalNumPadType TalNumPadType::general{Case::general};
inline constexpr TalNumPadType TalNumPadType::cal{Case::cal};

}  // namespace tal

// Hashes the raw value text, which equality agrees with.
template <>
struct std::hash<tal::TalNumPadType> {
  std::size_t operator()(tal::TalNumPadType v) const noexcept { return std::hash<std::string_view>{}(v.rawValue()); }
};
