#include "TalFoundation/appsupport/TalChineseFontPreference.h"

#include <array>
#include <cstddef>
#include <utility>

namespace tal {
namespace {

using Case = TalChineseFontPreference::Case;

struct Row {
  Case c;
  std::string_view raw;
};

constexpr std::array kRows{
    Row{Case::Hans, "Hans"},
    Row{Case::Hant, "Hant"},
    Row{Case::HK, "HK"},
    Row{Case::TW, "TW"},
};

// Rows are looked up by the case's ordinal, so they must stay in case order.
static_assert([] {
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    if (static_cast<std::size_t>(kRows[i].c) != i) return false;
  }
  return true;
}());

template <std::size_t... I>
constexpr std::array<TalChineseFontPreference, sizeof...(I)> casesInOrder(std::index_sequence<I...>) {
  return {TalChineseFontPreference(kRows[I].c)...};
}
constexpr auto kAll = casesInOrder(std::make_index_sequence<kRows.size()>{});

}  // namespace

std::string_view TalChineseFontPreference::rawValue() const noexcept { return kRows[static_cast<std::size_t>(case_)].raw; }

std::optional<TalChineseFontPreference> TalChineseFontPreference::fromRawValue(std::string_view raw) noexcept {
  for (const Row& row : kRows) {
    if (row.raw == raw) return TalChineseFontPreference(row.c);
  }
  return std::nullopt;
}

std::span<const TalChineseFontPreference> TalChineseFontPreference::allCases() noexcept { return kAll; }

}  // namespace tal
