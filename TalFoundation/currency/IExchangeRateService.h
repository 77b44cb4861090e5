// IExchangeRateService: the pluggable source of exchange-rate snapshots that
// the app hands to TalExchangeRateManager. Neighbours:
// ExampleExchangeRateService.h and JsonFileExchangeRateService.h (the
// library's own sources), ExchangeRateData.h (what they deliver).
#pragma once

#include <functional>
#include <variant>

#include "TalFoundation/Export.h"
#include "TalFoundation/currency/ExchangeRateData.h"
#include "TalFoundation/platform/Error.h"

namespace tal {

/// What one fetch delivers: a snapshot, or the source's own error.
using ExchangeRateResult = std::variant<ExchangeRateData, Error>;

/// The pluggable source of rate snapshots for TalExchangeRateManager; failures reach the completion, never exceptions.
class TAL_EXPORT IExchangeRateService {
 public:
  using Completion = std::function<void(ExchangeRateResult)>;

  virtual ~IExchangeRateService() = default;

  /// Starts one fetch and calls `completion` exactly once with its result,
  /// on any thread, before or after returning. May be called from any
  /// thread, also while another fetch runs. Failures go to the completion,
  /// never out as exceptions. A source that calls back later keeps alive
  /// whatever that needs.
  virtual void fetchExchangeRates(Completion completion) = 0;
};

}  // namespace tal
