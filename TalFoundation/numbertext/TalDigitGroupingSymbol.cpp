#include "TalFoundation/numbertext/TalDigitGroupingSymbol.h"

#include "TalFoundation/detail/RawValues.h"

namespace tal {
namespace {

using Case = TalDigitGroupingSymbol::Case;

constexpr auto kRawValues = detail::makeRawValues<TalDigitGroupingSymbol>({
    {Case::noSymbol, ""},
    {Case::dot, "."},
    {Case::comma, ","},
    {Case::space, " "},
    {Case::apostrophe, "'"},
    {Case::arabicThousandsSeparator, "\u066C"},
    {Case::arabicComma, "\u060C"},
});

}  // namespace

std::string_view TalDigitGroupingSymbol::rawValue() const noexcept { return kRawValues.rawValue(case_); }

std::optional<TalDigitGroupingSymbol> TalDigitGroupingSymbol::fromRawValue(std::string_view raw) noexcept {
  return kRawValues.fromRawValue(raw);
}

std::span<const TalDigitGroupingSymbol> TalDigitGroupingSymbol::allCases() noexcept { return kRawValues.allCases(); }

}  // namespace tal
