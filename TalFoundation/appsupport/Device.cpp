#include "TalFoundation/appsupport/Device.h"

namespace tal {

Device::Devicetype Device::deviceType(platform::UserInterfaceIdiom idiom) noexcept {
  switch (idiom) {
    case platform::UserInterfaceIdiom::phone:
      return Devicetype::iPhone;
    case platform::UserInterfaceIdiom::pad:
      return Devicetype::iPad;
    case platform::UserInterfaceIdiom::mac:
      return Devicetype::Mac;
    case platform::UserInterfaceIdiom::unspecified:
    case platform::UserInterfaceIdiom::tv:
    case platform::UserInterfaceIdiom::carPlay:
    case platform::UserInterfaceIdiom::vision:
      break;
  }
  return Devicetype::Unspecified;
}

Device::Devicetype Device::deviceType() { return deviceType(platform::Device::current()->userInterfaceIdiom()); }

}  // namespace tal
