// TalDecimalSeparator: the stored decimal separator — full stop, comma or the
// Arabic decimal separator U+066B — whose raw value is the mark itself.
// Neighbours: the other format settings (TalNotation.h, TalDecimalPlace.h,
// TalDigitGroupingSize.h, TalSecondaryDigitGroupingSize.h,
// TalDigitGroupingSymbol.h) and NumberFormatter.h.
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

/// The stored decimal separator (full stop, comma or U+066B), whose raw value is the mark itself.
class TAL_EXPORT TalDecimalSeparator {
 public:
  enum class Case : std::uint8_t { dot, comma, arabicDecimalSeparator };

  /// A value cast to Case that names no case is read as the first case.
  // NOLINTNEXTLINE(google-explicit-constructor)
  constexpr TalDecimalSeparator(Case c) noexcept : case_(detail::caseInRange(c, Case::arabicDecimalSeparator)) {}

  static const TalDecimalSeparator dot;
  static const TalDecimalSeparator comma;
  static const TalDecimalSeparator arabicDecimalSeparator;

  [[nodiscard]] constexpr Case value() const noexcept { return case_; }
  /// The stored text, byte for byte.
  [[nodiscard]] std::string_view rawValue() const noexcept;
  /// The identity used in lists: the raw value.
  [[nodiscard]] std::string_view id() const noexcept { return rawValue(); }
  /// The mark as text: the raw value.
  [[nodiscard]] std::string_view symbol() const noexcept { return rawValue(); }
  /// The case whose raw value equals `raw` exactly (byte for byte, no case
  /// folding or trimming); absent for any other text.
  [[nodiscard]] static std::optional<TalDecimalSeparator> fromRawValue(std::string_view raw) noexcept;
  /// All 3 cases in declaration order.
  [[nodiscard]] static std::span<const TalDecimalSeparator> allCases() noexcept;

  friend constexpr bool operator==(TalDecimalSeparator, TalDecimalSeparator) noexcept = default;

 private:
  Case case_;
};

inline constexpr TalDecimalSeparator TalDecimalSeparator::dot{Case::dot};
inline constexpr TalDecimalSeparator TalDecimalSeparator::comma{Case::comma};
inline constexpr TalDecimalSeparator TalDecimalSeparator::arabicDecimalSeparator{Case::arabicDecimalSeparator};

}  // namespace tal

// Hashes the raw value text, which equality agrees with.
template <>
struct std::hash<tal::TalDecimalSeparator> {
  std::size_t operator()(tal::TalDecimalSeparator v) const noexcept { return std::hash<std::string_view>{}(v.rawValue()); }
};
