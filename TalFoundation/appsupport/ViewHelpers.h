// ViewHelpers: the shared view modifiers as values the app's toolkit
// applies (nothing here draws): the foreground colour of a view or a text,
// and whether the main screen is a small phone screen.
#pragma once

#include <cstdint>

#include "TalFoundation/Export.h"
#include "TalFoundation/platform/Color.h"
#include "TalFoundation/platform/Device.h"

namespace tal {

/// A foreground colour and the styling call that applies it.
struct TAL_EXPORT ForegroundStyle {
  enum class Call : std::uint8_t {
    foregroundStyle,  ///< the newer styling call
    foregroundColor,  ///< the older colour call
  };
  /// What the modifier hands back.
  enum class Result : std::uint8_t {
    anyView,  ///< a type-erased view
    text,     ///< still a text view
  };

  platform::Color color;
  Call call = Call::foregroundStyle;
  Result result = Result::anyView;

  friend constexpr bool operator==(const ForegroundStyle&, const ForegroundStyle&) noexcept = default;
};

/// On any view: `color` as the foreground style, type-erased.
[[nodiscard]] TAL_EXPORT ForegroundStyle talForegroundColor(const platform::Color& color) noexcept;
/// On a text: the foreground style from system version 17.0 on, the
/// foreground colour before; the result stays a text. Reads the version from
/// the device seam.
[[nodiscard]] TAL_EXPORT ForegroundStyle talTextForegroundColor(const platform::Color& color);
/// The same for a given system version.
[[nodiscard]] TAL_EXPORT ForegroundStyle talTextForegroundColor(const platform::Color& color,
                                                     platform::SystemVersion version) noexcept;

/// Whether the smaller side of the device seam's main screen is below 376
/// points.
[[nodiscard]] TAL_EXPORT bool isSmallScreeniPhone();
/// The same for a given screen; false when a side is not a number.
[[nodiscard]] TAL_EXPORT bool isSmallScreeniPhone(platform::ScreenSize screen) noexcept;

}  // namespace tal
