#include "TalFoundation/numbertext/NumberFormatter.h"

#include <unicode/dcfmtsym.h>
#include <unicode/decimfmt.h>
#include <unicode/numberformatter.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "TalFoundation/numbertext/detail/IcuText.h"

namespace tal {

namespace nd = numbertext_detail;

// The configured ICU formatter. Never changed after it is built, so any
// number of threads may format with it at once.
struct NumberFormatter::Impl {
  std::unique_ptr<icu::DecimalFormat> decimalFormat;
  const icu::number::LocalizedNumberFormatter* formatter = nullptr;  // owned by decimalFormat
};

namespace {

icu::DecimalFormat::ERoundingMode icuRounding(Decimal::Rounding mode) {
  switch (mode) {
    case Decimal::Rounding::halfUp: return icu::DecimalFormat::kRoundHalfUp;
    case Decimal::Rounding::halfEven: return icu::DecimalFormat::kRoundHalfEven;
    case Decimal::Rounding::halfDown: return icu::DecimalFormat::kRoundHalfDown;
    case Decimal::Rounding::down: return icu::DecimalFormat::kRoundDown;
    case Decimal::Rounding::up: return icu::DecimalFormat::kRoundUp;
    case Decimal::Rounding::ceiling: return icu::DecimalFormat::kRoundCeiling;
    case Decimal::Rounding::floor: return icu::DecimalFormat::kRoundFloor;
  }
  return icu::DecimalFormat::kRoundHalfEven;
}

int clampFraction(int digits) { return std::clamp(digits, 0, NumberFormatter::kMaxFractionDigits); }

std::optional<std::string> textOf(icu::number::FormattedNumber&& formatted, UErrorCode& status) {
  const icu::UnicodeString text = formatted.toString(status);
  if (U_FAILURE(status) || text.isEmpty()) return std::nullopt;
  return nd::toUtf8(text);
}

}  // namespace

NumberFormatter::NumberFormatter(Locale locale) : settings_(std::move(locale)) {}

NumberFormatter::NumberFormatter(Snapshot snapshot)
    : settings_(std::move(snapshot.settings)), impl_(std::move(snapshot.impl)) {}

NumberFormatter::Snapshot NumberFormatter::snapshot() const {
  const std::lock_guard lock(mutex_);
  return Snapshot{settings_, impl_};
}

NumberFormatter::NumberFormatter(const NumberFormatter& other) : NumberFormatter(other.snapshot()) {}

NumberFormatter& NumberFormatter::operator=(const NumberFormatter& other) {
  if (this == &other) return *this;
  Snapshot copy = other.snapshot();
  const std::lock_guard lock(mutex_);
  settings_ = std::move(copy.settings);
  impl_ = std::move(copy.impl);
  return *this;
}

NumberFormatter::~NumberFormatter() = default;

void NumberFormatter::changed() {
  const std::lock_guard lock(mutex_);
  impl_.reset();
}

std::shared_ptr<const NumberFormatter::Impl> NumberFormatter::impl() const {
  const std::lock_guard lock(mutex_);
  if (impl_) return impl_;

  auto built = std::make_shared<Impl>();
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::NumberFormat> base(
      icu::NumberFormat::createInstance(nd::toIcuWithData(settings_.locale), UNUM_DECIMAL, status));
  if (U_FAILURE(status)) return nullptr;
  built->decimalFormat.reset(dynamic_cast<icu::DecimalFormat*>(base.get()));
  if (!built->decimalFormat) return nullptr;
  base.release();  // now owned by decimalFormat

  icu::DecimalFormat& df = *built->decimalFormat;
  // The setters keep minimum <= maximum, so the order does not matter here.
  if (settings_.minFraction) df.setMinimumFractionDigits(*settings_.minFraction);
  if (settings_.maxFraction) df.setMaximumFractionDigits(*settings_.maxFraction);
  df.setRoundingMode(icuRounding(settings_.rounding));
  if (settings_.grouping) df.setGroupingUsed(*settings_.grouping);
  if (settings_.groupingSize) {
    if (*settings_.groupingSize < 1) {
      df.setGroupingUsed(false);
    } else {
      df.setGroupingSize(*settings_.groupingSize);
    }
  }
  if (settings_.secondaryGroupingSize) df.setSecondaryGroupingSize(std::max(*settings_.secondaryGroupingSize, 0));
  if (settings_.decimalSeparator || settings_.groupingSeparator) {
    icu::DecimalFormatSymbols symbols(*df.getDecimalFormatSymbols());
    if (settings_.decimalSeparator) {
      symbols.setSymbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol, nd::toUnicode(*settings_.decimalSeparator));
    }
    if (settings_.groupingSeparator) {
      symbols.setSymbol(icu::DecimalFormatSymbols::kGroupingSeparatorSymbol,
                        nd::toUnicode(*settings_.groupingSeparator));
    }
    df.setDecimalFormatSymbols(symbols);
  }
  built->formatter = df.toNumberFormatter(status);
  if (U_FAILURE(status) || built->formatter == nullptr) return nullptr;
  impl_ = std::move(built);
  return impl_;
}

