// TalCurrencySortingOrder: whether the app lists currencies by code or by
// name. Neighbours: TalCurrency.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "TalFoundation/Export.h"
#include "TalFoundation/detail/RawValues.h"

namespace tal {

/// Whether the app lists currencies by code or by name; the raw value is the setting's English label.
class TAL_EXPORT TalCurrencySortingOrder {
 public:
  enum class Case : std::uint8_t {
    sortByCurrencyCode,
    sortByCurrencyName,
  };

  /// A value cast to Case that names no case is read as the first case.
  // NOLINTNEXTLINE(google-explicit-constructor)
  constexpr TalCurrencySortingOrder(Case c) noexcept : case_(detail::caseInRange(c, Case::sortByCurrencyName)) {}

  static const TalCurrencySortingOrder sortByCurrencyCode;
  static const TalCurrencySortingOrder sortByCurrencyName;

  [[nodiscard]] constexpr Case value() const noexcept { return case_; }
  /// "Sort by Currency Code" or "Sort by Currency Name".
  [[nodiscard]] std::string_view rawValue() const noexcept;
  [[nodiscard]] std::string_view id() const noexcept { return rawValue(); }
  /// The case whose raw value equals `raw` exactly; absent for any other text.
  [[nodiscard]] static std::optional<TalCurrencySortingOrder> fromRawValue(std::string_view raw) noexcept;
  /// Both cases, by code first.
  [[nodiscard]] static std::span<const TalCurrencySortingOrder> allCases() noexcept;

  /// The raw value as a single JSON string value.
  [[nodiscard]] std::string toJSON() const;
  /// Reads a single JSON string value holding a raw value. Throws
  /// DecodingError for text that is not JSON, not a string, or not a raw value.
  [[nodiscard]] static TalCurrencySortingOrder fromJSON(std::string_view json);

  friend constexpr bool operator==(TalCurrencySortingOrder, TalCurrencySortingOrder) noexcept = default;

 private:
  Case case_;
};

inline constexpr TalCurrencySortingOrder TalCurrencySortingOrder::sortByCurrencyCode{Case::sortByCurrencyCode};
inline constexpr TalCurrencySortingOrder TalCurrencySortingOrder::sortByCurrencyName{Case::sortByCurrencyName};

}  // namespace tal

// Hashes the raw value text, which equality agrees with.
template <>
struct std::hash<tal::TalCurrencySortingOrder> {
  std::size_t operator()(tal::TalCurrencySortingOrder c) const noexcept {
    return std::hash<std::string_view>{}(c.rawValue());
  }
};
