#include "TalFoundation/currency/TalCurrencySortingOrder.h"

#include "TalFoundation/currency/DecodingError.h"
#include "TalFoundation/currency/detail/JsonText.h"
#include "TalFoundation/detail/RawValues.h"

namespace tal {

namespace {

using Case = TalCurrencySortingOrder::Case;

constexpr auto kRawValues = detail::makeRawValues<TalCurrencySortingOrder>({
    {Case::sortByCurrencyCode, "Sort by Currency Code"},
    {Case::sortByCurrencyName, "Sort by Currency Name"},
});

}  // namespace

std::string_view TalCurrencySortingOrder::rawValue() const noexcept { return kRawValues.rawValue(case_); }

std::optional<TalCurrencySortingOrder> TalCurrencySortingOrder::fromRawValue(std::string_view raw) noexcept {
  return kRawValues.fromRawValue(raw);
}

std::span<const TalCurrencySortingOrder> TalCurrencySortingOrder::allCases() noexcept {
  return kRawValues.allCases();
}

std::string TalCurrencySortingOrder::toJSON() const {
  std::string out;
  out.append("\"").append(rawValue()).append("\"");
  return out;
}

TalCurrencySortingOrder TalCurrencySortingOrder::fromJSON(std::string_view json) {
  const std::string raw = detail::readJsonString(json);
  if (const auto order = fromRawValue(raw)) return *order;
  throwDecodingError(DecodingError::Kind::dataCorrupted, "", "\"" + raw + "\" is not a currency sorting order");
}

}  // namespace tal
