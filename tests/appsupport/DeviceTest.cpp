#include "TalFoundation/appsupport/Device.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <unordered_set>

#include "TalFoundation/platform/Device.h"

namespace tal {
namespace {

using platform::UserInterfaceIdiom;
using Type = Device::Devicetype;

struct IdiomRow {
  UserInterfaceIdiom idiom;
  Type type;
};
void PrintTo(const IdiomRow& r, std::ostream* os) { *os << static_cast<int>(r.idiom); }

class DeviceTypeByIdiom : public testing::TestWithParam<IdiomRow> {};

TEST_P(DeviceTypeByIdiom, MapsPhonePadAndMacOnly) {
  EXPECT_EQ(Device::deviceType(GetParam().idiom), GetParam().type);
  platform::DeviceFacts facts;
  facts.idiom = GetParam().idiom;
  platform::Device::setCurrent(std::make_shared<platform::FixedDevice>(facts));
  EXPECT_EQ(Device::deviceType(), GetParam().type);
  platform::Device::setCurrent(nullptr);
}

INSTANTIATE_TEST_SUITE_P(AllIdioms, DeviceTypeByIdiom,
                         testing::Values(IdiomRow{UserInterfaceIdiom::phone, Type::iPhone},
                                         IdiomRow{UserInterfaceIdiom::pad, Type::iPad},
                                         IdiomRow{UserInterfaceIdiom::mac, Type::Mac},
                                         IdiomRow{UserInterfaceIdiom::unspecified, Type::Unspecified},
                                         IdiomRow{UserInterfaceIdiom::tv, Type::Unspecified},
                                         IdiomRow{UserInterfaceIdiom::carPlay, Type::Unspecified},
                                         IdiomRow{UserInterfaceIdiom::vision, Type::Unspecified}));

TEST(DeviceType, DefaultDesktopIsUnspecified) { EXPECT_EQ(Device::deviceType(), Type::Unspecified); }

TEST(DeviceType, FiveDistinctHashableCases) {
  const std::unordered_set<Type> all{Type::Unspecified, Type::iPhone, Type::iPad, Type::Mac, Type::visionOS};
  EXPECT_EQ(all.size(), 5U);
  EXPECT_NE(Type::visionOS, Type::Unspecified);
}

}  // namespace
}  // namespace tal
