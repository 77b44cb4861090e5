#include "TalFoundation/appsupport/ViewHelpers.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace tal {
namespace {

constexpr platform::SystemVersion kForegroundStyleSince{17, 0};
constexpr double kSmallScreenLimit = 376.0;

}  // namespace

ForegroundStyle talForegroundColor(const platform::Color& color) noexcept {
  return ForegroundStyle{color, ForegroundStyle::Call::foregroundStyle, ForegroundStyle::Result::anyView};
}

ForegroundStyle talTextForegroundColor(const platform::Color& color, platform::SystemVersion version) noexcept {
  const auto call =
      version >= kForegroundStyleSince ? ForegroundStyle::Call::foregroundStyle : ForegroundStyle::Call::foregroundColor;
  return ForegroundStyle{color, call, ForegroundStyle::Result::text};
}

ForegroundStyle talTextForegroundColor(const platform::Color& color) {
  return talTextForegroundColor(color, platform::Device::current()->systemVersion());
}

bool isSmallScreeniPhone(platform::ScreenSize screen) noexcept {
  if (std::isnan(screen.width) || std::isnan(screen.height)) return false;
  return std::min(screen.width, screen.height) < kSmallScreenLimit;
}

bool isSmallScreeniPhone() { return isSmallScreeniPhone(platform::Device::current()->mainScreenSize()); }

}  // namespace tal
