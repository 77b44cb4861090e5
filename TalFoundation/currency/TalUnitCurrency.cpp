#include "TalFoundation/currency/TalUnitCurrency.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <utility>

#include "TalFoundation/currency/TalCurrency.h"

namespace tal {

namespace {

struct State {
  std::mutex lock;
  std::shared_ptr<const std::vector<TalUnit>> units = std::make_shared<const std::vector<TalUnit>>();
  std::string baseCode = "USD";
  std::optional<std::int64_t> timeLastUpdateUnix;
};

State& state() {
  // Never destroyed: a background completion may still update rates while
  // the process exits.
  static State* const instance = new State();
  return *instance;
}

std::string upperCased(const std::string& text) {
  if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    std::string upper = text;
    for (char& c : upper)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
  }
  // Full Unicode case mapping, so that e.g. "ß" becomes "SS".
  std::string upper;
  icu::UnicodeString::fromUTF8(text).toUpper(icu::Locale::getRoot()).toUTF8String(upper);
  return upper;
}

}  // namespace

TalUnit TalUnitCurrency::unitFor(TalCurrency currency, const Decimal& rate, bool isBase) {
  std::string code(currency.rawValue());
  std::optional<std::vector<std::string>> numsInName;
  // The withdrawn leone's displayed name carries the years 1964 and 2022.
  if (currency == TalCurrency::SLL) numsInName = std::vector<std::string>{"1964", "2022"};
  return TalUnit(TalUnitCategory::currency, TalSystemOfUnits::si, nullptr, code, code, std::nullopt, std::nullopt,
                 Decimal(1) / rate, rate, false, std::nullopt, Decimal(0), isBase, false, std::move(numsInName),
                 std::nullopt, std::nullopt);
}

std::vector<TalUnit> TalUnitCurrency::allUnits() {
  std::shared_ptr<const std::vector<TalUnit>> units;
  {
    State& s = state();
    const std::lock_guard guard(s.lock);
    units = s.units;
  }
  return *units;
}

std::string TalUnitCurrency::baseCode() {
  State& s = state();
  const std::lock_guard guard(s.lock);
  return s.baseCode;
}

void TalUnitCurrency::setBaseCode(std::string code) {
  State& s = state();
  const std::lock_guard guard(s.lock);
  s.baseCode.swap(code);
}

std::optional<std::int64_t> TalUnitCurrency::timeLastUpdateUnix() {
  State& s = state();
  const std::lock_guard guard(s.lock);
  return s.timeLastUpdateUnix;
}

void TalUnitCurrency::setTimeLastUpdateUnix(std::optional<std::int64_t> time) {
  State& s = state();
  const std::lock_guard guard(s.lock);
  s.timeLastUpdateUnix = time;
}

void TalUnitCurrency::updateRates(const ExchangeRateData::Rates& rates, std::int64_t timestamp,
                                  std::string snapshotBaseCode, std::string_view /*comments*/) {
  const std::string heldBase = upperCased(baseCode());

  // Built outside the lock; readers keep the old list until the swap.
  auto units = std::make_shared<std::vector<TalUnit>>();
  units->reserve(std::min(rates.size(), TalCurrency::allCases().size()));
  for (const TalCurrency currency : TalCurrency::allCases()) {
    const auto rate = rates.find(currency.rawValue());
    if (rate == rates.end()) continue;
    units->push_back(unitFor(currency, rate->second, currency.rawValue() == heldBase));
  }

  std::shared_ptr<const std::vector<TalUnit>> previous;
  {
    State& s = state();
    const std::lock_guard guard(s.lock);
    previous = std::exchange(s.units, std::move(units));
    s.timeLastUpdateUnix = timestamp;
    s.baseCode.swap(snapshotBaseCode);
  }
  // The old list (and the old base code in snapshotBaseCode) die here, after
  // the lock is released.
}

}  // namespace tal
