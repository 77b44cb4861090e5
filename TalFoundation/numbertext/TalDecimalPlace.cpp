#include "TalFoundation/numbertext/TalDecimalPlace.h"

#include "TalFoundation/detail/RawValues.h"

namespace tal {
namespace {

using Case = TalDecimalPlace::Case;

constexpr auto kRawValues = detail::makeRawValues<TalDecimalPlace, int>({
    {Case::_0, 0},
    {Case::_1, 1},
    {Case::_2, 2},
    {Case::_3, 3},
    {Case::_4, 4},
    {Case::_5, 5},
    {Case::_6, 6},
    {Case::_7, 7},
    {Case::_8, 8},
    {Case::_9, 9},
    {Case::_10, 10},
    {Case::_11, 11},
    {Case::_12, 12},
    {Case::_13, 13},
    {Case::_14, 14},
});

}  // namespace

int TalDecimalPlace::rawValue() const noexcept { return kRawValues.rawValue(case_); }

std::optional<TalDecimalPlace> TalDecimalPlace::fromRawValue(std::int64_t raw) noexcept {
  return kRawValues.fromRawValue(raw);
}

std::span<const TalDecimalPlace> TalDecimalPlace::allCases() noexcept { return kRawValues.allCases(); }

}  // namespace tal
