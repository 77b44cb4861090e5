#include "TalFoundation/units/TalUnit.h"

#include <string_view>
#include <utility>

#include "TalFoundation/currency/TalCurrency.h"
#include "TalFoundation/platform/detail/HashCombine.h"

namespace tal {

TalUnit::TalUnit(TalUnitCategory category, TalSystemOfUnits systemOfUnits, const platform::Unit* dimension,
                 std::string name, std::string symbol, std::optional<std::string> symbolKey,
                 std::optional<TalUnitCustomaryNameStrategy> useCustomaryName, Decimal coefficient,
                 std::optional<Decimal> baseNumerator, bool inverse, std::optional<TalUnitRegion> region,
                 Decimal offset, bool isBaseUnit, bool isUIBaseUnit,
                 std::optional<std::vector<std::string>> numsInName,
                 std::optional<std::vector<std::string>> numsInSymbol,
                 std::optional<std::string> localizationKey) {
  std::string id;
  id.reserve(category.rawValue().size() + 1 + symbol.size());
  id.append(category.rawValue()).append("_").append(symbol);
  const bool needLocalized = symbolKey.has_value() && !symbolKey->empty();
  auto conversion = detail::ConversionData::of(
      {category, symbol, dimension, coefficient, baseNumerator.has_value(), inverse, offset});
  fields_ = std::make_shared<const Record>(Record{std::move(conversion), std::move(id), category, systemOfUnits, dimension, std::move(name),
                                                  std::move(numsInName), std::move(numsInSymbol), std::move(symbol),
                                                  std::move(symbolKey), needLocalized, useCustomaryName, coefficient,
                                                  baseNumerator, inverse, region, offset, std::move(localizationKey),
                                                  isBaseUnit, isUIBaseUnit});
}

TalUnit::TalUnit(Fields f)
    : TalUnit(f.category, f.systemOfUnits, f.dimension, std::move(f.name), std::move(f.symbol), std::move(f.symbolKey),
              f.useCustomaryName, f.coefficient, f.baseNumerator, f.inverse, f.region, f.offset, f.isBaseUnit,
              f.isUIBaseUnit, std::move(f.numsInName), std::move(f.numsInSymbol), std::move(f.localizationKey)) {}

std::optional<TalUnit> TalUnit::defaultUnit(TalUnitCategory category) {
  std::vector<TalUnit> units = category.getUnits();
  if (units.empty()) return std::nullopt;
  return std::move(units.front());
}

std::optional<std::string_view> TalUnit::currencySymbol() const noexcept {
  if (category() != TalUnitCategory::currency) return std::nullopt;
  const auto currency = TalCurrency::fromRawValue(symbol());
  if (!currency) return std::nullopt;
  return currency->symbol();
}

std::size_t TalUnit::hash() const noexcept {
  return platform::detail::hashCombine(std::hash<std::string_view>{}(symbol()),
                                       std::hash<TalUnitCategory>{}(category()));
}

}  // namespace tal
