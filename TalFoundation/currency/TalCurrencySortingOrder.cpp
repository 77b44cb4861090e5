#include "TalFoundation/currency/TalCurrencySortingOrder.h"

#include <array>
#include <cstddef>

#include "TalFoundation/currency/DecodingError.h"
#include "TalFoundation/currency/detail/JsonText.h"

namespace tal {

namespace {

using Case = TalCurrencySortingOrder::Case;

// One raw value per case, in case order.
constexpr std::array<std::string_view, 2> kRawValues{"Sort by Currency Code", "Sort by Currency Name"};
constexpr std::array kAllCases{TalCurrencySortingOrder::sortByCurrencyCode,
                               TalCurrencySortingOrder::sortByCurrencyName};

}  // namespace

std::string_view TalCurrencySortingOrder::rawValue() const noexcept {
  return kRawValues[static_cast<std::size_t>(case_)];
}

std::optional<TalCurrencySortingOrder> TalCurrencySortingOrder::fromRawValue(std::string_view raw) noexcept {
  for (const auto order : kAllCases)
    if (order.rawValue() == raw) return order;
  return std::nullopt;
}

std::span<const TalCurrencySortingOrder> TalCurrencySortingOrder::allCases() noexcept { return kAllCases; }

std::string TalCurrencySortingOrder::toJSON() const {
  std::string out;
  out.append("\"").append(rawValue()).append("\"");
  return out;
}

TalCurrencySortingOrder TalCurrencySortingOrder::fromJSON(std::string_view json) {
  const std::string raw = detail::readJsonString(json);
  if (const auto order = fromRawValue(raw)) return *order;
  throw DecodingError(DecodingError::Kind::dataCorrupted, "", "\"" + raw + "\" is not a currency sorting order");
}

}  // namespace tal
