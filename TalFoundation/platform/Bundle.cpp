#include "TalFoundation/platform/Bundle.h"

#include <unicode/locid.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <mutex>
#include <sstream>
#include <system_error>
#include <utility>
#include <vector>

#include "TalFoundation/platform/Decimal.h"
#include "TalFoundation/platform/DecodingError.h"
#include "TalFoundation/platform/detail/JsonReader.h"

namespace tal::platform {
namespace {

// A document as a tree, built from the reader's events without recursion.
// The reader limits the nesting, so the tree's own destruction stays shallow.
struct Node {
  enum class Type : std::uint8_t { null, boolean, number, string, object, array };
  Type type = Type::null;
  bool boolean = false;
  std::string text;  // a string's value, or a number as written
  std::vector<std::pair<std::string, Node>> members;
  std::vector<Node> elements;
};

class TreeBuilder final : public tal::detail::JsonEvents {
 public:
  Node root;

  void null() override { place(Node{}); }
  void boolean(bool value) override {
    Node n;
    n.type = Node::Type::boolean;
    n.boolean = value;
    place(std::move(n));
  }
  void number(std::string_view text) override { place(scalar(Node::Type::number, text)); }
  void string(std::string_view value) override { place(scalar(Node::Type::string, value)); }
  void key(std::string_view name) override { key_ = name; }
  void startObject() override { open(Node::Type::object); }
  void endObject() override { open_.pop_back(); }
  void startArray() override { open(Node::Type::array); }
  void endArray() override { open_.pop_back(); }

 private:
  static Node scalar(Node::Type type, std::string_view text) {
    Node n;
    n.type = type;
    n.text = text;
    return n;
  }
  // Where the next value goes; a pointer into its parent, stable until the
  // parent's next value is placed, by which time this one is closed.
  Node& place(Node&& n) {
    if (open_.empty()) return root = std::move(n);
    Node& parent = *open_.back();
    if (parent.type == Node::Type::object) return parent.members.emplace_back(std::move(key_), std::move(n)).second;
    return parent.elements.emplace_back(std::move(n));
  }
  void open(Node::Type type) {
    Node n;
    n.type = type;
    open_.push_back(&place(std::move(n)));
  }

  std::vector<Node*> open_;
  std::string key_;
};

const Node* member(const Node& object, std::string_view name) {
  // The last of repeated keys counts.
  const Node* found = nullptr;
  for (const auto& [key, value] : object.members)
    if (key == name) found = &value;
  return found;
}

std::optional<Bundle::InfoValue> infoValue(const Node& v) {
  switch (v.type) {
    case Node::Type::string: return v.text;
    case Node::Type::boolean: return v.boolean;
    case Node::Type::number: {
      std::int64_t whole = 0;
      const char* const end = v.text.data() + v.text.size();
      if (const auto [stop, error] = std::from_chars(v.text.data(), end, whole); error == std::errc() && stop == end)
        return whole;
      // Other numbers as the nearest double; none beyond the double range.
      const double d = Decimal::fromString(v.text).value_or(Decimal::nan()).toDouble();
      if (!std::isfinite(d)) return std::nullopt;
      return d;
    }
    default: return Bundle::Structured{};
  }
}

std::optional<Bundle::StringsTable> stringsTable(const Node& v) {
  if (v.type != Node::Type::object) return std::nullopt;
  Bundle::StringsTable table;
  for (const auto& [key, value] : v.members) {
    if (value.type != Node::Type::string) return std::nullopt;
    table.insert_or_assign(key, value.text);
  }
  return table;
}

std::optional<Bundle::Localizations> localizations(const Node& v) {
  if (v.type != Node::Type::object) return std::nullopt;
  Bundle::Localizations result;
  for (const auto& [name, localization] : v.members) {
    if (localization.type != Node::Type::object) return std::nullopt;
    Bundle::Localization tables;
    for (const auto& [tableName, table] : localization.members) {
      std::optional<Bundle::StringsTable> strings = stringsTable(table);
      if (!strings) return std::nullopt;
      tables.insert_or_assign(tableName, std::move(*strings));
    }
    result.insert_or_assign(name, std::move(tables));
  }
  return result;
}

// Candidate localisation names for the current locale, most specific first,
// after adding the likely script and region as the platform does: zh_TW is
// zh-Hant-TW, so it finds "zh-Hant" before "zh".
std::vector<std::string> namesForCurrentLocale() {
  icu::Locale locale = icu::Locale::getDefault();
  UErrorCode status = U_ZERO_ERROR;
  icu::Locale maximized = locale;
  maximized.addLikelySubtags(status);
  if (U_SUCCESS(status)) locale = maximized;
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

// Whether two localisation names are the same, "_" and "-" alike.
bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const char x = a[i] == '_' ? '-' : a[i];
    const char y = b[i] == '_' ? '-' : b[i];
    if (x != y) return false;
  }
  return true;
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
  TreeBuilder tree;
  try {
    tal::detail::readJson(json, tree);
  } catch (const DecodingError&) {
    return std::nullopt;
  }
  const Node& root = tree.root;
  if (root.type != Node::Type::object) return std::nullopt;
  Bundle bundle;
  if (const Node* info = member(root, "info")) {
    if (info->type != Node::Type::object) return std::nullopt;
    for (const auto& [key, value] : info->members) {
      std::optional<InfoValue> read = infoValue(value);
      if (!read) return std::nullopt;
      bundle.info_.insert_or_assign(key, std::move(*read));
    }
  }
  if (const Node* development = member(root, "developmentLocalization")) {
    if (development->type != Node::Type::string) return std::nullopt;
    bundle.developmentLocalization_ = development->text;
  }
  if (const Node* localized = member(root, "localizations")) {
    std::optional<Localizations> read = localizations(*localized);
    if (!read) return std::nullopt;
    bundle.localizations_ = std::move(*read);
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
  const auto add = [&](const std::string& wanted) {
    const auto held = std::find_if(localizations_.begin(), localizations_.end(),
                                   [&](const auto& entry) { return sameName(entry.first, wanted); });
    if (held != localizations_.end() && std::find(order.begin(), order.end(), held->first) == order.end()) {
      order.push_back(held->first);
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
