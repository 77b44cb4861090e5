#include "TalFoundation/catalogues/detail/UnitTable.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "TalFoundation/platform/Unit.h"

namespace tal::catalogue {

namespace {

std::optional<std::string> text(const std::optional<std::string_view>& value) {
  return value ? std::optional<std::string>(std::string(*value)) : std::nullopt;
}

std::optional<std::vector<std::string>> texts(const Numerals& numerals) {
  if (!numerals.present) return std::nullopt;
  return std::vector<std::string>(numerals.items.begin(),
                                  numerals.items.begin() + static_cast<std::ptrdiff_t>(numerals.count));
}

}  // namespace

Numerals UnitRow::numerals(std::initializer_list<std::string_view> nums) {
  // A table row with more numerals than this is a mistake in the table.
  if (nums.size() > Numerals::kCapacity) std::abort();
  Numerals n;
  n.present = true;
  n.count = nums.size();
  std::copy(nums.begin(), nums.end(), n.items.begin());
  return n;
}

UnitRow::UnitRow(std::string_view name, PlatformSymbol, Decimal coefficient, const platform::Unit& unit) noexcept
    : UnitRow(name, unit.symbol(), coefficient, &unit) {}

TalUnit UnitRow::make(TalUnitCategory category) const {
  return TalUnit(category, system_, unit_, std::string(name_), std::string(symbol_), text(symbolKey_.get()),
                 customary_.get(), coefficient_, baseNumerator_.get(), inverse_, region_.get(), offset_, isBase_,
                 isUIBase_, texts(numsInName_), texts(numsInSymbol_), text(key_.get()));
}

std::vector<TalUnit> makeUnits(TalUnitCategory category, std::initializer_list<UnitRow> rows) {
  std::vector<TalUnit> units;
  units.reserve(rows.size());
  for (const UnitRow& row : rows) units.push_back(row.make(category));
  return units;
}

}  // namespace tal::catalogue
