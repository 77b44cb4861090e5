// Color: the UI toolkit's colour as this library sees it: either fixed sRGB
// components with an opacity, or one of the toolkit's named semantic colours
// that the app's toolkit resolves per appearance.
#pragma once

#include <cstdint>
#include <optional>

#include "TalFoundation/Export.h"

namespace tal::platform {

/// sRGB components and opacity, nominally 0...1; values outside are kept
/// as given (the extended sRGB range).
struct TAL_EXPORT RGBA {
  double red = 0.0;
  double green = 0.0;
  double blue = 0.0;
  double opacity = 1.0;

  friend constexpr bool operator==(const RGBA&, const RGBA&) noexcept = default;
};

/// A UI colour: fixed sRGB components with an opacity, or a named semantic colour the toolkit resolves per appearance.
class TAL_EXPORT Color {
 public:
  /// The toolkit colours that change with the appearance.
  enum class Named : std::uint8_t {
    label,
    secondaryLabel,
    systemBackground,
    secondarySystemBackground,
    tertiarySystemGroupedBackground,
  };

  enum class Appearance : std::uint8_t { light, dark };

  /// Opaque black.
  constexpr Color() noexcept = default;

  /// A fixed colour in the sRGB space; components are not clamped.
  [[nodiscard]] static constexpr Color sRGB(double red, double green, double blue, double opacity = 1.0) noexcept {
    return Color(RGBA{red, green, blue, opacity}, std::nullopt);
  }
  /// A semantic colour; its components depend on the appearance.
  [[nodiscard]] static constexpr Color named(Named name) noexcept { return Color(RGBA{}, name); }

  /// The semantic name, absent for a fixed colour.
  [[nodiscard]] constexpr std::optional<Named> name() const noexcept { return name_; }
  /// The components in `appearance`: a fixed colour's own, a named colour's
  /// per the toolkit's published values for that appearance.
  [[nodiscard]] RGBA resolved(Appearance appearance = Appearance::light) const noexcept;

  /// Fixed colours by components, named ones by name.
  friend constexpr bool operator==(const Color&, const Color&) noexcept = default;

 private:
  constexpr Color(RGBA rgba, std::optional<Named> name) noexcept : rgba_(rgba), name_(name) {}

  RGBA rgba_{};
  std::optional<Named> name_;
};

}  // namespace tal::platform
