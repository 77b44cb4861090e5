#include "TalFoundation/appsupport/SFSymbols.h"

#include <array>
#include <cstddef>

namespace tal {
namespace {

using Case = SFSymbols::Case;

struct Row {
  Case c;
  std::string_view raw;
};

constexpr std::array kRows{
    Row{Case::checkmark, "checkmark"},
    Row{Case::hint, "lightbulb"},
    Row{Case::questionmark, "questionmark"},
    Row{Case::refresh, "arrow.clockwise"},
    Row{Case::settings, "gear"},
    Row{Case::undo, "arrow.uturn.backward"},
};

// Rows are looked up by the case's ordinal, so they must stay in case order.
static_assert([] {
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    if (static_cast<std::size_t>(kRows[i].c) != i) return false;
  }
  return true;
}());

}  // namespace

std::string_view SFSymbols::rawValue() const noexcept { return kRows[static_cast<std::size_t>(case_)].raw; }

std::optional<SFSymbols> SFSymbols::fromRawValue(std::string_view raw) noexcept {
  for (const Row& row : kRows) {
    if (row.raw == raw) return SFSymbols(row.c);
  }
  return std::nullopt;
}

}  // namespace tal
