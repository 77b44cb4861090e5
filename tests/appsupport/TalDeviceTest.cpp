#include "TalFoundation/appsupport/TalDevice.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_set>

#include "TalFoundation/platform/Device.h"

namespace tal {
namespace {

using Type = TalDevice::DeviceType;

struct RawRow {
  Type type;
  std::string_view raw;
};
void PrintTo(const RawRow& r, std::ostream* os) { *os << r.raw; }

const RawRow kRaw[] = {
    {Type::iPhone, "iPhone"},       {Type::iPad, "iPad"},         {Type::mac, "mac"},
    {Type::appleTV, "appleTV"},     {Type::carPlay, "carPlay"},   {Type::appleWatch, "appleWatch"},
    {Type::visionPro, "visionPro"}, {Type::unknown, "unknown"},
};

class DeviceTypeRaw : public testing::TestWithParam<RawRow> {};

TEST_P(DeviceTypeRaw, RawValueRoundTrips) {
  EXPECT_EQ(GetParam().type.rawValue(), GetParam().raw);
  EXPECT_EQ(Type::fromRawValue(GetParam().raw), GetParam().type);
}

INSTANTIATE_TEST_SUITE_P(AllCases, DeviceTypeRaw, testing::ValuesIn(kRaw));

TEST(DeviceType, AllCasesInDeclarationOrder) {
  const auto all = Type::allCases();
  ASSERT_EQ(all.size(), std::size(kRaw));
  for (std::size_t i = 0; i < all.size(); ++i) EXPECT_EQ(all[i], kRaw[i].type) << i;
  EXPECT_EQ(std::unordered_set<Type>(all.begin(), all.end()).size(), all.size());
}

class RejectedDeviceTypeRaw : public testing::TestWithParam<std::string_view> {};

TEST_P(RejectedDeviceTypeRaw, IsAbsent) { EXPECT_EQ(Type::fromRawValue(GetParam()), std::nullopt); }

INSTANTIATE_TEST_SUITE_P(Texts, RejectedDeviceTypeRaw,
                         testing::Values("", "iphone", "IPhone", "Mac", "CarPlay", "carplay", "iPhone ", " iPad",
                                         "visionOS", "Unknown"));

struct ModelRow {
  std::string_view model;
  Type type;
};
void PrintTo(const ModelRow& r, std::ostream* os) { *os << r.model; }

class DeviceTypeByModel : public testing::TestWithParam<ModelRow> {};

TEST_P(DeviceTypeByModel, ContainmentDecidesInOrder) {
  EXPECT_EQ(TalDevice::type(GetParam().model), GetParam().type);
  platform::DeviceFacts facts;
  facts.modelName = std::string(GetParam().model);
  platform::Device::setCurrent(std::make_shared<platform::FixedDevice>(facts));
  EXPECT_EQ(TalDevice::type(), GetParam().type);
  platform::Device::setCurrent(nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Models, DeviceTypeByModel,
    testing::Values(ModelRow{"iPhone", Type::iPhone}, ModelRow{"iPad", Type::iPad},
                    ModelRow{"iPhone15,2", Type::iPhone}, ModelRow{"My iPad Pro", Type::iPad},
                    ModelRow{"CarPlay", Type::carPlay}, ModelRow{"CarPlay with iPhone", Type::iPhone},
                    ModelRow{"iPad then iPhone", Type::iPhone}, ModelRow{"carPlay", Type::unknown},
                    ModelRow{"iphone", Type::unknown}, ModelRow{"IPAD", Type::unknown},
                    ModelRow{"Mac", Type::unknown}, ModelRow{"Apple TV", Type::unknown},
                    ModelRow{"Desktop", Type::unknown}, ModelRow{"", Type::unknown}));

// A model name that changes between reads: each test reads it afresh.
class ShiftingModel final : public platform::Device {
 public:
  [[nodiscard]] platform::UserInterfaceIdiom userInterfaceIdiom() const override {
    return platform::UserInterfaceIdiom::unspecified;
  }
  [[nodiscard]] std::string modelName() const override {
    return reads_.fetch_add(1) == 0 ? "iPad" : "CarPlay";  // first read is for the "iPhone" test
  }
  [[nodiscard]] platform::ScreenSize mainScreenSize() const override { return {}; }
  [[nodiscard]] platform::SystemVersion systemVersion() const override { return {}; }
  int reads() const { return reads_.load(); }

 private:
  mutable std::atomic<int> reads_{0};
};

TEST(TalDeviceType, ReadsTheModelNameAfreshForEachTest) {
  auto device = std::make_shared<ShiftingModel>();
  platform::Device::setCurrent(device);
  EXPECT_EQ(TalDevice::type(), Type::carPlay);
  EXPECT_EQ(device->reads(), 3);
  platform::Device::setCurrent(nullptr);
}

TEST(TalDeviceType, DefaultDesktopIsUnknown) {
  EXPECT_EQ(TalDevice::type(), Type::unknown);
  [[maybe_unused]] const TalDevice instance;
}

}  // namespace
}  // namespace tal
