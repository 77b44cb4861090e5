#include "TalFoundation/appsupport/TalNumPadType.h"

#include "TalFoundation/detail/RawValues.h"

namespace tal {
namespace {

using Case = TalNumPadType::Case;

constexpr auto kRawValues = detail::makeRawValues<TalNumPadType>({
    {Case::general, "general"},
    {Case::cal, "cal"},
});

}  // namespace

std::string_view TalNumPadType::rawValue() const noexcept { return kRawValues.rawValue(case_); }

std::optional<TalNumPadType> TalNumPadType::fromRawValue(std::string_view raw) noexcept {
  return kRawValues.fromRawValue(raw);
}

std::span<const TalNumPadType> TalNumPadType::allCases() noexcept { return kRawValues.allCases(); }

}  // namespace tal
