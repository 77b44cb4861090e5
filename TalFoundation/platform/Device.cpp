#include "TalFoundation/platform/Device.h"

#include <mutex>
#include <utility>

namespace tal::platform {
namespace {

struct Installed {
  std::mutex mutex;
  std::shared_ptr<const Device> device;
};

Installed& installed() {
  static Installed instance;
  return instance;
}

std::shared_ptr<const Device> defaultDevice() {
  static const std::shared_ptr<const Device> instance = std::make_shared<const FixedDevice>();
  return instance;
}

}  // namespace

std::shared_ptr<const Device> Device::current() {
  Installed& slot = installed();
  {
    const std::lock_guard lock(slot.mutex);
    if (slot.device) return slot.device;
  }
  return defaultDevice();
}

void Device::setCurrent(std::shared_ptr<const Device> device) {
  Installed& slot = installed();
  std::shared_ptr<const Device> previous;
  {
    const std::lock_guard lock(slot.mutex);
    previous = std::exchange(slot.device, std::move(device));
  }
  // `previous` is released here, outside the lock: its destructor is the app's code.
}

}  // namespace tal::platform
