#include "TalFoundation/units/TalUnitRegion.h"

#include <array>
#include <cstddef>
#include <utility>

namespace tal {
namespace {

using Case = TalUnitRegion::Case;

struct Row {
  Case c;
  std::string_view raw;
  std::string_view flagCode;  // two-letter code whose regional indicators make the flag
};

constexpr std::array kRows{
    Row{Case::USA, "USA", "US"},
    Row{Case::GBR, "GBR", "GB"},
    Row{Case::CHN, "CHN", "CN"},
    Row{Case::HKG, "HKG\u200C", "HK"},
    Row{Case::TWN, "TWN", "TW"},
    Row{Case::MAC, "MAC", "MO"},
};

static_assert([] {
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    if (static_cast<std::size_t>(kRows[i].c) != i) return false;
  }
  return true;
}());

template <std::size_t... I>
constexpr std::array<TalUnitRegion, sizeof...(I)> casesInOrder(std::index_sequence<I...>) {
  return {TalUnitRegion(kRows[I].c)...};
}
constexpr auto kAll = casesInOrder(std::make_index_sequence<kRows.size()>{});

// U+1F1E6 REGIONAL INDICATOR SYMBOL LETTER A is F0 9F 87 A6; the 26 letters
// differ only in the last byte.
constexpr std::size_t kFlagBytes = 8;
using Flag = std::array<char, kFlagBytes>;

constexpr Flag flagOf(std::string_view code) {
  Flag flag{};
  for (std::size_t i = 0; i < 2; ++i) {
    flag[4 * i + 0] = static_cast<char>(0xF0);
    flag[4 * i + 1] = static_cast<char>(0x9F);
    flag[4 * i + 2] = static_cast<char>(0x87);
    flag[4 * i + 3] = static_cast<char>(0xA6 + (code[i] - 'A'));
  }
  return flag;
}

template <std::size_t... I>
constexpr std::array<Flag, sizeof...(I)> flagsInOrder(std::index_sequence<I...>) {
  return {flagOf(kRows[I].flagCode)...};
}
constexpr auto kFlags = flagsInOrder(std::make_index_sequence<kRows.size()>{});

}  // namespace

std::string_view TalUnitRegion::rawValue() const noexcept { return kRows[static_cast<std::size_t>(case_)].raw; }

std::optional<TalUnitRegion> TalUnitRegion::fromRawValue(std::string_view raw) noexcept {
  for (const Row& row : kRows) {
    if (row.raw == raw) return TalUnitRegion(row.c);
  }
  return std::nullopt;
}

std::span<const TalUnitRegion> TalUnitRegion::allCases() noexcept { return kAll; }

std::string_view TalUnitRegion::regionFlagText() const noexcept {
  const Flag& flag = kFlags[static_cast<std::size_t>(case_)];
  return {flag.data(), flag.size()};
}

}  // namespace tal
