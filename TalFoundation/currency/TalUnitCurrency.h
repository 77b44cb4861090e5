// TalUnitCurrency: the currency catalogue. Unlike every other catalogue its
// units are made from the latest exchange-rate snapshot, one per TalCurrency
// that has a rate. Neighbours: TalExchangeRateManager.h (fetches snapshots),
// TalCurrency.h.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "TalFoundation/Export.h"
#include "TalFoundation/currency/ExchangeRateData.h"
#include "TalFoundation/currency/TalCurrency.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"

namespace tal {

/// Class-level state shared by the process, guarded by one lock held only
/// to copy or replace it: readers always see a whole list.
class TAL_EXPORT TalUnitCurrency {
 public:
  [[nodiscard]] TalUnitCategory category() const noexcept { return TalUnitCategory::currency; }

  /// A copy of the current units in ascending code order; empty before the
  /// first update.
  [[nodiscard]] static std::vector<TalUnit> allUnits();

  /// The base code of the snapshot in use; "USD" before the first update.
  [[nodiscard]] static std::string baseCode();
  /// Decides which unit the next update flags as base (compared upper-cased).
  static void setBaseCode(std::string code);
  /// When the snapshot in use was made; absent before the first update.
  [[nodiscard]] static std::optional<std::int64_t> timeLastUpdateUnix();
  static void setTimeLastUpdateUnix(std::optional<std::int64_t> time);

  /// The unit of `currency` at `rate` units per base unit: code as id, name
  /// and symbol, coefficient 1 ÷ rate, base numerator rate. A zero rate gives
  /// a NaN coefficient.
  [[nodiscard]] static TalUnit unitFor(TalCurrency currency, const Decimal& rate, bool isBase = false);

  /// Replaces the units with one per TalCurrency found in `rates` (code C,
  /// rate R: coefficient 1 ÷ R, base numerator R), flagging as base the unit
  /// whose code equals the held base code upper-cased as it stood when the
  /// call began; then stores `timestamp` and `snapshotBaseCode` as given.
  /// Codes outside the 156 are ignored. Rates are not judged: a zero rate
  /// gives a NaN coefficient. `comments` has no effect.
  static void updateRates(const ExchangeRateData::Rates& rates, std::int64_t timestamp, std::string snapshotBaseCode,
                          std::string_view comments = {});
};

}  // namespace tal
