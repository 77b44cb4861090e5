#include "TalFoundation/platform/Color.h"

#include <array>
#include <cstddef>

namespace tal::platform {
namespace {

constexpr RGBA rgb255(int r, int g, int b, double opacity = 1.0) {
  return RGBA{r / 255.0, g / 255.0, b / 255.0, opacity};
}

struct NamedRow {
  Color::Named name;
  RGBA light;
  RGBA dark;
};

// The system colours' published sRGB values, one row per name in case order.
constexpr std::array kNamed{
    NamedRow{Color::Named::label, rgb255(0, 0, 0), rgb255(255, 255, 255)},
    NamedRow{Color::Named::secondaryLabel, rgb255(60, 60, 67, 0.6), rgb255(235, 235, 245, 0.6)},
    NamedRow{Color::Named::systemBackground, rgb255(255, 255, 255), rgb255(0, 0, 0)},
    NamedRow{Color::Named::secondarySystemBackground, rgb255(242, 242, 247), rgb255(28, 28, 30)},
    NamedRow{Color::Named::tertiarySystemGroupedBackground, rgb255(242, 242, 247), rgb255(44, 44, 46)},
};

static_assert([] {
  for (std::size_t i = 0; i < kNamed.size(); ++i) {
    if (static_cast<std::size_t>(kNamed[i].name) != i) return false;
  }
  return true;
}());

}  // namespace

RGBA Color::resolved(Appearance appearance) const noexcept {
  if (!name_) return rgba_;
  const NamedRow& row = kNamed[static_cast<std::size_t>(*name_)];
  return appearance == Appearance::dark ? row.dark : row.light;
}

}  // namespace tal::platform
