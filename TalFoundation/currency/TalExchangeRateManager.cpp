#include "TalFoundation/currency/TalExchangeRateManager.h"

#include <atomic>
#include <utility>
#include <variant>

#include "TalFoundation/currency/TalUnitCurrency.h"

namespace tal {

TalExchangeRateManager& TalExchangeRateManager::shared() {
  // Never destroyed: a source may answer on its own thread while the
  // process exits.
  static TalExchangeRateManager* const instance = new TalExchangeRateManager();
  return *instance;
}

void TalExchangeRateManager::configure(std::shared_ptr<IExchangeRateService> service) {
  {
    const std::lock_guard guard(lock_);
    exchangeService_.swap(service);
  }
  // The previous source is released here, outside the lock.
}

void TalExchangeRateManager::updateRates(std::function<void(std::optional<Error>)> completion) {
  if (!completion) completion = [](std::optional<Error>) {};
  std::shared_ptr<IExchangeRateService> service;
  {
    const std::lock_guard guard(lock_);
    service = exchangeService_;
  }
  if (!service) {
    completion(Error{"ExchangeRateManager", -1, "未配置汇率服务"});
    return;
  }
  // Guards the promise of one call even if a source answers twice.
  auto answered = std::make_shared<std::atomic<bool>>(false);
  service->fetchExchangeRates([completion = std::move(completion), answered](ExchangeRateResult result) {
    if (answered->exchange(true)) return;
    if (auto* error = std::get_if<Error>(&result)) {
      completion(std::move(*error));
      return;
    }
    const auto& data = std::get<ExchangeRateData>(result);
    TalUnitCurrency::updateRates(data.rates(), data.timeLastUpdateUnix(), data.baseCode());
    completion(std::nullopt);
  });
}

std::future<std::optional<Error>> TalExchangeRateManager::updateRates() {
  auto promise = std::make_shared<std::promise<std::optional<Error>>>();
  auto future = promise->get_future();
  updateRates([promise](std::optional<Error> error) { promise->set_value(std::move(error)); });
  return future;
}

}  // namespace tal
