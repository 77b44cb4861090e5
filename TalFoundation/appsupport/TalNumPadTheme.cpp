#include "TalFoundation/appsupport/TalNumPadTheme.h"

#include <array>
#include <cstddef>
#include <utility>

namespace tal {
namespace {

using Case = TalNumPadTheme::Case;

struct Row {
  Case c;
  std::string_view raw;
};

constexpr std::array kRows{
    Row{Case::general, "general"},
    Row{Case::calGeneral, "calGeneral"},
};

// Rows are looked up by the case's ordinal, so they must stay in case order.
static_assert([] {
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    if (static_cast<std::size_t>(kRows[i].c) != i) return false;
  }
  return true;
}());

template <std::size_t... I>
constexpr std::array<TalNumPadTheme, sizeof...(I)> casesInOrder(std::index_sequence<I...>) {
  return {TalNumPadTheme(kRows[I].c)...};
}
constexpr auto kAll = casesInOrder(std::make_index_sequence<kRows.size()>{});

}  // namespace

std::string_view TalNumPadTheme::rawValue() const noexcept { return kRows[static_cast<std::size_t>(case_)].raw; }

std::optional<TalNumPadTheme> TalNumPadTheme::fromRawValue(std::string_view raw) noexcept {
  for (const Row& row : kRows) {
    if (row.raw == raw) return TalNumPadTheme(row.c);
  }
  return std::nullopt;
}

std::span<const TalNumPadTheme> TalNumPadTheme::allCases() noexcept { return kAll; }

}  // namespace tal
