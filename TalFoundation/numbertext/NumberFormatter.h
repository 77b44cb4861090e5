// NumberFormatter: a decimal-style number formatter over ICU — locale,
// fraction digits, rounding, grouping and separators — that writes a
// tal::Decimal from its exact digits, never through a double. Also the two
// entry points the app uses: TalDecimalNumberFormatter() and
// localizedNumberFormatString(). Neighbours: Locale.h, the format settings
// (TalDecimalSeparator.h, TalDigitGroupingSymbol.h, …).
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "TalFoundation/Export.h"
#include "TalFoundation/numbertext/Locale.h"
#include "TalFoundation/platform/Decimal.h"

namespace tal {

/// Starts as the locale's decimal style: its separators and grouping, 0 to
/// 3 fraction digits (as the locale's pattern says), ties to even. Setters
/// change one property; the ICU formatter is rebuilt at the next use.
/// Formatting is const and safe from several threads at once; setters are
/// not safe concurrently with any other use of the same object.
class TAL_EXPORT NumberFormatter {
 public:
  /// Largest fraction digit count ICU accepts; larger settings are cut to it.
  static constexpr int kMaxFractionDigits = 999;

  explicit NumberFormatter(Locale locale);
  NumberFormatter(const NumberFormatter& other);
  NumberFormatter& operator=(const NumberFormatter& other);
  ~NumberFormatter();

  [[nodiscard]] const Locale& locale() const noexcept { return settings_.locale; }
  /// Switches the locale; explicit settings made so far stay.
  void setLocale(Locale locale);

  [[nodiscard]] int minimumFractionDigits() const;
  /// Clamped to 0 … kMaxFractionDigits; raises the maximum when needed.
  void setMinimumFractionDigits(int digits);
  [[nodiscard]] int maximumFractionDigits() const;
  /// Clamped to 0 … kMaxFractionDigits; lowers the minimum when needed.
  void setMaximumFractionDigits(int digits);

  [[nodiscard]] Decimal::Rounding roundingMode() const noexcept { return settings_.rounding; }
  void setRoundingMode(Decimal::Rounding mode) noexcept;

  [[nodiscard]] bool usesGroupingSeparator() const;
  void setUsesGroupingSeparator(bool uses);
  /// Size of the group next to the decimal separator (3 in most locales).
  [[nodiscard]] int groupingSize() const;
  /// A size below 1 turns grouping off.
  void setGroupingSize(int size);
  /// Size of the groups beyond the first; 0 when they have the first size.
  [[nodiscard]] int secondaryGroupingSize() const;
  /// A size below 1 gives every group the first size.
  void setSecondaryGroupingSize(int size);

  /// The decimal separator written; the locale's until one is set.
  [[nodiscard]] std::string decimalSeparator() const;
  /// Any text, the empty one included; ill-formed UTF-8 is repaired (U+FFFD).
  void setDecimalSeparator(std::string_view separator);
  /// The grouping separator written; the locale's until one is set.
  [[nodiscard]] std::string groupingSeparator() const;
  /// Any text; the empty one writes groups with nothing between them.
  void setGroupingSeparator(std::string_view separator);

  /// The value written with the settings, from its exact digits (38-digit
  /// values come out digit for digit). Absent for NaN or when ICU fails.
  /// Values with huge exponents are written out in full.
  [[nodiscard]] std::optional<std::string> format(const Decimal& value) const;
  /// Absent only when ICU fails.
  [[nodiscard]] std::optional<std::string> format(std::int64_t value) const;
  /// Absent for NaN, infinities or when ICU fails.
  [[nodiscard]] std::optional<std::string> format(double value) const;

 private:
  struct Impl;
  /// What the caller has set: the locale, and each override, absent where the locale's default applies.
  struct Settings {
    explicit Settings(Locale l) : locale(std::move(l)) {}
    Locale locale;
    std::optional<int> minFraction;
    std::optional<int> maxFraction;
    Decimal::Rounding rounding = Decimal::Rounding::halfEven;
    std::optional<bool> grouping;
    std::optional<int> groupingSize;
    std::optional<int> secondaryGroupingSize;
    std::optional<std::string> decimalSeparator;
    std::optional<std::string> groupingSeparator;
  };

  /// The settings and the ICU formatter built from them, taken together under the lock so that a copy is consistent.
  struct Snapshot {
    Settings settings;
    std::shared_ptr<const Impl> impl;
  };
  explicit NumberFormatter(Snapshot snapshot);
  Snapshot snapshot() const;
  std::shared_ptr<const Impl> impl() const;
  void changed();

  Settings settings_;
  mutable std::mutex mutex_;
  mutable std::shared_ptr<const Impl> impl_;  // built on first use after a change
};

/// A new decimal-style formatter for the current locale, left at the
/// locale's defaults for the caller to configure.
[[nodiscard]] TAL_EXPORT NumberFormatter TalDecimalNumberFormatter();

/// The whole number in plain digits without grouping: Western digits, or the
/// Arabic-Indic digits of ar_SA when the locale's numbering system is
/// "arab" or "arabext". Negative numbers carry that locale's minus sign.
[[nodiscard]] TAL_EXPORT std::string localizedNumberFormatString(std::int64_t value, const Locale& locale);
/// As above for the current locale.
[[nodiscard]] TAL_EXPORT std::string localizedNumberFormatString(std::int64_t value);

}  // namespace tal
