// TalDigitGroupingSymbol: the stored digit grouping mark, whose raw value is
// the mark itself (empty for none). The Arabic thousands separator U+066C
// and the comma look alike but are different values.
// Neighbours: the other format settings (TalNotation.h, TalDecimalPlace.h,
// TalDecimalSeparator.h, TalDigitGroupingSize.h,
// TalSecondaryDigitGroupingSize.h) and NumberFormatter.h.
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

/// The stored digit grouping mark, whose raw value is the mark itself (empty for none).
class TAL_EXPORT TalDigitGroupingSymbol {
 public:
  enum class Case : std::uint8_t { noSymbol, dot, comma, space, apostrophe, arabicThousandsSeparator, arabicComma };

  /// A value cast to Case that names no case is read as the first case.
  // NOLINTNEXTLINE(google-explicit-constructor)
  constexpr TalDigitGroupingSymbol(Case c) noexcept : case_(detail::caseInRange(c, Case::arabicComma)) {}

  static const TalDigitGroupingSymbol noSymbol;
  static const TalDigitGroupingSymbol dot;
  static const TalDigitGroupingSymbol comma;
  static const TalDigitGroupingSymbol space;
  static const TalDigitGroupingSymbol apostrophe;
  static const TalDigitGroupingSymbol arabicThousandsSeparator;
  static const TalDigitGroupingSymbol arabicComma;

  [[nodiscard]] constexpr Case value() const noexcept { return case_; }
  /// The stored text, byte for byte.
  [[nodiscard]] std::string_view rawValue() const noexcept;
  /// The identity used in lists: the raw value.
  [[nodiscard]] std::string_view id() const noexcept { return rawValue(); }
  /// The mark as text: the raw value.
  [[nodiscard]] std::string_view symbol() const noexcept { return rawValue(); }
  /// The case whose raw value equals `raw` exactly (byte for byte, no case
  /// folding or trimming); absent for any other text.
  [[nodiscard]] static std::optional<TalDigitGroupingSymbol> fromRawValue(std::string_view raw) noexcept;
  /// All 7 cases in declaration order.
  [[nodiscard]] static std::span<const TalDigitGroupingSymbol> allCases() noexcept;

  friend constexpr bool operator==(TalDigitGroupingSymbol, TalDigitGroupingSymbol) noexcept = default;

 private:
  Case case_;
};

inline constexpr TalDigitGroupingSymbol TalDigitGroupingSymbol::noSymbol{Case::noSymbol};
inline constexpr TalDigitGroupingSymbol TalDigitGroupingSymbol::dot{Case::dot};
inline constexpr TalDigitGroupingSymbol TalDigitGroupingSymbol::comma{Case::comma};
inline constexpr TalDigitGroupingSymbol TalDigitGroupingSymbol::space{Case::space};
inline constexpr TalDigitGroupingSymbol TalDigitGroupingSymbol::apostrophe{Case::apostrophe};
inline constexpr TalDigitGroupingSymbol TalDigitGroupingSymbol::arabicThousandsSeparator{Case::arabicThousandsSeparator};
inline constexpr TalDigitGroupingSymbol TalDigitGroupingSymbol::arabicComma{Case::arabicComma};

}  // namespace tal

// Hashes the raw value text, which equality agrees with.
template <>
struct std::hash<tal::TalDigitGroupingSymbol> {
  std::size_t operator()(tal::TalDigitGroupingSymbol v) const noexcept { return std::hash<std::string_view>{}(v.rawValue()); }
};
