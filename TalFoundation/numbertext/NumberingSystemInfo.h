// NumberingSystemInfo: the numbering system of a locale as one record — its
// identifier, its ten digits, its separators and whether it is written right
// to left. Neighbours: Locale.h (the locale it is read from),
// DigitConversion.h (text conversion with these digits).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "TalFoundation/Export.h"
#include "TalFoundation/numbertext/Locale.h"

namespace tal {

/// A locale's numbering system as one record: identifier, ten digits, separators and writing direction.
class TAL_EXPORT NumberingSystemInfo {
 public:
  /// Ten digits, zero to nine, each one character of UTF-8.
  using Digits = std::array<std::string, 10>;

  /// The record for the current locale, read afresh.
  [[nodiscard]] static NumberingSystemInfo getCurrent();
  /// The record for `locale`: digits as its plain number formatter writes
  /// 0 to 9; the fallback row when the formatter does not give all ten.
  [[nodiscard]] static NumberingSystemInfo forLocale(const Locale& locale);
  /// The ten consecutive code points from the digit zero of a known
  /// numbering system ("arab", "deva", "thai", …); Western digits for any
  /// other identifier, the empty one included.
  [[nodiscard]] static Digits fallbackDigits(std::string_view identifier);

  /// "latn", "arab", "arabext", "deva", …
  [[nodiscard]] const std::string& identifier() const& noexcept { return identifier_; }
  [[nodiscard]] std::string identifier() && { return std::move(identifier_); }
  /// The locale's decimal separator; absent when ICU gives none.
  [[nodiscard]] const std::optional<std::string>& decimalSeparator() const& noexcept { return decimalSeparator_; }
  [[nodiscard]] std::optional<std::string> decimalSeparator() && { return std::move(decimalSeparator_); }
  /// The locale's grouping separator; absent when ICU gives none.
  [[nodiscard]] const std::optional<std::string>& groupingSeparator() const& noexcept { return groupingSeparator_; }
  [[nodiscard]] std::optional<std::string> groupingSeparator() && { return std::move(groupingSeparator_); }
  /// The ten digits, zero to nine. On a temporary record the accessors hand
  /// out their field by value, so `forLocale(l).digits()` in a range-for is safe.
  [[nodiscard]] const Digits& digits() const& noexcept { return digits_; }
  [[nodiscard]] Digits digits() && { return std::move(digits_); }
  /// The language code is one of ar, he, fa, ur, yi.
  [[nodiscard]] bool isRTL() const noexcept { return isRTL_; }
  /// The identifier contains "latn".
  [[nodiscard]] bool isLatinNumberingSystem() const noexcept { return isLatin_; }

 private:
  NumberingSystemInfo() = default;

  std::string identifier_;
  std::optional<std::string> decimalSeparator_;
  std::optional<std::string> groupingSeparator_;
  Digits digits_;
  bool isRTL_ = false;
  bool isLatin_ = false;
};

}  // namespace tal
