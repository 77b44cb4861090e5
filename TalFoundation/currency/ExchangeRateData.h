// ExchangeRateData: one exchange-rate snapshot — how much of each currency one
// unit of the base currency buys, and when — with its exact JSON form.
// Neighbours: IExchangeRateService.h (where snapshots come from),
// TalUnitCurrency.h (the units made from them).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "TalFoundation/Export.h"
#include "TalFoundation/platform/Decimal.h"

namespace tal {

/// One exchange-rate snapshot: how much of each currency one unit of the base buys, and when, with its JSON form.
class TAL_EXPORT ExchangeRateData {
 public:
  /// Currency code → amount of that currency equal to one unit of the base.
  /// Codes are whatever the source delivered.
  using Rates = std::map<std::string, Decimal, std::less<>>;

  ExchangeRateData(std::string baseCode, std::int64_t timeLastUpdateUnix,
                   std::optional<std::int64_t> timeNextUpdateUnix, Rates rates);

  [[nodiscard]] const std::string& baseCode() const noexcept { return baseCode_; }
  /// Seconds since 1970-01-01 00:00:00 UTC.
  [[nodiscard]] std::int64_t timeLastUpdateUnix() const noexcept { return timeLastUpdateUnix_; }
  [[nodiscard]] std::optional<std::int64_t> timeNextUpdateUnix() const noexcept { return timeNextUpdateUnix_; }
  [[nodiscard]] const Rates& rates() const noexcept { return rates_; }

  /// A JSON object with "baseCode", "timeLastUpdateUnix", "timeNextUpdateUnix"
  /// (only when present) and "rates", each rate written as a plain JSON
  /// number carrying all its digits. Absent when a rate is NaN (JSON has no
  /// such number) or a text is not valid UTF-8.
  [[nodiscard]] std::optional<std::string> toJSON() const;

  /// Reads a snapshot from JSON text. Keys are matched exactly and others are
  /// ignored; a repeated key counts once, the last time. "timeNextUpdateUnix"
  /// may be missing or null. Time stamps must be whole numbers within 64
  /// bits; rates are read digit for digit (rounded once beyond 38 digits).
  /// Numbers of a magnitude beyond about 1E+308 are refused by the reader.
  /// Throws DecodingError naming the key and the reason for anything else:
  /// text that is not strict JSON, a root that is not an object, a required
  /// key missing, null or of the wrong type, a rate that is not a number or
  /// lies outside the decimal range.
  [[nodiscard]] static ExchangeRateData fromJSON(std::string_view json);

  /// Field by field; rates by decimal value (1.5 == 1.50).
  friend bool operator==(const ExchangeRateData&, const ExchangeRateData&) = default;

 private:
  std::string baseCode_;
  std::int64_t timeLastUpdateUnix_;
  std::optional<std::int64_t> timeNextUpdateUnix_;
  Rates rates_;
};

}  // namespace tal
