// TalUnitRegion: the region of a regional or traditional unit, with its text
// raw value and its flag emoji.
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

/// The region of a regional or traditional unit, with its three-letter raw value and its flag emoji.
class TAL_EXPORT TalUnitRegion {
 public:
  enum class Case : std::uint8_t { USA, GBR, CHN, HKG, TWN, MAC };

  /// A value cast to Case that names no case is read as the first case.
  // NOLINTNEXTLINE(google-explicit-constructor)
  constexpr TalUnitRegion(Case c) noexcept : case_(detail::caseInRange(c, Case::MAC)) {}

  static const TalUnitRegion USA;
  static const TalUnitRegion GBR;
  static const TalUnitRegion CHN;
  static const TalUnitRegion HKG;
  static const TalUnitRegion TWN;
  static const TalUnitRegion MAC;

  [[nodiscard]] constexpr Case value() const noexcept { return case_; }
  /// The three-letter code; Hong Kong's is "HKG" followed by U+200C ZERO
  /// WIDTH NON-JOINER (6 bytes of UTF-8).
  [[nodiscard]] std::string_view rawValue() const noexcept;
  /// The case whose raw value equals `raw` byte for byte; absent otherwise,
  /// so the bare "HKG" is absent.
  [[nodiscard]] static std::optional<TalUnitRegion> fromRawValue(std::string_view raw) noexcept;
  /// All six cases in declaration order.
  [[nodiscard]] static std::span<const TalUnitRegion> allCases() noexcept;
  /// The flag emoji as UTF-8: two regional-indicator symbols, 8 bytes. MAC
  /// shows the flag of MO.
  [[nodiscard]] std::string_view regionFlagText() const noexcept;

  friend constexpr bool operator==(TalUnitRegion, TalUnitRegion) noexcept = default;

 private:
  Case case_;
};

inline constexpr TalUnitRegion TalUnitRegion::USA{Case::USA};
inline constexpr TalUnitRegion TalUnitRegion::GBR{Case::GBR};
inline constexpr TalUnitRegion TalUnitRegion::CHN{Case::CHN};
inline constexpr TalUnitRegion TalUnitRegion::HKG{Case::HKG};
inline constexpr TalUnitRegion TalUnitRegion::TWN{Case::TWN};
inline constexpr TalUnitRegion TalUnitRegion::MAC{Case::MAC};

}  // namespace tal

// Hashes the raw value text, which equality agrees with.
template <>
struct std::hash<tal::TalUnitRegion> {
  std::size_t operator()(tal::TalUnitRegion r) const noexcept { return std::hash<std::string_view>{}(r.rawValue()); }
};
