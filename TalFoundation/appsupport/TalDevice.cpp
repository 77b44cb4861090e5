#include "TalFoundation/appsupport/TalDevice.h"

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <utility>

#include "TalFoundation/platform/Device.h"

namespace tal {
namespace {

using Type = TalDevice::DeviceType;
using Case = Type::Case;

struct Row {
  Case c;
  std::string_view raw;
};

constexpr std::array kRows{
    Row{Case::iPhone, "iPhone"},   Row{Case::iPad, "iPad"},       Row{Case::mac, "mac"},
    Row{Case::appleTV, "appleTV"}, Row{Case::carPlay, "carPlay"}, Row{Case::appleWatch, "appleWatch"},
    Row{Case::visionPro, "visionPro"}, Row{Case::unknown, "unknown"},
};

static_assert([] {
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    if (static_cast<std::size_t>(kRows[i].c) != i) return false;
  }
  return true;
}());

template <std::size_t... I>
constexpr std::array<Type, sizeof...(I)> casesInOrder(std::index_sequence<I...>) {
  return {Type(kRows[I].c)...};
}
constexpr auto kAll = casesInOrder(std::make_index_sequence<kRows.size()>{});

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

std::string_view Type::rawValue() const noexcept { return kRows[static_cast<std::size_t>(case_)].raw; }

std::optional<Type> Type::fromRawValue(std::string_view raw) noexcept {
  for (const Row& row : kRows) {
    if (row.raw == raw) return Type(row.c);
  }
  return std::nullopt;
}

std::span<const Type> Type::allCases() noexcept { return kAll; }

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
