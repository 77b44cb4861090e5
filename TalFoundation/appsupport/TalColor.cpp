#include "TalFoundation/appsupport/TalColor.h"

namespace tal {
namespace {

using Named = platform::Color::Named;

double channel(std::uint64_t bits, int shift) { return static_cast<double>((bits >> shift) & 0xFFU) / 255.0; }

}  // namespace

platform::Color TalColor::fromHex(std::int64_t hex, double alpha) noexcept {
  const auto bits = static_cast<std::uint64_t>(hex);  // two's complement: the low 24 bits as written
  return platform::Color::sRGB(channel(bits, 16), channel(bits, 8), channel(bits, 0), alpha);
}

std::optional<platform::Color> TalColor::fromRGB(std::span<const int> rgb, double alpha) noexcept {
  if (rgb.size() < 3) return std::nullopt;
  return platform::Color::sRGB(rgb[0] / 255.0, rgb[1] / 255.0, rgb[2] / 255.0, alpha);
}

platform::Color TalColor::talLabel() noexcept { return platform::Color::named(Named::label); }
platform::Color TalColor::platformLabel() noexcept { return platform::Color::named(Named::label); }
platform::Color TalColor::talSecondaryLabel() noexcept { return platform::Color::named(Named::secondaryLabel); }
platform::Color TalColor::platformSecondaryLabel() noexcept { return platform::Color::named(Named::secondaryLabel); }
platform::Color TalColor::platformBackground() noexcept { return platform::Color::named(Named::systemBackground); }
platform::Color TalColor::platformControlBackground() noexcept {
  return platform::Color::named(Named::systemBackground);
}
platform::Color TalColor::platformSecondaryBackground() noexcept {
  return platform::Color::named(Named::secondarySystemBackground);
}
platform::Color TalColor::platformTertiaryBackground() noexcept {
  return platform::Color::named(Named::tertiarySystemGroupedBackground);
}

}  // namespace tal
