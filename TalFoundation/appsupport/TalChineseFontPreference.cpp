#include "TalFoundation/appsupport/TalChineseFontPreference.h"

#include "TalFoundation/detail/RawValues.h"

namespace tal {
namespace {

using Case = TalChineseFontPreference::Case;

constexpr auto kRawValues = detail::makeRawValues<TalChineseFontPreference>({
    {Case::Hans, "Hans"},
    {Case::Hant, "Hant"},
    {Case::HK, "HK"},
    {Case::TW, "TW"},
});

}  // namespace

std::string_view TalChineseFontPreference::rawValue() const noexcept { return kRawValues.rawValue(case_); }

std::optional<TalChineseFontPreference> TalChineseFontPreference::fromRawValue(std::string_view raw) noexcept {
  return kRawValues.fromRawValue(raw);
}

std::span<const TalChineseFontPreference> TalChineseFontPreference::allCases() noexcept { return kRawValues.allCases(); }

}  // namespace tal
