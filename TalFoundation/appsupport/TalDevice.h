// TalDevice: the device family (iPhone, iPad, CarPlay, unknown) told from
// the device seam's model name (platform/Device.h) on every access.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

#include "TalFoundation/Export.h"
#include "TalFoundation/detail/RawValues.h"

namespace tal {

/// The device family (iPhone, iPad, CarPlay or unknown), told from the device seam's model name on every call.
class TAL_EXPORT TalDevice {
 public:
  /// The device families; a value cast to Case that names none reads as unknown.
  class DeviceType {
   public:
    enum class Case : std::uint8_t { iPhone, iPad, mac, appleTV, carPlay, appleWatch, visionPro, unknown };

    /// A value cast to Case that names no case is read as Case::unknown.
    // NOLINTNEXTLINE(google-explicit-constructor)
    constexpr DeviceType(Case c) noexcept : case_(detail::caseInRange(c, Case::unknown, Case::unknown)) {}

    static const DeviceType iPhone;
    static const DeviceType iPad;
    static const DeviceType mac;
    static const DeviceType appleTV;
    static const DeviceType carPlay;
    static const DeviceType appleWatch;
    static const DeviceType visionPro;
    static const DeviceType unknown;

    [[nodiscard]] constexpr Case value() const noexcept { return case_; }
    /// The case name as text: "iPhone", "carPlay", "unknown", ...
    [[nodiscard]] std::string_view rawValue() const noexcept;
    /// The case whose raw value equals `raw` exactly; absent otherwise.
    [[nodiscard]] static std::optional<DeviceType> fromRawValue(std::string_view raw) noexcept;
    /// All eight cases in declaration order.
    [[nodiscard]] static std::span<const DeviceType> allCases() noexcept;

    friend constexpr bool operator==(DeviceType, DeviceType) noexcept = default;

   private:
    Case case_;
  };

  /// An instance carries nothing; everything is class-level.
  TalDevice() = default;

  /// The current device's family. The model name is read afresh for each
  /// test: contains "iPhone" → iPhone, else "iPad" → iPad, else "CarPlay" →
  /// carPlay, else unknown (case-sensitive containment).
  [[nodiscard]] static DeviceType type();
  /// The same tests on one model name.
  [[nodiscard]] static DeviceType type(std::string_view modelName) noexcept;
};

inline constexpr TalDevice::DeviceType TalDevice::DeviceType::iPhone{Case::iPhone};
inline constexpr TalDevice::DeviceType TalDevice::DeviceType::iPad{Case::iPad};
inline constexpr TalDevice::DeviceType TalDevice::DeviceType::mac{Case::mac};
inline constexpr TalDevice::DeviceType TalDevice::DeviceType::appleTV{Case::appleTV};
inline constexpr TalDevice::DeviceType TalDevice::DeviceType::carPlay{Case::carPlay};
inline constexpr TalDevice::DeviceType TalDevice::DeviceType::appleWatch{Case::appleWatch};
inline constexpr TalDevice::DeviceType TalDevice::DeviceType::visionPro{Case::visionPro};
inline constexpr TalDevice::DeviceType TalDevice::DeviceType::unknown{Case::unknown};

}  // namespace tal

// Hashes the raw value text, which equality agrees with.
template <>
struct std::hash<tal::TalDevice::DeviceType> {
  std::size_t operator()(tal::TalDevice::DeviceType t) const noexcept {
    return std::hash<std::string_view>{}(t.rawValue());
  }
};
