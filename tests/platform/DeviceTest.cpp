#include "TalFoundation/platform/Device.h"

#include <gtest/gtest.h>

#include <memory>

namespace tal::platform {
namespace {

TEST(Device, DefaultIsAnUnknownDesktop) {
  const auto device = Device::current();
  ASSERT_NE(device, nullptr);
  EXPECT_EQ(device->userInterfaceIdiom(), UserInterfaceIdiom::unspecified);
  EXPECT_EQ(device->modelName(), "Desktop");
  EXPECT_EQ(device->mainScreenSize(), (ScreenSize{1280.0, 800.0}));
  EXPECT_EQ(device->systemVersion(), (SystemVersion{0, 0}));
}

TEST(Device, InstalledDeviceAnswersUntilTheDefaultIsRestored) {
  const auto before = Device::current();
  Device::setCurrent(std::make_shared<FixedDevice>(
      DeviceFacts{UserInterfaceIdiom::phone, "iPhone15,2", ScreenSize{393.0, 852.0}, SystemVersion{17, 2}}));
  EXPECT_EQ(Device::current()->userInterfaceIdiom(), UserInterfaceIdiom::phone);
  EXPECT_EQ(Device::current()->modelName(), "iPhone15,2");
  EXPECT_EQ(Device::current()->mainScreenSize(), (ScreenSize{393.0, 852.0}));
  EXPECT_EQ(Device::current()->systemVersion(), (SystemVersion{17, 2}));
  Device::setCurrent(nullptr);
  EXPECT_EQ(Device::current(), before);
}

TEST(SystemVersion, OrdersByMajorThenMinor) {
  EXPECT_LT((SystemVersion{16, 9}), (SystemVersion{17, 0}));
  EXPECT_LT((SystemVersion{17, 0}), (SystemVersion{17, 1}));
  EXPECT_GT((SystemVersion{18, 0}), (SystemVersion{17, 9}));
  EXPECT_EQ((SystemVersion{17, 0}), (SystemVersion{17, 0}));
}

}  // namespace
}  // namespace tal::platform
