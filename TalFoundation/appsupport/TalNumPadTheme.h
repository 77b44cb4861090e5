// TalNumPadTheme: the stored look of the number pad, by its raw value.
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

/// The stored look of the number pad, by raw value "general" or "calGeneral"; other text reads as absent.
class TAL_EXPORT TalNumPadTheme {
 public:
  enum class Case : std::uint8_t { general, calGeneral };

  /// A value cast to Case that names no case is read as the first case.
  // NOLINTNEXTLINE(google-explicit-constructor)
  constexpr TalNumPadTheme(Case c) noexcept : case_(detail::caseInRange(c, Case::calGeneral)) {}

  static const TalNumPadTheme general;
  static const TalNumPadTheme calGeneral;

  [[nodiscard]] constexpr Case value() const noexcept { return case_; }
  /// One of "general", "calGeneral".
  [[nodiscard]] std::string_view rawValue() const noexcept;
  /// The identity is the raw value.
  [[nodiscard]] std::string_view id() const noexcept { return rawValue(); }
  /// The case whose raw value equals `raw` exactly (case-sensitive, no
  /// trimming); absent for any other text.
  [[nodiscard]] static std::optional<TalNumPadTheme> fromRawValue(std::string_view raw) noexcept;
  /// All 2 cases in declaration order.
  [[nodiscard]] static std::span<const TalNumPadTheme> allCases() noexcept;

  friend constexpr bool operator==(TalNumPadTheme, TalNumPadTheme) noexcept = default;

 private:
  Case case_;
};

inline constexpr TalNumPadTheme TalNumPadTheme::general{Case::general};
inline constexpr TalNumPadTheme TalNumPadTheme::calGeneral{Case::calGeneral};

}  // namespace tal

// Hashes the raw value text, which equality agrees with.
template <>
struct std::hash<tal::TalNumPadTheme> {
  std::size_t operator()(tal::TalNumPadTheme v) const noexcept { return std::hash<std::string_view>{}(v.rawValue()); }
};
