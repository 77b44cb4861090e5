#include "TalFoundation/appsupport/TalDevice.h"

#include <array>
#include <memory>
#include <string>

#include "TalFoundation/platform/Device.h"

#include "TalFoundation/detail/RawValues.h"

namespace tal {
namespace {

using Type = TalDevice::DeviceType;
using Case = Type::Case;

constexpr auto kRawValues = detail::makeRawValues<Type>({
    {Case::iPhone, "iPhone"},   {Case::iPad, "iPad"},       {Case::mac, "mac"},
    {Case::appleTV, "appleTV"}, {Case::carPlay, "carPlay"}, {Case::appleWatch, "appleWatch"},
    {Case::visionPro, "visionPro"}, {Case::unknown, "unknown"},
});

// The model-name tests, in the order they are tried.
struct Marker {
  std::string_view text;
  Case c;
};
constexpr std::array kMarkers{
    Marker{"iPhone", Case::iPhone},
    Marker{"iPad", Case::iPad},
    Marker{"CarPlay", Case::carPlay},
};

}  // namespace

std::string_view Type::rawValue() const noexcept { return kRawValues.rawValue(case_); }

std::optional<Type> Type::fromRawValue(std::string_view raw) noexcept {
  return kRawValues.fromRawValue(raw);
}

std::span<const Type> Type::allCases() noexcept { return kRawValues.allCases(); }

Type TalDevice::type(std::string_view modelName) noexcept {
  for (const Marker& m : kMarkers) {
    if (modelName.find(m.text) != std::string_view::npos) return m.c;
  }
  return Type::unknown;
}

Type TalDevice::type() {
  const std::shared_ptr<const platform::Device> device = platform::Device::current();
  for (const Marker& m : kMarkers) {
    if (device->modelName().find(m.text) != std::string::npos) return m.c;
  }
  return Type::unknown;
}

}  // namespace tal
