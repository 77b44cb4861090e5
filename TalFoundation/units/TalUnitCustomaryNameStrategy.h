// TalUnitCustomaryNameStrategy: how the app picks the customary name of a
// regional unit or of the week; the library only carries the choice.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

#include "TalFoundation/Export.h"
#include "TalFoundation/detail/RawValues.h"

namespace tal {

/// How the app picks the customary name of a regional unit or the week: a general one, or the display name.
class TAL_EXPORT TalUnitCustomaryNameStrategy {
 public:
  enum class Case : std::uint8_t { general, thatSameAsDisplayName };

  /// A value cast to Case that names no case is read as the first case.
  // NOLINTNEXTLINE(google-explicit-constructor)
  constexpr TalUnitCustomaryNameStrategy(Case c) noexcept
      : case_(detail::caseInRange(c, Case::thatSameAsDisplayName)) {}

  static const TalUnitCustomaryNameStrategy general;
  static const TalUnitCustomaryNameStrategy thatSameAsDisplayName;

  [[nodiscard]] constexpr Case value() const noexcept { return case_; }
  /// Both cases in declaration order.
  [[nodiscard]] static std::span<const TalUnitCustomaryNameStrategy> allCases() noexcept;

  friend constexpr bool operator==(TalUnitCustomaryNameStrategy, TalUnitCustomaryNameStrategy) noexcept = default;

 private:
  Case case_;
};

inline constexpr TalUnitCustomaryNameStrategy TalUnitCustomaryNameStrategy::general{Case::general};
inline constexpr TalUnitCustomaryNameStrategy TalUnitCustomaryNameStrategy::thatSameAsDisplayName{
    Case::thatSameAsDisplayName};

namespace detail {
inline constexpr std::array kCustomaryNameStrategies{TalUnitCustomaryNameStrategy::general,
                                                     TalUnitCustomaryNameStrategy::thatSameAsDisplayName};
}  // namespace detail

inline std::span<const TalUnitCustomaryNameStrategy> TalUnitCustomaryNameStrategy::allCases() noexcept {
  return detail::kCustomaryNameStrategies;
}

}  // namespace tal

template <>
struct std::hash<tal::TalUnitCustomaryNameStrategy> {
  std::size_t operator()(tal::TalUnitCustomaryNameStrategy s) const noexcept {
    return std::hash<std::uint8_t>{}(static_cast<std::uint8_t>(s.value()));
  }
};
