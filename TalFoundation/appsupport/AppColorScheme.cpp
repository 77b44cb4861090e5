#include "TalFoundation/appsupport/AppColorScheme.h"

#include <string>

#include "TalFoundation/detail/RawValues.h"
#include "TalFoundation/platform/DecodingError.h"
#include "TalFoundation/platform/detail/JsonReader.h"

namespace tal {
namespace {

using Case = AppColorScheme::Case;

constexpr auto kRawValues = detail::makeRawValues<AppColorScheme>({
    {Case::dark, "dark"},
    {Case::light, "light"},
    {Case::auto_, "auto"},
});

}  // namespace

std::string_view AppColorScheme::rawValue() const noexcept { return kRawValues.rawValue(case_); }

std::optional<AppColorScheme> AppColorScheme::fromRawValue(std::string_view raw) noexcept {
  return kRawValues.fromRawValue(raw);
}

std::span<const AppColorScheme> AppColorScheme::allCases() noexcept { return kRawValues.allCases(); }

AppColorScheme AppColorScheme::decode(std::string_view raw) {
  if (const auto scheme = fromRawValue(raw)) return *scheme;
  throwDecodingError(DecodingError::Kind::dataCorrupted, "",
                     "AppColorScheme: \"" + std::string(raw) + "\" is not one of \"dark\", \"light\", \"auto\"");
}

AppColorScheme AppColorScheme::fromJSON(std::string_view json) {
  return decode(detail::readJsonString(json));
}

// The raw values need no JSON escaping.
std::string AppColorScheme::toJSON() const {
  std::string json = "\"";
  json += rawValue();
  json += '"';
  return json;
}

}  // namespace tal
