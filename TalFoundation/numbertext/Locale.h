// Locale: a locale identifier with the properties the number-text helpers
// and the user interface ask of it (language, script and region codes,
// writing and formula direction, numbering system), and the one place that
// answers "the current locale". Neighbours: NumberingSystemInfo.h (digits and
// separators of a locale), DigitConversion.h, NumberFormatter.h.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "TalFoundation/Export.h"

namespace tal {

/// A locale named by its ICU identifier ("ar_SA", "hi_IN@numbers=deva").
/// A plain value: properties are read from ICU's locale data at each call.
class TAL_EXPORT Locale {
 public:
  /// The locale of `identifier`. BCP 47 tags ("ar-SA") are read too and
  /// stored in ICU's form ("ar_SA"). Text ICU cannot make sense of is kept
  /// as ICU reads it, which gives a locale without data (Latin digits, ".").
  explicit Locale(std::string_view identifier);

  /// The current locale: ICU's default locale, read at each call.
  [[nodiscard]] static Locale current();
  /// Makes `locale` the current locale for the whole process (ICU's default
  /// locale). False, and nothing changes, when ICU refuses it.
  static bool setCurrent(const Locale& locale);

  /// The full identifier, keywords included: "hi_IN@numbers=deva".
  [[nodiscard]] const std::string& identifier() const noexcept { return identifier_; }

  /// The language code ("ar"); absent when the identifier has none.
  [[nodiscard]] std::optional<std::string> talLanguageCode() const;
  /// The script code ("Hans"), only when the identifier names one.
  [[nodiscard]] std::optional<std::string> talScriptCode() const;
  /// The region code ("SA"); absent when the identifier has none.
  [[nodiscard]] std::optional<std::string> talRegionCode() const;
  /// Whether the language of the full identifier, with its likely script,
  /// is written right to left ("ps" and "yi" are; unknown languages are not).
  [[nodiscard]] bool isRightToLeftScript() const;
  /// Whether a formula is laid out left to right: by the full identifier,
  /// then by the language code, true for anything not listed.
  [[nodiscard]] bool isFormulaLeftToRight() const;
  /// The numbering system ICU uses for this locale: "latn", "arab",
  /// "arabext", "deva", …; "latn" when ICU has no answer.
  [[nodiscard]] std::string numberingSystemIdentifier() const;
  /// Whether the numbering system is "arab" or "arabext".
  [[nodiscard]] bool isUsingEasternArabicNumberingSystem() const;
  /// When the current locale's identifier carries "@" keywords, the locale
  /// of the part before the first "@"; otherwise this locale unchanged.
  [[nodiscard]] Locale ignoreSpecsLocalize() const;

  friend bool operator==(const Locale&, const Locale&) = default;

 private:
  /// Marks an identifier that is already ICU's canonical name, so this constructor takes it as it is.
  struct Canonical {};
  Locale(Canonical, std::string identifier) : identifier_(std::move(identifier)) {}

  std::string identifier_;
};

}  // namespace tal
