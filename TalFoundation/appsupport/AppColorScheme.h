// AppColorScheme: the stored light, dark or automatic appearance, by its raw
// value, and its JSON form (the raw value as a JSON string).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "TalFoundation/Export.h"
#include "TalFoundation/platform/DecodingError.h"

#include "TalFoundation/detail/RawValues.h"

namespace tal {

/// The stored appearance, dark, light or automatic; decoding any other raw value throws DecodingError.
class TAL_EXPORT AppColorScheme {
 public:
  /// `auto_` is the case of raw value "auto" (`auto` is a C++ keyword).
  enum class Case : std::uint8_t { dark, light, auto_ };

  /// A value cast to Case that names no case is read as the first case.
  // NOLINTNEXTLINE(google-explicit-constructor)
  constexpr AppColorScheme(Case c) noexcept : case_(detail::caseInRange(c, Case::auto_)) {}

  static const AppColorScheme dark;
  static const AppColorScheme light;
  static const AppColorScheme auto_;

  [[nodiscard]] constexpr Case value() const noexcept { return case_; }
  /// One of "dark", "light", "auto".
  [[nodiscard]] std::string_view rawValue() const noexcept;
  /// The identity is the raw value.
  [[nodiscard]] std::string_view id() const noexcept { return rawValue(); }
  /// The case whose raw value equals `raw` exactly (case-sensitive, no
  /// trimming); absent for any other text.
  [[nodiscard]] static std::optional<AppColorScheme> fromRawValue(std::string_view raw) noexcept;
  /// All 3 cases in declaration order.
  [[nodiscard]] static std::span<const AppColorScheme> allCases() noexcept;

  /// The case of a decoded raw-value string; throws DecodingError
  /// (dataCorrupted) for any other text. Only decoding throws here.
  [[nodiscard]] static AppColorScheme decode(std::string_view raw);
  /// The case of a JSON document that is one string; throws DecodingError:
  /// dataCorrupted when the text is not strict JSON (anything after the
  /// value, a NUL byte included) or not a raw value, valueNotFound for null,
  /// typeMismatch for any other JSON value.
  [[nodiscard]] static AppColorScheme fromJSON(std::string_view json);
  /// The raw value as a JSON string, e.g. "\"dark\"".
  [[nodiscard]] std::string toJSON() const;

  friend constexpr bool operator==(AppColorScheme, AppColorScheme) noexcept = default;

 private:
  Case case_;
};

inline constexpr AppColorScheme AppColorScheme::dark{Case::dark};
inline constexpr AppColorScheme AppColorScheme::light{Case::light};
inline constexpr AppColorScheme AppColorScheme::auto_{Case::auto_};

}  // namespace tal

// Hashes the raw value text, which equality agrees with.
template <>
struct std::hash<tal::AppColorScheme> {
  std::size_t operator()(tal::AppColorScheme v) const noexcept { return std::hash<std::string_view>{}(v.rawValue()); }
};
