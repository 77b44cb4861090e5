#include "TalFoundation/appsupport/AppColorScheme.h"

#include <rapidjson/document.h>

#include <array>
#include <cstddef>
#include <string>
#include <utility>

namespace tal {
namespace {

using Case = AppColorScheme::Case;

struct Row {
  Case c;
  std::string_view raw;
};

constexpr std::array kRows{
    Row{Case::dark, "dark"},
    Row{Case::light, "light"},
    Row{Case::auto_, "auto"},
};

// Rows are looked up by the case's ordinal, so they must stay in case order.
static_assert([] {
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    if (static_cast<std::size_t>(kRows[i].c) != i) return false;
  }
  return true;
}());

template <std::size_t... I>
constexpr std::array<AppColorScheme, sizeof...(I)> casesInOrder(std::index_sequence<I...>) {
  return {AppColorScheme(kRows[I].c)...};
}
constexpr auto kAll = casesInOrder(std::make_index_sequence<kRows.size()>{});

}  // namespace

std::string_view AppColorScheme::rawValue() const noexcept { return kRows[static_cast<std::size_t>(case_)].raw; }

std::optional<AppColorScheme> AppColorScheme::fromRawValue(std::string_view raw) noexcept {
  for (const Row& row : kRows) {
    if (row.raw == raw) return AppColorScheme(row.c);
  }
  return std::nullopt;
}

std::span<const AppColorScheme> AppColorScheme::allCases() noexcept { return kAll; }

AppColorScheme AppColorScheme::decode(std::string_view raw) {
  if (const auto scheme = fromRawValue(raw)) return *scheme;
  throw DecodingError(DecodingError::Kind::dataCorrupted, "",
                      "AppColorScheme: \"" + std::string(raw) + "\" is not one of \"dark\", \"light\", \"auto\"");
}

AppColorScheme AppColorScheme::fromJSON(std::string_view json) {
  rapidjson::Document document;
  document.Parse(json.data(), json.size());
  if (document.HasParseError()) throw DecodingError(DecodingError::Kind::dataCorrupted, "", "AppColorScheme: not JSON");
  if (!document.IsString()) throw DecodingError(DecodingError::Kind::typeMismatch, "", "AppColorScheme: expected a string");
  return decode(std::string_view(document.GetString(), document.GetStringLength()));
}

// The raw values need no JSON escaping.
std::string AppColorScheme::toJSON() const {
  std::string json = "\"";
  json += rawValue();
  json += '"';
  return json;
}

}  // namespace tal
