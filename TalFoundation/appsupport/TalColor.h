// TalColor: colours from a hexadecimal integer or a list of 0-255 channels,
// and the toolkit's semantic label and background colours under the names
// the app's screens use. The toolkit colour and the UI colour are the same
// type here (platform::Color), so the UIColor forms are these as well.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>

#include "TalFoundation/Export.h"
#include "TalFoundation/platform/Color.h"

namespace tal {

/// Colours from a hex integer or 0–255 channels, and the semantic label and background colours by the app's names.
struct TAL_EXPORT TalColor {
  TalColor() = delete;

  /// sRGB red = bits 16-23 ÷ 255, green = bits 8-15 ÷ 255, blue = bits 0-7
  /// ÷ 255, opacity = alpha. Higher bits (and a negative sign) are ignored.
  [[nodiscard]] static platform::Color fromHex(std::int64_t hex, double alpha = 1.0) noexcept;
  /// sRGB from the first three entries ÷ 255 (not clamped), opacity = alpha;
  /// further entries are ignored. Absent with fewer than three entries.
  [[nodiscard]] static std::optional<platform::Color> fromRGB(std::span<const int> rgb, double alpha = 1.0) noexcept;
  [[nodiscard]] static std::optional<platform::Color> fromRGB(std::initializer_list<int> rgb,
                                                              double alpha = 1.0) noexcept {
    return fromRGB(std::span<const int>(rgb.begin(), rgb.size()), alpha);
  }

  /// The primary label colour.
  [[nodiscard]] static platform::Color talLabel() noexcept;
  [[nodiscard]] static platform::Color platformLabel() noexcept;
  /// The secondary label colour.
  [[nodiscard]] static platform::Color talSecondaryLabel() noexcept;
  [[nodiscard]] static platform::Color platformSecondaryLabel() noexcept;
  /// The system background (both names give the same colour).
  [[nodiscard]] static platform::Color platformBackground() noexcept;
  [[nodiscard]] static platform::Color platformControlBackground() noexcept;
  /// The secondary system background.
  [[nodiscard]] static platform::Color platformSecondaryBackground() noexcept;
  /// The tertiary system grouped background (the grouped family).
  [[nodiscard]] static platform::Color platformTertiaryBackground() noexcept;
};

}  // namespace tal
