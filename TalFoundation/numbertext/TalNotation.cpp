#include "TalFoundation/numbertext/TalNotation.h"

#include "TalFoundation/detail/RawValues.h"

namespace tal {
namespace {

using Case = TalNotation::Case;

constexpr auto kRawValues = detail::makeRawValues<TalNotation>({
    {Case::normal, "normal"},
    {Case::fixed, "fixed"},
    {Case::scientific, "scientific"},
    {Case::engineer, "engineer"},
});

}  // namespace

std::string_view TalNotation::rawValue() const noexcept { return kRawValues.rawValue(case_); }

std::optional<TalNotation> TalNotation::fromRawValue(std::string_view raw) noexcept {
  return kRawValues.fromRawValue(raw);
}

std::span<const TalNotation> TalNotation::allCases() noexcept { return kRawValues.allCases(); }

}  // namespace tal
