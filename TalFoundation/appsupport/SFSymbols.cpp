#include "TalFoundation/appsupport/SFSymbols.h"

#include "TalFoundation/detail/RawValues.h"

namespace tal {
namespace {

using Case = SFSymbols::Case;

constexpr auto kRawValues = detail::makeRawValues<SFSymbols>({
    {Case::checkmark, "checkmark"},
    {Case::hint, "lightbulb"},
    {Case::questionmark, "questionmark"},
    {Case::refresh, "arrow.clockwise"},
    {Case::settings, "gear"},
    {Case::undo, "arrow.uturn.backward"},
});

}  // namespace

std::string_view SFSymbols::rawValue() const noexcept { return kRawValues.rawValue(case_); }

std::optional<SFSymbols> SFSymbols::fromRawValue(std::string_view raw) noexcept {
  return kRawValues.fromRawValue(raw);
}

}  // namespace tal
