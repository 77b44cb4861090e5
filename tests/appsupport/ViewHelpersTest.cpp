#include "TalFoundation/appsupport/ViewHelpers.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <ostream>
#include <utility>

#include "TalFoundation/appsupport/TalColor.h"
#include "TalFoundation/platform/Device.h"

namespace tal {
namespace {

using platform::ScreenSize;
using platform::SystemVersion;

class DeviceGuard {
 public:
  explicit DeviceGuard(platform::DeviceFacts facts) {
    platform::Device::setCurrent(std::make_shared<platform::FixedDevice>(std::move(facts)));
  }
  ~DeviceGuard() { platform::Device::setCurrent(nullptr); }
  DeviceGuard(const DeviceGuard&) = delete;
  DeviceGuard& operator=(const DeviceGuard&) = delete;
};

struct ScreenRow {
  ScreenSize screen;
  bool small;
};
void PrintTo(const ScreenRow& r, std::ostream* os) { *os << r.screen.width << "x" << r.screen.height; }

class SmallScreen : public testing::TestWithParam<ScreenRow> {};

TEST_P(SmallScreen, IsTheShorterSideBelow376Points) {
  EXPECT_EQ(isSmallScreeniPhone(GetParam().screen), GetParam().small);
  platform::DeviceFacts facts;
  facts.mainScreen = GetParam().screen;
  const DeviceGuard guard(facts);
  EXPECT_EQ(isSmallScreeniPhone(), GetParam().small);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Screens, SmallScreen,
    testing::Values(ScreenRow{{375.0, 667.0}, true}, ScreenRow{{667.0, 375.0}, true},
                    ScreenRow{{390.0, 844.0}, false}, ScreenRow{{376.0, 800.0}, false},
                    ScreenRow{{800.0, 376.0}, false}, ScreenRow{{375.999, 800.0}, true},
                    ScreenRow{{320.0, 568.0}, true}, ScreenRow{{0.0, 0.0}, true},
                    ScreenRow{{kNaN, 320.0}, false}, ScreenRow{{320.0, kNaN}, false},
                    ScreenRow{{1280.0, 800.0}, false}));

TEST(SmallScreen, DefaultDesktopIsNotSmall) { EXPECT_FALSE(isSmallScreeniPhone()); }

TEST(ForegroundColor, OnAnyViewIsTheStyleCallTypeErased) {
  const platform::Color red = TalColor::fromHex(0xFF0000);
  EXPECT_EQ(talForegroundColor(red),
            (ForegroundStyle{red, ForegroundStyle::Call::foregroundStyle, ForegroundStyle::Result::anyView}));
}

struct VersionRow {
  SystemVersion version;
  ForegroundStyle::Call call;
};
void PrintTo(const VersionRow& r, std::ostream* os) { *os << r.version.major << "." << r.version.minor; }

class TextForegroundColor : public testing::TestWithParam<VersionRow> {};

TEST_P(TextForegroundColor, UsesTheStyleCallFrom17AndStaysText) {
  const platform::Color label = TalColor::talLabel();
  const ForegroundStyle expected{label, GetParam().call, ForegroundStyle::Result::text};
  EXPECT_EQ(talTextForegroundColor(label, GetParam().version), expected);
  platform::DeviceFacts facts;
  facts.systemVersion = GetParam().version;
  const DeviceGuard guard(facts);
  EXPECT_EQ(talTextForegroundColor(label), expected);
}

INSTANTIATE_TEST_SUITE_P(Versions, TextForegroundColor,
                         testing::Values(VersionRow{{0, 0}, ForegroundStyle::Call::foregroundColor},
                                         VersionRow{{16, 9}, ForegroundStyle::Call::foregroundColor},
                                         VersionRow{{17, 0}, ForegroundStyle::Call::foregroundStyle},
                                         VersionRow{{17, 4}, ForegroundStyle::Call::foregroundStyle},
                                         VersionRow{{26, 0}, ForegroundStyle::Call::foregroundStyle}));

}  // namespace
}  // namespace tal
