#include "TalFoundation/units/TalSystemOfUnits.h"

#include <array>
#include <cstddef>
#include <utility>

namespace tal {
namespace {

using Case = TalSystemOfUnits::Case;

struct Row {
  Case c;
  int raw;
};

constexpr std::array kRows{
    Row{Case::si, 1},
    Row{Case::naturalUnits, 2},
    Row{Case::avoirdupoisUnits, 3},
    Row{Case::imperialUnitsOnly, 4},
    Row{Case::usCustomaryUnitsOnly, 5},
    Row{Case::troy, 6},
    Row{Case::chineseTraditionalUnits, 7},
    Row{Case::hkChekmaUnits, 8},
    Row{Case::twTraditionalUnits, 9},
};

// Rows are looked up by the case's ordinal, so they must stay in case order.
static_assert([] {
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    if (static_cast<std::size_t>(kRows[i].c) != i) return false;
  }
  return true;
}());

template <std::size_t... I>
constexpr std::array<TalSystemOfUnits, sizeof...(I)> casesInOrder(std::index_sequence<I...>) {
  return {TalSystemOfUnits(kRows[I].c)...};
}
constexpr auto kAll = casesInOrder(std::make_index_sequence<kRows.size()>{});

}  // namespace

int TalSystemOfUnits::rawValue() const noexcept { return kRows[static_cast<std::size_t>(case_)].raw; }

std::optional<TalSystemOfUnits> TalSystemOfUnits::fromRawValue(int raw) noexcept {
  for (const Row& row : kRows) {
    if (row.raw == raw) return TalSystemOfUnits(row.c);
  }
  return std::nullopt;
}

std::span<const TalSystemOfUnits> TalSystemOfUnits::allCases() noexcept { return kAll; }

}  // namespace tal
