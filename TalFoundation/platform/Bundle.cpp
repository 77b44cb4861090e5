#include "TalFoundation/platform/Bundle.h"

#include <rapidjson/document.h>
#include <rapidjson/memorystream.h>
#include <unicode/locid.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <mutex>
#include <sstream>
#include <utility>

#include "TalFoundation/detail/Utf8.h"

namespace tal::platform {
namespace {

using JSONValue = rapidjson::Value;

std::string text(const JSONValue& v) { return std::string(v.GetString(), v.GetStringLength()); }

Bundle::InfoValue infoValue(const JSONValue& v) {
  if (v.IsString()) return text(v);
  if (v.IsBool()) return v.GetBool();
  if (v.IsInt64()) return v.GetInt64();
  if (v.IsNumber()) return v.GetDouble();
  return Bundle::Structured{};
}

std::optional<Bundle::StringsTable> stringsTable(const JSONValue& v) {
  if (!v.IsObject()) return std::nullopt;
  Bundle::StringsTable table;
  for (const auto& member : v.GetObject()) {
    if (!member.value.IsString()) return std::nullopt;
    table.emplace(text(member.name), text(member.value));
  }
  return table;
}

std::optional<Bundle::Localizations> localizations(const JSONValue& v) {
  if (!v.IsObject()) return std::nullopt;
  Bundle::Localizations result;
  for (const auto& localization : v.GetObject()) {
    if (!localization.value.IsObject()) return std::nullopt;
    Bundle::Localization tables;
    for (const auto& table : localization.value.GetObject()) {
      std::optional<Bundle::StringsTable> strings = stringsTable(table.value);
      if (!strings) return std::nullopt;
      tables.emplace(text(table.name), std::move(*strings));
    }
    result.emplace(text(localization.name), std::move(tables));
  }
  return result;
}

// Candidate localisation names for the current locale, most specific first.
std::vector<std::string> namesForCurrentLocale() {
  const icu::Locale& locale = icu::Locale::getDefault();
  const std::string language = locale.getLanguage();
  const std::string script = locale.getScript();
  const std::string region = locale.getCountry();
  std::vector<std::string> names;
  if (language.empty()) return names;
  if (!script.empty() && !region.empty()) names.push_back(language + "-" + script + "-" + region);
  if (!script.empty()) names.push_back(language + "-" + script);
  if (!region.empty()) names.push_back(language + "-" + region);
  names.push_back(language);
  return names;
}

// Whether any text read into the bundle holds an escaped lone surrogate.
bool anyTextHoldsEncodedSurrogate(const Bundle::InfoDictionary& info, std::string_view developmentLocalization,
                                  const Bundle::Localizations& localizations) {
  using tal::detail::holdsEncodedSurrogate;
  for (const auto& [key, value] : info) {
    const auto* s = std::get_if<std::string>(&value);
    if (holdsEncodedSurrogate(key) || (s != nullptr && holdsEncodedSurrogate(*s))) return true;
  }
  if (holdsEncodedSurrogate(developmentLocalization)) return true;
  for (const auto& [name, tables] : localizations) {
    if (holdsEncodedSurrogate(name)) return true;
    for (const auto& [tableName, table] : tables) {
      if (holdsEncodedSurrogate(tableName)) return true;
      for (const auto& [key, value] : table)
        if (holdsEncodedSurrogate(key) || holdsEncodedSurrogate(value)) return true;
    }
  }
  return false;
}

struct MainSlot {
  std::mutex mutex;
  std::shared_ptr<const Bundle> bundle = std::make_shared<const Bundle>();
};

MainSlot& mainSlot() {
  static MainSlot instance;
  return instance;
}

}  // namespace

Bundle::Bundle(InfoDictionary info, Localizations localizations, std::string developmentLocalization)
    : info_(std::move(info)),
      localizations_(std::move(localizations)),
      developmentLocalization_(std::move(developmentLocalization)) {}

std::optional<Bundle> Bundle::fromJSON(std::string_view json) {
  // Iterative, so that deep nesting cannot exhaust the stack; strict UTF-8;
  // and stopping after the value, so that bytes after a NUL are not ignored.
  constexpr unsigned kFlags =
      rapidjson::kParseIterativeFlag | rapidjson::kParseValidateEncodingFlag | rapidjson::kParseStopWhenDoneFlag;
  rapidjson::MemoryStream stream(json.data(), json.size());
  rapidjson::Document document;
  document.ParseStream<kFlags>(stream);
  if (document.HasParseError() || !document.IsObject()) return std::nullopt;
  if (json.find_first_not_of(" \t\n\r", stream.Tell()) != std::string_view::npos) return std::nullopt;

  // Read through a const view: its iterators compare without the ambiguity
  // C++20 finds in RapidJSON's mixed const and non-const comparisons.
  const JSONValue& root = document;
  Bundle bundle;
  if (auto it = root.FindMember("info"); it != root.MemberEnd()) {
    if (!it->value.IsObject()) return std::nullopt;
    for (const auto& member : it->value.GetObject()) bundle.info_.emplace(text(member.name), infoValue(member.value));
  }
  if (auto it = root.FindMember("developmentLocalization"); it != root.MemberEnd()) {
    if (!it->value.IsString()) return std::nullopt;
    bundle.developmentLocalization_ = text(it->value);
  }
  if (auto it = root.FindMember("localizations"); it != root.MemberEnd()) {
    std::optional<Localizations> read = localizations(it->value);
    if (!read) return std::nullopt;
    bundle.localizations_ = std::move(*read);
  }
  if (anyTextHoldsEncodedSurrogate(bundle.info_, bundle.developmentLocalization_, bundle.localizations_)) {
    return std::nullopt;
  }
  return bundle;
}

std::optional<Bundle> Bundle::fromJSONFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream contents;
  contents << file.rdbuf();
  if (file.bad()) return std::nullopt;
  return fromJSON(contents.str());
}

std::optional<std::string> Bundle::infoString(std::string_view key) const {
  const auto it = info_.find(key);
  if (it == info_.end()) return std::nullopt;
  if (const auto* s = std::get_if<std::string>(&it->second)) return *s;
  return std::nullopt;
}

std::vector<std::string> Bundle::searchOrder() const {
  std::vector<std::string> order;
  const auto add = [&](const std::string& name) {
    if (localizations_.contains(name) && std::find(order.begin(), order.end(), name) == order.end()) {
      order.push_back(name);
    }
  };
  for (const std::string& name : preferred_.empty() ? namesForCurrentLocale() : preferred_) add(name);
  add(developmentLocalization_);
  add("Base");
  return order;
}

std::string Bundle::localizedString(std::string_view key, std::string_view value, std::string_view table) const {
  for (const std::string& name : searchOrder()) {
    const Localization& tables = localizations_.find(name)->second;
    const auto t = tables.find(table);
    if (t == tables.end()) continue;
    if (const auto s = t->second.find(key); s != t->second.end()) return s->second;
  }
  return std::string(value.empty() ? key : value);
}

std::shared_ptr<const Bundle> Bundle::main() {
  MainSlot& slot = mainSlot();
  const std::lock_guard lock(slot.mutex);
  return slot.bundle;
}

void Bundle::setMain(Bundle bundle) {
  auto next = std::make_shared<const Bundle>(std::move(bundle));
  MainSlot& slot = mainSlot();
  const std::lock_guard lock(slot.mutex);
  slot.bundle.swap(next);
}

bool Bundle::loadMain(const std::string& path) {
  std::optional<Bundle> read = fromJSONFile(path);
  if (!read) return false;
  setMain(std::move(*read));
  return true;
}

}  // namespace tal::platform