void NumberFormatter::setLocale(Locale locale) {
  settings_.locale = std::move(locale);
  changed();
}

int NumberFormatter::minimumFractionDigits() const {
  // A count of our own is what formatting uses; ICU's getter caps it.
  if (settings_.minFraction) return *settings_.minFraction;
  const auto built = impl();
  return built ? built->decimalFormat->getMinimumFractionDigits() : settings_.minFraction.value_or(0);
}

void NumberFormatter::setMinimumFractionDigits(int digits) {
  const int value = clampFraction(digits);
  settings_.minFraction = value;
  if (value > maximumFractionDigits()) settings_.maxFraction = value;
  changed();
}

int NumberFormatter::maximumFractionDigits() const {
  if (settings_.maxFraction) return *settings_.maxFraction;
  const auto built = impl();
  return built ? built->decimalFormat->getMaximumFractionDigits() : settings_.maxFraction.value_or(3);
}

void NumberFormatter::setMaximumFractionDigits(int digits) {
  const int value = clampFraction(digits);
  settings_.maxFraction = value;
  if (value < minimumFractionDigits()) settings_.minFraction = value;
  changed();
}

void NumberFormatter::setRoundingMode(Decimal::Rounding mode) noexcept {
  settings_.rounding = mode;
  changed();
}

bool NumberFormatter::usesGroupingSeparator() const {
  const auto built = impl();
  return built ? built->decimalFormat->isGroupingUsed() != 0 : settings_.grouping.value_or(true);
}

void NumberFormatter::setUsesGroupingSeparator(bool uses) {
  settings_.grouping = uses;
  changed();
}

int NumberFormatter::groupingSize() const {
  const auto built = impl();
  return built ? built->decimalFormat->getGroupingSize() : settings_.groupingSize.value_or(3);
}

void NumberFormatter::setGroupingSize(int size) {
  settings_.groupingSize = size;
  changed();
}

int NumberFormatter::secondaryGroupingSize() const {
  const auto built = impl();
  return built ? std::max(built->decimalFormat->getSecondaryGroupingSize(), 0)
               : std::max(settings_.secondaryGroupingSize.value_or(0), 0);
}

void NumberFormatter::setSecondaryGroupingSize(int size) {
  settings_.secondaryGroupingSize = size;
  changed();
}

std::string NumberFormatter::decimalSeparator() const {
  const auto built = impl();
  if (!built) return settings_.decimalSeparator.value_or(".");
  return nd::toUtf8(
      built->decimalFormat->getDecimalFormatSymbols()->getSymbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol));
}

void NumberFormatter::setDecimalSeparator(std::string_view separator) {
  settings_.decimalSeparator = nd::repairedUtf8(separator);
  changed();
}

std::string NumberFormatter::groupingSeparator() const {
  const auto built = impl();
  if (!built) return settings_.groupingSeparator.value_or(",");
  return nd::toUtf8(
      built->decimalFormat->getDecimalFormatSymbols()->getSymbol(icu::DecimalFormatSymbols::kGroupingSeparatorSymbol));
}

void NumberFormatter::setGroupingSeparator(std::string_view separator) {
  settings_.groupingSeparator = nd::repairedUtf8(separator);
  changed();
}

std::optional<std::string> NumberFormatter::format(const Decimal& value) const {
  if (value.isNaN()) return std::nullopt;
  const auto built = impl();
  if (!built) return std::nullopt;
  // Scientific text keeps the exact digits and stays short for any exponent.
  const std::string digits = value.toScientificString();
  UErrorCode status = U_ZERO_ERROR;
  return textOf(built->formatter->formatDecimal(icu::StringPiece(digits.data(), static_cast<std::int32_t>(digits.size())),
                                                status),
                status);
}

std::optional<std::string> NumberFormatter::format(std::int64_t value) const {
  const auto built = impl();
  if (!built) return std::nullopt;
  UErrorCode status = U_ZERO_ERROR;
  return textOf(built->formatter->formatInt(value, status), status);
}

std::optional<std::string> NumberFormatter::format(double value) const {
  if (!std::isfinite(value)) return std::nullopt;
  const auto built = impl();
  if (!built) return std::nullopt;
  UErrorCode status = U_ZERO_ERROR;
  return textOf(built->formatter->formatDouble(value, status), status);
}

NumberFormatter TalDecimalNumberFormatter() { return NumberFormatter(Locale::current()); }

std::string localizedNumberFormatString(std::int64_t value, const Locale& locale) {
  const icu::Locale target(locale.isUsingEasternArabicNumberingSystem() ? "ar_SA" : "en_US");
  UErrorCode status = U_ZERO_ERROR;
  const auto formatter = icu::number::NumberFormatter::withLocale(target)
                             .grouping(UNUM_GROUPING_OFF)
                             .precision(icu::number::Precision::integer());
  if (std::optional<std::string> text = textOf(formatter.formatInt(value, status), status)) return *std::move(text);
  return std::to_string(value);
}

std::string localizedNumberFormatString(std::int64_t value) {
  return localizedNumberFormatString(value, Locale::current());
}

}  // namespace tal
