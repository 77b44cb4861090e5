// ExampleExchangeRateService: a source that needs no network and always
// delivers the same fixed snapshot of 166 rates against the US dollar.
#pragma once

#include "TalFoundation/Export.h"
#include "TalFoundation/currency/IExchangeRateService.h"

namespace tal {

/// A rate source that needs no network: it always delivers the same snapshot of 166 rates against the US dollar.
class TAL_EXPORT ExampleExchangeRateService final : public IExchangeRateService {
 public:
  /// Calls `completion` once, on the calling thread before returning, with
  /// the sample snapshot: base "USD", time 1775779352, no next-update time.
  /// Never fails.
  void fetchExchangeRates(Completion completion) override;
};

}  // namespace tal
