// Device: the seam to the device and its main screen: the user-interface
// idiom, the model name, the screen's size in points and the system
// version. The app installs its own; the default describes an unknown
// desktop.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "TalFoundation/Export.h"

namespace tal::platform {

/// The kind of interface the device offers.
enum class UserInterfaceIdiom : std::uint8_t { unspecified, phone, pad, tv, carPlay, mac, vision };

/// Width and height in points, as the screen is currently held.
struct TAL_EXPORT ScreenSize {
  double width = 0.0;
  double height = 0.0;

  friend constexpr bool operator==(const ScreenSize&, const ScreenSize&) noexcept = default;
};

/// The operating system's version; 0.0 when unknown.
struct TAL_EXPORT SystemVersion {
  int major = 0;
  int minor = 0;

  friend constexpr auto operator<=>(const SystemVersion&, const SystemVersion&) noexcept = default;
};

/// Everything the library asks of a device, at one moment.
struct TAL_EXPORT DeviceFacts {
  UserInterfaceIdiom idiom = UserInterfaceIdiom::unspecified;
  std::string modelName = "Desktop";
  ScreenSize mainScreen{1280.0, 800.0};
  SystemVersion systemVersion{};

  friend bool operator==(const DeviceFacts&, const DeviceFacts&) = default;
};

/// The current device. Implementations answer on the calling thread and
/// must be safe to call from any thread.
class TAL_EXPORT Device {
 public:
  virtual ~Device() = default;

  [[nodiscard]] virtual UserInterfaceIdiom userInterfaceIdiom() const = 0;
  [[nodiscard]] virtual std::string modelName() const = 0;
  [[nodiscard]] virtual ScreenSize mainScreenSize() const = 0;
  [[nodiscard]] virtual SystemVersion systemVersion() const = 0;

  /// The installed device; the unknown desktop until the app installs one.
  [[nodiscard]] static std::shared_ptr<const Device> current();
  /// Installs `device` for every later read; nullptr restores the default.
  static void setCurrent(std::shared_ptr<const Device> device);
};

/// A device that always reports the same facts.
class TAL_EXPORT FixedDevice final : public Device {
 public:
  /// The unknown desktop: unspecified idiom, model "Desktop", a 1280 × 800
  /// point screen, system version unknown.
  FixedDevice() = default;
  explicit FixedDevice(DeviceFacts facts) : facts_(std::move(facts)) {}

  [[nodiscard]] UserInterfaceIdiom userInterfaceIdiom() const override { return facts_.idiom; }
  [[nodiscard]] std::string modelName() const override { return facts_.modelName; }
  [[nodiscard]] ScreenSize mainScreenSize() const override { return facts_.mainScreen; }
  [[nodiscard]] SystemVersion systemVersion() const override { return facts_.systemVersion; }

  [[nodiscard]] const DeviceFacts& facts() const noexcept { return facts_; }

 private:
  DeviceFacts facts_;
};

}  // namespace tal::platform
