// TalChineseFontPreference: the stored choice of Chinese glyph forms (simplified,
// traditional, Hong Kong, Taiwan), by its raw value.
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

/// The stored choice of Chinese glyph forms: simplified, traditional, Hong Kong or Taiwan.
class TAL_EXPORT TalChineseFontPreference {
 public:
  enum class Case : std::uint8_t { Hans, Hant, HK, TW };

  /// A value cast to Case that names no case is read as the first case.
  // NOLINTNEXTLINE(google-explicit-constructor)
  constexpr TalChineseFontPreference(Case c) noexcept : case_(detail::caseInRange(c, Case::TW)) {}

  static const TalChineseFontPreference Hans;
  static const TalChineseFontPreference Hant;
  static const TalChineseFontPreference HK;
  static const TalChineseFontPreference TW;

  [[nodiscard]] constexpr Case value() const noexcept { return case_; }
  /// One of "Hans", "Hant", "HK", "TW".
  [[nodiscard]] std::string_view rawValue() const noexcept;
  /// The case whose raw value equals `raw` exactly (case-sensitive, no
  /// trimming); absent for any other text.
  [[nodiscard]] static std::optional<TalChineseFontPreference> fromRawValue(std::string_view raw) noexcept;
  /// All 4 cases in declaration order.
  [[nodiscard]] static std::span<const TalChineseFontPreference> allCases() noexcept;

  friend constexpr bool operator==(TalChineseFontPreference, TalChineseFontPreference) noexcept = default;

 private:
  Case case_;
};

inline constexpr TalChineseFontPreference TalChineseFontPreference::Hans{Case::Hans};
inline constexpr TalChineseFontPreference TalChineseFontPreference::Hant{Case::Hant};
inline constexpr TalChineseFontPreference TalChineseFontPreference::HK{Case::HK};
inline constexpr TalChineseFontPreference TalChineseFontPreference::TW{Case::TW};

}  // namespace tal

// Hashes the raw value text, which equality agrees with.
template <>
struct std::hash<tal::TalChineseFontPreference> {
  std::size_t operator()(tal::TalChineseFontPreference v) const noexcept { return std::hash<std::string_view>{}(v.rawValue()); }
};
