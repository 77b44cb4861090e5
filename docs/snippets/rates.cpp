// docs/snippets/rates.cpp
#include <iostream>
#include <memory>
#include <optional>
#include <string_view>

#include "TalFoundation/currency/JsonFileExchangeRateService.h"
#include "TalFoundation/currency/TalExchangeRateManager.h"
#include "TalFoundation/currency/TalUnitCurrency.h"
#include "TalFoundation/units/TalMeasurement.h"

// The currency unit of an ISO code, once rates are installed.
std::optional<tal::TalUnit> currencyUnit(std::string_view code) {
  for (const tal::TalUnit& unit : tal::TalUnitCategory::currency.getUnits())
    if (unit.symbol() == code) return unit;
  return std::nullopt;
}

int main(int argc, char** argv) {
  using namespace tal;

  // The app's one manager fetches from whichever source it is given.
  TalExchangeRateManager& manager = TalExchangeRateManager::shared();
  manager.configure(std::make_shared<JsonFileExchangeRateService>(argc > 1 ? argv[1] : "rates.json"));

  // This source answers at once, so the future is ready on return.
  if (const std::optional<Error> error = manager.updateRates().get()) {
    std::cout << "no rates: " << error->localizedDescription << '\n';
    return 1;
  }
  std::cout << TalUnitCategory::currency.getUnits().size() << " currencies, base "
            << TalUnitCurrency::baseCode() << ", as of " << *TalUnitCurrency::timeLastUpdateUnix() << '\n';

  const TalUnit eur = *currencyUnit("EUR");
  const TalUnit jpy = *currencyUnit("JPY");
  const Decimal yen = *TalMeasurement::convert(Decimal(100), eur, jpy);
  std::cout << "100 EUR = " << yen << " JPY\n";
  std::cout << "100 EUR = " << yen.rounded(0, Decimal::Rounding::halfEven) << " JPY, rounded\n";
}
