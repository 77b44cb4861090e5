#include "TalFoundation/numbertext/TalDigitGroupingSize.h"

#include "TalFoundation/detail/RawValues.h"

namespace tal {
namespace {

using Case = TalDigitGroupingSize::Case;

constexpr auto kRawValues = detail::makeRawValues<TalDigitGroupingSize, int>({
    {Case::_2, 2},
    {Case::_3, 3},
    {Case::_4, 4},
});

}  // namespace

int TalDigitGroupingSize::rawValue() const noexcept { return kRawValues.rawValue(case_); }

std::optional<TalDigitGroupingSize> TalDigitGroupingSize::fromRawValue(std::int64_t raw) noexcept {
  return kRawValues.fromRawValue(raw);
}

std::span<const TalDigitGroupingSize> TalDigitGroupingSize::allCases() noexcept { return kRawValues.allCases(); }

}  // namespace tal
