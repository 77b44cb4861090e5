// TalDate: shortcuts for the current instant and its calendar components
// (year, month, day, hour, minute) in a newly made Gregorian calendar of the
// default time zone.
#pragma once

#include <chrono>
#include <optional>
#include <string_view>

#include "TalFoundation/Export.h"

namespace tal {

/// The current instant and its Gregorian calendar fields; fields are absent when no calendar can be made.
struct TAL_EXPORT TalDate {
  using Instant = std::chrono::system_clock::time_point;

  /// Gregorian calendar fields of one instant; month 1...12, hour 0...23.
  struct Components {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;

    friend constexpr bool operator==(const Components&, const Components&) noexcept = default;
  };

  TalDate() = delete;

  /// The current instant.
  [[nodiscard]] static Instant current() noexcept { return std::chrono::system_clock::now(); }
  /// The current instant (the same as current()).
  [[nodiscard]] static Instant nowInSystem() noexcept { return current(); }

  /// The components of the current instant in the default time zone; each
  /// absent when no Gregorian calendar can be made.
  [[nodiscard]] static std::optional<int> year();
  [[nodiscard]] static std::optional<int> month();
  [[nodiscard]] static std::optional<int> day();
  [[nodiscard]] static std::optional<int> hour();
  [[nodiscard]] static std::optional<int> minute();

  /// The year of the current instant; 2022 when no Gregorian calendar can be
  /// made.
  [[nodiscard]] static int currentYear();

  /// The components of `instant` in the Gregorian calendar of the time zone
  /// `timeZoneId` (an Olson name such as "Asia/Tokyo"; empty for the default
  /// zone). Absent for an unknown zone name or when no calendar can be made.
  [[nodiscard]] static std::optional<Components> gregorianComponents(Instant instant,
                                                                     std::string_view timeZoneId = {});
};

}  // namespace tal
