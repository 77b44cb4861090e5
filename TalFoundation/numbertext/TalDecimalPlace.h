// TalDecimalPlace: the stored number of decimal places, 0 to 14.
// Neighbours: the other format settings (TalNotation.h, TalDecimalSeparator.h,
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

/// The stored number of decimal places, 0 to 14; any other raw value reads as absent.
class TAL_EXPORT TalDecimalPlace {
 public:
  enum class Case : std::uint8_t { _0, _1, _2, _3, _4, _5, _6, _7, _8, _9, _10, _11, _12, _13, _14 };

  /// A value cast to Case that names no case is read as the first case.
  // NOLINTNEXTLINE(google-explicit-constructor)
  constexpr TalDecimalPlace(Case c) noexcept : case_(detail::caseInRange(c, Case::_14)) {}

  static const TalDecimalPlace _0;
  static const TalDecimalPlace _1;
  static const TalDecimalPlace _2;
  static const TalDecimalPlace _3;
  static const TalDecimalPlace _4;
  static const TalDecimalPlace _5;
  static const TalDecimalPlace _6;
  static const TalDecimalPlace _7;
  static const TalDecimalPlace _8;
  static const TalDecimalPlace _9;
  static const TalDecimalPlace _10;
  static const TalDecimalPlace _11;
  static const TalDecimalPlace _12;
  static const TalDecimalPlace _13;
  static const TalDecimalPlace _14;

  [[nodiscard]] constexpr Case value() const noexcept { return case_; }
  /// The stored number.
  [[nodiscard]] int rawValue() const noexcept;
  /// The identity used in lists: the raw value.
  [[nodiscard]] int id() const noexcept { return rawValue(); }
  /// The case whose raw value is `raw` (0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14); absent for any other number.
  [[nodiscard]] static std::optional<TalDecimalPlace> fromRawValue(std::int64_t raw) noexcept;
  /// All 15 cases in declaration order.
  [[nodiscard]] static std::span<const TalDecimalPlace> allCases() noexcept;

  friend constexpr bool operator==(TalDecimalPlace, TalDecimalPlace) noexcept = default;

 private:
  Case case_;
};

inline constexpr TalDecimalPlace TalDecimalPlace::_0{Case::_0};
inline constexpr TalDecimalPlace TalDecimalPlace::_1{Case::_1};
inline constexpr TalDecimalPlace TalDecimalPlace::_2{Case::_2};
inline constexpr TalDecimalPlace TalDecimalPlace::_3{Case::_3};
inline constexpr TalDecimalPlace TalDecimalPlace::_4{Case::_4};
inline constexpr TalDecimalPlace TalDecimalPlace::_5{Case::_5};
inline constexpr TalDecimalPlace TalDecimalPlace::_6{Case::_6};
inline constexpr TalDecimalPlace TalDecimalPlace::_7{Case::_7};
inline constexpr TalDecimalPlace TalDecimalPlace::_8{Case::_8};
inline constexpr TalDecimalPlace TalDecimalPlace::_9{Case::_9};
inline constexpr TalDecimalPlace TalDecimalPlace::_10{Case::_10};
inline constexpr TalDecimalPlace TalDecimalPlace::_11{Case::_11};
inline constexpr TalDecimalPlace TalDecimalPlace::_12{Case::_12};
inline constexpr TalDecimalPlace TalDecimalPlace::_13{Case::_13};
inline constexpr TalDecimalPlace TalDecimalPlace::_14{Case::_14};

}  // namespace tal

// Hashes the raw value, which equality agrees with.
template <>
struct std::hash<tal::TalDecimalPlace> {
  std::size_t operator()(tal::TalDecimalPlace v) const noexcept { return std::hash<int>{}(v.rawValue()); }
};
