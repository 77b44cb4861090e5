// TalSystemOfUnits: the system a unit belongs to (SI, imperial, Chinese
// traditional, ...), with the integer raw values that persisted settings use.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "TalFoundation/Export.h"
#include "TalFoundation/detail/RawValues.h"

namespace tal {

/// The system a unit belongs to (SI, imperial, Chinese traditional, ...); persisted settings store its raw value 1–9.
class TAL_EXPORT TalSystemOfUnits {
 public:
  enum class Case : std::uint8_t {
    si,
    naturalUnits,
    avoirdupoisUnits,
    imperialUnitsOnly,
    usCustomaryUnitsOnly,
    troy,
    chineseTraditionalUnits,
    hkChekmaUnits,
    twTraditionalUnits,
  };

  /// A value cast to Case that names no case is read as the first case.
  // NOLINTNEXTLINE(google-explicit-constructor)
  constexpr TalSystemOfUnits(Case c) noexcept : case_(detail::caseInRange(c, Case::twTraditionalUnits)) {}

  static const TalSystemOfUnits si;
  static const TalSystemOfUnits naturalUnits;
  static const TalSystemOfUnits avoirdupoisUnits;
  static const TalSystemOfUnits imperialUnitsOnly;
  static const TalSystemOfUnits usCustomaryUnitsOnly;
  static const TalSystemOfUnits troy;
  static const TalSystemOfUnits chineseTraditionalUnits;
  static const TalSystemOfUnits hkChekmaUnits;
  static const TalSystemOfUnits twTraditionalUnits;

  [[nodiscard]] constexpr Case value() const noexcept { return case_; }
  /// The identity is the case itself.
  [[nodiscard]] constexpr TalSystemOfUnits id() const noexcept { return *this; }
  /// 1 for si up to 9 for twTraditionalUnits.
  [[nodiscard]] int rawValue() const noexcept;
  /// The case whose raw value is `raw`; absent for any other number.
  [[nodiscard]] static std::optional<TalSystemOfUnits> fromRawValue(int raw) noexcept;
  /// All nine cases in declaration order.
  [[nodiscard]] static std::span<const TalSystemOfUnits> allCases() noexcept;

  friend constexpr bool operator==(TalSystemOfUnits, TalSystemOfUnits) noexcept = default;

 private:
  Case case_;
};

inline constexpr TalSystemOfUnits TalSystemOfUnits::si{Case::si};
inline constexpr TalSystemOfUnits TalSystemOfUnits::naturalUnits{Case::naturalUnits};
inline constexpr TalSystemOfUnits TalSystemOfUnits::avoirdupoisUnits{Case::avoirdupoisUnits};
inline constexpr TalSystemOfUnits TalSystemOfUnits::imperialUnitsOnly{Case::imperialUnitsOnly};
inline constexpr TalSystemOfUnits TalSystemOfUnits::usCustomaryUnitsOnly{Case::usCustomaryUnitsOnly};
inline constexpr TalSystemOfUnits TalSystemOfUnits::troy{Case::troy};
inline constexpr TalSystemOfUnits TalSystemOfUnits::chineseTraditionalUnits{Case::chineseTraditionalUnits};
inline constexpr TalSystemOfUnits TalSystemOfUnits::hkChekmaUnits{Case::hkChekmaUnits};
inline constexpr TalSystemOfUnits TalSystemOfUnits::twTraditionalUnits{Case::twTraditionalUnits};

}  // namespace tal

template <>
struct std::hash<tal::TalSystemOfUnits> {
  std::size_t operator()(tal::TalSystemOfUnits s) const noexcept {
    return std::hash<std::uint8_t>{}(static_cast<std::uint8_t>(s.value()));
  }
};
