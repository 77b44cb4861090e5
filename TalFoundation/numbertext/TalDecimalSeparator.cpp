#include "TalFoundation/numbertext/TalDecimalSeparator.h"

#include "TalFoundation/detail/RawValues.h"

namespace tal {
namespace {

using Case = TalDecimalSeparator::Case;

constexpr auto kRawValues = detail::makeRawValues<TalDecimalSeparator>({
    {Case::dot, "."},
    {Case::comma, ","},
    {Case::arabicDecimalSeparator, "\u066B"},
});

}  // namespace

std::string_view TalDecimalSeparator::rawValue() const noexcept { return kRawValues.rawValue(case_); }

std::optional<TalDecimalSeparator> TalDecimalSeparator::fromRawValue(std::string_view raw) noexcept {
  return kRawValues.fromRawValue(raw);
}

std::span<const TalDecimalSeparator> TalDecimalSeparator::allCases() noexcept { return kRawValues.allCases(); }

}  // namespace tal
