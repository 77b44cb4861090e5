// TalSecondaryDigitGroupingSize: the stored size of the digit groups beyond
// the first (the 2 of 12,34,567), 0 or 2 to 4.
// Neighbours: the other format settings (TalNotation.h, TalDecimalPlace.h,
// TalDecimalSeparator.h, TalDigitGroupingSize.h, TalDigitGroupingSymbol.h) and
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

/// The stored size of the digit groups beyond the first (the 2 of 12,34,567), 2 to 4, or 0 for the first's size.
class TAL_EXPORT TalSecondaryDigitGroupingSize {
 public:
  enum class Case : std::uint8_t { _0, _2, _3, _4 };

  /// A value cast to Case that names no case is read as the first case.
  // NOLINTNEXTLINE(google-explicit-constructor)
  constexpr TalSecondaryDigitGroupingSize(Case c) noexcept : case_(detail::caseInRange(c, Case::_4)) {}

  static const TalSecondaryDigitGroupingSize _0;
  static const TalSecondaryDigitGroupingSize _2;
  static const TalSecondaryDigitGroupingSize _3;
  static const TalSecondaryDigitGroupingSize _4;

  [[nodiscard]] constexpr Case value() const noexcept { return case_; }
  /// The stored number.
  [[nodiscard]] int rawValue() const noexcept;
  /// The identity used in lists: the raw value.
  [[nodiscard]] int id() const noexcept { return rawValue(); }
  /// The case whose raw value is `raw` (0, 2, 3, 4); absent for any other number.
  [[nodiscard]] static std::optional<TalSecondaryDigitGroupingSize> fromRawValue(std::int64_t raw) noexcept;
  /// All 4 cases in declaration order.
  [[nodiscard]] static std::span<const TalSecondaryDigitGroupingSize> allCases() noexcept;

  friend constexpr bool operator==(TalSecondaryDigitGroupingSize, TalSecondaryDigitGroupingSize) noexcept = default;

 private:
  Case case_;
};

inline constexpr TalSecondaryDigitGroupingSize TalSecondaryDigitGroupingSize::_0{Case::_0};
inline constexpr TalSecondaryDigitGroupingSize TalSecondaryDigitGroupingSize::_2{Case::_2};
inline constexpr TalSecondaryDigitGroupingSize TalSecondaryDigitGroupingSize::_3{Case::_3};
inline constexpr TalSecondaryDigitGroupingSize TalSecondaryDigitGroupingSize::_4{Case::_4};

}  // namespace tal

// Hashes the raw value, which equality agrees with.
template <>
struct std::hash<tal::TalSecondaryDigitGroupingSize> {
  std::size_t operator()(tal::TalSecondaryDigitGroupingSize v) const noexcept { return std::hash<int>{}(v.rawValue()); }
};
