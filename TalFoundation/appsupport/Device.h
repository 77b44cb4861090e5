// Device: the kind of user interface the app runs in (phone, pad, Mac or
// unspecified), read from the device seam (platform/Device.h) on every
// access.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "TalFoundation/Export.h"
#include "TalFoundation/platform/Device.h"

#include "TalFoundation/detail/RawValues.h"

namespace tal {

/// The kind of user interface the app runs in, told from the device seam's idiom on every call.
class TAL_EXPORT Device {
 public:
  /// The interface kinds; no raw values.
  class Devicetype {
   public:
    enum class Case : std::uint8_t { Unspecified, iPhone, iPad, Mac, visionOS };

    /// A value cast to Case that names no case is read as the first case.
    // NOLINTNEXTLINE(google-explicit-constructor)
    constexpr Devicetype(Case c) noexcept : case_(detail::caseInRange(c, Case::visionOS)) {}

    static const Devicetype Unspecified;
    static const Devicetype iPhone;
    static const Devicetype iPad;
    static const Devicetype Mac;
    static const Devicetype visionOS;

    [[nodiscard]] constexpr Case value() const noexcept { return case_; }

    friend constexpr bool operator==(Devicetype, Devicetype) noexcept = default;

   private:
    Case case_;
  };

  Device() = delete;

  /// The current device's idiom: phone → iPhone, pad → iPad, mac → Mac,
  /// anything else → Unspecified. visionOS is never produced.
  [[nodiscard]] static Devicetype deviceType();
  /// The same mapping for a given idiom.
  [[nodiscard]] static Devicetype deviceType(platform::UserInterfaceIdiom idiom) noexcept;
};

inline constexpr Device::Devicetype Device::Devicetype::Unspecified{Case::Unspecified};
inline constexpr Device::Devicetype Device::Devicetype::iPhone{Case::iPhone};
inline constexpr Device::Devicetype Device::Devicetype::iPad{Case::iPad};
inline constexpr Device::Devicetype Device::Devicetype::Mac{Case::Mac};
inline constexpr Device::Devicetype Device::Devicetype::visionOS{Case::visionOS};

}  // namespace tal

template <>
struct std::hash<tal::Device::Devicetype> {
  std::size_t operator()(tal::Device::Devicetype t) const noexcept {
    return std::hash<std::uint8_t>{}(static_cast<std::uint8_t>(t.value()));
  }
};
