// Bundle: the seam to the application bundle: its information dictionary
// and its localised strings tables ("InfoPlist"), by localisation. The app
// supplies the main bundle, typically from a JSON file; until it does, the
// main bundle is empty and every reader falls back.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "TalFoundation/Export.h"

namespace tal::platform {

/// The application bundle as the library sees it: information dictionary and localised strings tables, by localisation.
class TAL_EXPORT Bundle {
 public:
  /// An array, dictionary or null: a value that is present but not text.
  struct Structured {
    friend constexpr bool operator==(Structured, Structured) noexcept = default;
  };
  using InfoValue = std::variant<std::string, std::int64_t, double, bool, Structured>;
  using InfoDictionary = std::map<std::string, InfoValue, std::less<>>;
  /// Key → localised text.
  using StringsTable = std::map<std::string, std::string, std::less<>>;
  /// Table name ("InfoPlist") → table, for one localisation.
  using Localization = std::map<std::string, StringsTable, std::less<>>;
  /// Localisation name ("en", "zh-Hans", "Base") → its tables.
  using Localizations = std::map<std::string, Localization, std::less<>>;

  /// No information, no strings.
  Bundle() = default;
  explicit Bundle(InfoDictionary info, Localizations localizations = {}, std::string developmentLocalization = "en");

  /// Reads a bundle description:
  ///   {"info": {key: value, ...},
  ///    "developmentLocalization": "en",
  ///    "localizations": {"zh-Hans": {"InfoPlist": {key: "text", ...}}, ...}}
  /// Every member is optional; of a repeated key the last counts. Absent when
  /// the text is not strict JSON (platform/detail/JsonReader.h: nested at most
  /// 256 deep, a leading UTF-8 byte-order mark skipped), is not an object, or
  /// a member has the wrong shape (a table entry that is not text, an info
  /// number beyond the range of a double).
  [[nodiscard]] static std::optional<Bundle> fromJSON(std::string_view json);
  /// The same for a file; absent also when the file cannot be read.
  [[nodiscard]] static std::optional<Bundle> fromJSONFile(const std::string& path);

  [[nodiscard]] const InfoDictionary& infoDictionary() const noexcept { return info_; }
  /// The information value under `key` when it is text; absent when the key
  /// is missing or holds anything else.
  [[nodiscard]] std::optional<std::string> infoString(std::string_view key) const;

  /// The text for `key` in `table` of the first preferred localisation that
  /// has it. When none has: `value`, or `key` itself when `value` is empty.
  [[nodiscard]] std::string localizedString(std::string_view key, std::string_view value,
                                            std::string_view table) const;

  /// The localisations searched, in order: the preferred ones that the bundle
  /// holds, then the development localisation, then "Base". A name matches a
  /// held localisation with "_" and "-" taken alike ("zh_TW" is "zh-TW").
  [[nodiscard]] std::vector<std::string> searchOrder() const;
  /// Prefers exactly these localisation names, in order. Empty (the default)
  /// derives them from the current locale on every lookup, with its likely
  /// script and region added (zh_TW is zh-Hant-TW, zh_CN zh-Hans-CN):
  /// language-script-region, language-script, language-region, language.
  void setPreferredLocalizations(std::vector<std::string> names) { preferred_ = std::move(names); }

  /// The main bundle: empty until the app installs one.
  [[nodiscard]] static std::shared_ptr<const Bundle> main();
  /// Installs `bundle` as the main bundle for every later read.
  static void setMain(Bundle bundle);
  /// Installs the bundle read from a JSON file; false, and the main bundle
  /// unchanged, when the file cannot be read or is malformed.
  static bool loadMain(const std::string& path);

 private:
  InfoDictionary info_;
  Localizations localizations_;
  std::string developmentLocalization_ = "en";
  std::vector<std::string> preferred_;
};

}  // namespace tal::platform
