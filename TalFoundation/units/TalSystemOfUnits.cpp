#include "TalFoundation/units/TalSystemOfUnits.h"

#include "TalFoundation/detail/RawValues.h"

namespace tal {
namespace {

using Case = TalSystemOfUnits::Case;

constexpr auto kRawValues = detail::makeRawValues<TalSystemOfUnits, int>({
    {Case::si, 1},
    {Case::naturalUnits, 2},
    {Case::avoirdupoisUnits, 3},
    {Case::imperialUnitsOnly, 4},
    {Case::usCustomaryUnitsOnly, 5},
    {Case::troy, 6},
    {Case::chineseTraditionalUnits, 7},
    {Case::hkChekmaUnits, 8},
    {Case::twTraditionalUnits, 9},
});

}  // namespace

int TalSystemOfUnits::rawValue() const noexcept { return kRawValues.rawValue(case_); }

std::optional<TalSystemOfUnits> TalSystemOfUnits::fromRawValue(int raw) noexcept {
  return kRawValues.fromRawValue(raw);
}

std::span<const TalSystemOfUnits> TalSystemOfUnits::allCases() noexcept { return kRawValues.allCases(); }

}  // namespace tal
