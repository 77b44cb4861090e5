#include "TalFoundation/appsupport/TalNumPadTheme.h"

#include "TalFoundation/detail/RawValues.h"

namespace tal {
namespace {

using Case = TalNumPadTheme::Case;

constexpr auto kRawValues = detail::makeRawValues<TalNumPadTheme>({
    {Case::general, "general"},
    {Case::calGeneral, "calGeneral"},
});

}  // namespace

std::string_view TalNumPadTheme::rawValue() const noexcept { return kRawValues.rawValue(case_); }

std::optional<TalNumPadTheme> TalNumPadTheme::fromRawValue(std::string_view raw) noexcept {
  return kRawValues.fromRawValue(raw);
}

std::span<const TalNumPadTheme> TalNumPadTheme::allCases() noexcept { return kRawValues.allCases(); }

}  // namespace tal
