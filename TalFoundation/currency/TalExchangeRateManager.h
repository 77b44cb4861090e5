// TalExchangeRateManager: the one process-wide holder of the app's exchange-
// rate source; on request it fetches a snapshot and installs it as the
// currency units. The library never refreshes on its own. Neighbours:
// IExchangeRateService.h, TalUnitCurrency.h.
#pragma once

#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <optional>

#include "TalFoundation/Export.h"
#include "TalFoundation/currency/IExchangeRateService.h"
#include "TalFoundation/platform/Error.h"

namespace tal {

/// The one process-wide holder of the rate source: on request it fetches a snapshot and installs it as currency units.
class TAL_EXPORT TalExchangeRateManager {
 public:
  /// The one instance, made on first use, without a source.
  [[nodiscard]] static TalExchangeRateManager& shared();

  TalExchangeRateManager(const TalExchangeRateManager&) = delete;
  TalExchangeRateManager& operator=(const TalExchangeRateManager&) = delete;

  /// Replaces the held source; nullptr removes it. A fetch already under
  /// way keeps the source it started with.
  void configure(std::shared_ptr<IExchangeRateService> service);

  /// Fetches one snapshot and installs it (TalUnitCurrency::updateRates),
  /// then calls `completion` exactly once, on the thread the source answered
  /// on: with no error on success, the source's error unchanged on failure
  /// (nothing changes then), or — at once, on the calling thread, when no
  /// source is configured — domain "ExchangeRateManager", code -1,
  /// description "未配置汇率服务". An empty `completion` is allowed. Safe at
  /// any point of the process's life, static destruction included: the
  /// manager and the currency units are never destroyed, and nothing is
  /// posted to a library thread, so the completion runs by the rule above.
  void updateRates(std::function<void(std::optional<Error>)> completion);

  /// The same, with the outcome in a future. Waiting on it from the thread
  /// the source answers on never returns.
  [[nodiscard]] std::future<std::optional<Error>> updateRates();

 private:
  TalExchangeRateManager() = default;

  std::mutex lock_;
  std::shared_ptr<IExchangeRateService> exchangeService_;
};

}  // namespace tal
