// TalDigitGroupingSize: the stored size of the digit group next to the
// decimal separator, 2 to 4.
// Neighbours: the other format settings (TalNotation.h, TalDecimalPlace.h,
// TalDecimalSeparator.h, TalSecondaryDigitGroupingSize.h,
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

/// The stored size of the digit group next to the decimal separator, 2 to 4; other raw values read as absent.
class TAL_EXPORT TalDigitGroupingSize {
 public:
  enum class Case : std::uint8_t { _2, _3, _4 };

  /// A value cast to Case that names no case is read as the first case.
  // NOLINTNEXTLINE(google-explicit-constructor)
  constexpr TalDigitGroupingSize(Case c) noexcept : case_(detail::caseInRange(c, Case::_4)) {}

  static const TalDigitGroupingSize _2;
  static const TalDigitGroupingSize _3;
  static const TalDigitGroupingSize _4;

  [[nodiscard]] constexpr Case value() const noexcept { return case_; }
  /// The stored number.
  [[nodiscard]] int rawValue() const noexcept;
  /// The identity used in lists: the raw value.
  [[nodiscard]] int id() const noexcept { return rawValue(); }
  /// The case whose raw value is `raw` (2, 3, 4); absent for any other number.
  [[nodiscard]] static std::optional<TalDigitGroupingSize> fromRawValue(std::int64_t raw) noexcept;
  /// All 3 cases in declaration order.
  [[nodiscard]] static std::span<const TalDigitGroupingSize> allCases() noexcept;

  friend constexpr bool operator==(TalDigitGroupingSize, TalDigitGroupingSize) noexcept = default;

 private:
  Case case_;
};

inline constexpr TalDigitGroupingSize TalDigitGroupingSize::_2{Case::_2};
inline constexpr TalDigitGroupingSize TalDigitGroupingSize::_3{Case::_3};
inline constexpr TalDigitGroupingSize TalDigitGroupingSize::_4{Case::_4};

}  // namespace tal

// Hashes the raw value, which equality agrees with.
template <>
struct std::hash<tal::TalDigitGroupingSize> {
  std::size_t operator()(tal::TalDigitGroupingSize v) const noexcept { return std::hash<int>{}(v.rawValue()); }
};
