#include "TalFoundation/appsupport/TalNumPadType.h"

#include <array>
#include <cstddef>
#include <utility>

namespace tal {
namespace {

using Case = TalNumPadType::Case;

struct Row {
  Case c;
  std::string_view raw;
};

constexpr std::array kRows{
    Row{Case::general, "general"},
    Row{Case::cal, "cal"},
};

// Rows are looked up by the case's ordinal, so they must stay in case order.
static_assert([] {
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    if (static_cast<std::size_t>(kRows[i].c) != i) return false;
  }
  return true;
}());

template <std::size_t... I>
constexpr std::array<TalNumPadType, sizeof...(I)> casesInOrder(std::index_sequence<I...>) {
  return {TalNumPadType(kRows[I].c)...};
}
constexpr auto kAll = casesInOrder(std::make_index_sequence<kRows.size()>{});

}  // namespace

std::string_view TalNumPadType::rawValue() const noexcept { return kRows[static_cast<std::size_t>(case_)].raw; }

std::optional<TalNumPadType> TalNumPadType::fromRawValue(std::string_view raw) noexcept {
  for (const Row& row : kRows) {
    if (row.raw == raw) return TalNumPadType(row.c);
  }
  return std::nullopt;
}

std::span<const TalNumPadType> TalNumPadType::allCases() noexcept { return kAll; }

}  // namespace tal
