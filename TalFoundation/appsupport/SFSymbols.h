// SFSymbols: the system symbol images the app shows, by role; the raw value is
// the image's name, which differs from the role for hint, refresh, settings and
// undo.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "TalFoundation/Export.h"
#include "TalFoundation/detail/RawValues.h"

namespace tal {

/// The system symbol images the app shows, by role; the raw value is the image's name.
class TAL_EXPORT SFSymbols {
 public:
  enum class Case : std::uint8_t { checkmark, hint, questionmark, refresh, settings, undo };

  /// A value cast to Case that names no case is read as the first case.
  // NOLINTNEXTLINE(google-explicit-constructor)
  constexpr SFSymbols(Case c) noexcept : case_(detail::caseInRange(c, Case::undo)) {}

  static const SFSymbols checkmark;
  static const SFSymbols hint;
  static const SFSymbols questionmark;
  static const SFSymbols refresh;
  static const SFSymbols settings;
  static const SFSymbols undo;

  [[nodiscard]] constexpr Case value() const noexcept { return case_; }
  /// One of "checkmark", "lightbulb", "questionmark", "arrow.clockwise", "gear", "arrow.uturn.backward".
  [[nodiscard]] std::string_view rawValue() const noexcept;
  /// The case whose raw value equals `raw` exactly (case-sensitive, no
  /// trimming); absent for any other text.
  [[nodiscard]] static std::optional<SFSymbols> fromRawValue(std::string_view raw) noexcept;

  friend constexpr bool operator==(SFSymbols, SFSymbols) noexcept = default;

 private:
  Case case_;
};

inline constexpr SFSymbols SFSymbols::checkmark{Case::checkmark};
inline constexpr SFSymbols SFSymbols::hint{Case::hint};
inline constexpr SFSymbols SFSymbols::questionmark{Case::questionmark};
inline constexpr SFSymbols SFSymbols::refresh{Case::refresh};
inline constexpr SFSymbols SFSymbols::settings{Case::settings};
inline constexpr SFSymbols SFSymbols::undo{Case::undo};

}  // namespace tal

// Hashes the raw value text, which equality agrees with.
template <>
struct std::hash<tal::SFSymbols> {
  std::size_t operator()(tal::SFSymbols v) const noexcept { return std::hash<std::string_view>{}(v.rawValue()); }
};
