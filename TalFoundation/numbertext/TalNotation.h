// TalNotation: how a result is written — normal, fixed, scientific or
// engineering notation — by its stored raw value.
// Neighbours: the other format settings (TalDecimalPlace.h,
// TalDecimalSeparator.h, TalDigitGroupingSize.h,
// TalSecondaryDigitGroupingSize.h, TalDigitGroupingSymbol.h) and
// NumberFormatter.h.
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

/// How a result is written: normal, fixed, scientific or engineering notation, by its stored raw value.
class TAL_EXPORT TalNotation {
 public:
  enum class Case : std::uint8_t { normal, fixed, scientific, engineer };

  /// A value cast to Case that names no case is read as the first case.
  // NOLINTNEXTLINE(google-explicit-constructor)
  constexpr TalNotation(Case c) noexcept : case_(detail::caseInRange(c, Case::engineer)) {}

  static const TalNotation normal;
  static const TalNotation fixed;
  static const TalNotation scientific;
  static const TalNotation engineer;

  [[nodiscard]] constexpr Case value() const noexcept { return case_; }
  /// The stored text, byte for byte.
  [[nodiscard]] std::string_view rawValue() const noexcept;
  /// The identity used in lists: the raw value.
  [[nodiscard]] std::string_view id() const noexcept { return rawValue(); }
  /// The case whose raw value equals `raw` exactly (byte for byte, no case
  /// folding or trimming); absent for any other text.
  [[nodiscard]] static std::optional<TalNotation> fromRawValue(std::string_view raw) noexcept;
  /// All 4 cases in declaration order.
  [[nodiscard]] static std::span<const TalNotation> allCases() noexcept;

  friend constexpr bool operator==(TalNotation, TalNotation) noexcept = default;

 private:
  Case case_;
};

inline constexpr TalNotation TalNotation::normal{Case::normal};
inline constexpr TalNotation TalNotation::fixed{Case::fixed};
inline constexpr TalNotation TalNotation::scientific{Case::scientific};
inline constexpr TalNotation TalNotation::engineer{Case::engineer};

}  // namespace tal

// Hashes the raw value text, which equality agrees with.
template <>
struct std::hash<tal::TalNotation> {
  std::size_t operator()(tal::TalNotation v) const noexcept { return std::hash<std::string_view>{}(v.rawValue()); }
};
