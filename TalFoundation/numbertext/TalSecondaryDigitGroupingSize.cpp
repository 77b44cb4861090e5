#include "TalFoundation/numbertext/TalSecondaryDigitGroupingSize.h"

#include "TalFoundation/detail/RawValues.h"

namespace tal {
namespace {

using Case = TalSecondaryDigitGroupingSize::Case;

constexpr auto kRawValues = detail::makeRawValues<TalSecondaryDigitGroupingSize, int>({
    {Case::_0, 0},
    {Case::_2, 2},
    {Case::_3, 3},
    {Case::_4, 4},
});

}  // namespace

int TalSecondaryDigitGroupingSize::rawValue() const noexcept { return kRawValues.rawValue(case_); }

std::optional<TalSecondaryDigitGroupingSize> TalSecondaryDigitGroupingSize::fromRawValue(std::int64_t raw) noexcept {
  return kRawValues.fromRawValue(raw);
}

std::span<const TalSecondaryDigitGroupingSize> TalSecondaryDigitGroupingSize::allCases() noexcept { return kRawValues.allCases(); }

}  // namespace tal
