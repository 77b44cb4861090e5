#include "TalFoundation/currency/ExchangeRateData.h"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <charconv>
#include <cstddef>
#include <limits>
#include <system_error>
#include <utility>

#include "TalFoundation/platform/DecodingError.h"
#include "TalFoundation/currency/detail/JsonText.h"

namespace tal {

namespace {

using Kind = DecodingError::Kind;

constexpr std::string_view kBaseCode = "baseCode";
constexpr std::string_view kTimeLastUpdateUnix = "timeLastUpdateUnix";
constexpr std::string_view kTimeNextUpdateUnix = "timeNextUpdateUnix";
constexpr std::string_view kRates = "rates";

enum class Json { null, boolean, number, string, object, array };

std::string_view found(Json type) noexcept {
  switch (type) {
    case Json::null: return "null";
    case Json::boolean: return "a boolean";
    case Json::number: return "a number";
    case Json::string: return "a string";
    case Json::object: return "an object";
    case Json::array: return "an array";
  }
  return "a value";
}

// Messages quote a number, not a megabyte of one.
std::string excerpt(std::string_view text) {
  constexpr std::size_t kLimit = 40;
  return text.size() <= kLimit ? std::string(text) : std::string(text.substr(0, kLimit)) + "…";
}

[[noreturn]] void mismatch(std::string key, std::string_view expected, Json type) {
  const Kind kind = type == Json::null ? Kind::valueNotFound : Kind::typeMismatch;
  throwDecodingError(kind, std::move(key),
                      "expected " + std::string(expected) + ", found " + std::string(found(type)));
}

std::int64_t wholeNumber(std::string_view text, std::string_view key) {
  std::int64_t value = 0;
  const char* const end = text.data() + text.size();
  if (const auto [stop, error] = std::from_chars(text.data(), end, value); error == std::errc() && stop == end)
    return value;
  // Fraction, exponent or beyond 64 bits: judge by value (1.0 and 1e3 are whole).
  const auto decimal = Decimal::fromString(text);
  if (!decimal || !decimal->isFinite() || decimal->rounded(0, Decimal::Rounding::down) != *decimal)
    throwDecodingError(Kind::dataCorrupted, std::string(key), excerpt(text) + " is not a whole number");
  constexpr Decimal kMin = std::numeric_limits<std::int64_t>::min();
  constexpr Decimal kMax = std::numeric_limits<std::int64_t>::max();
  if (*decimal >= kMin && *decimal <= kMax) {
    const std::string plain = decimal->description();
    if (const auto [stop, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
        error == std::errc() && stop == plain.data() + plain.size())
      return value;
  }
  throwDecodingError(Kind::dataCorrupted, std::string(key),
                      excerpt(text) + " does not fit in a signed 64-bit integer");
}

// Follows the events of one document and keeps the four fields; everything
// else is skipped without being looked at.
class SnapshotReader final : public detail::JsonEvents {
 public:
  ExchangeRateData take() {
    if (!baseCode_) missing(kBaseCode);
    if (!timeLastUpdateUnix_) missing(kTimeLastUpdateUnix);
    if (!rates_) missing(kRates);
    return ExchangeRateData(std::move(*baseCode_), *timeLastUpdateUnix_, timeNextUpdateUnix_, std::move(*rates_));
  }

  void null() override { value(Json::null, {}); }
  void boolean(bool) override { value(Json::boolean, {}); }
  void number(std::string_view text) override { value(Json::number, text); }
  void string(std::string_view text) override { value(Json::string, text); }
  void startObject() override { value(Json::object, {}); }
  void startArray() override { value(Json::array, {}); }
  void endObject() override { close(); }
  void endArray() override { close(); }
  void key(std::string_view name) override {
    if (skipping_ > 0) return;
    if (depth_ == 1) {
      field_ = name == kBaseCode             ? Field::baseCode
               : name == kTimeLastUpdateUnix ? Field::timeLastUpdateUnix
               : name == kTimeNextUpdateUnix ? Field::timeNextUpdateUnix
               : name == kRates              ? Field::rates
                                             : Field::other;
    } else {
      rateCode_ = name;
    }
  }

 private:
  enum class Field { other, baseCode, timeLastUpdateUnix, timeNextUpdateUnix, rates };

  [[noreturn]] static void missing(std::string_view key) {
    throwDecodingError(Kind::keyNotFound, std::string(key), "required key is missing");
  }

  void value(Json type, std::string_view text) {
    const bool opens = type == Json::object || type == Json::array;
    if (skipping_ > 0) {
      if (opens) ++skipping_;
      return;
    }
    switch (depth_) {
      case 0:
        if (type != Json::object) mismatch("", "an object", type);
        depth_ = 1;
        return;
      case 1: return field(type, text, opens);
      default: return rate(type, text);
    }
  }

  void field(Json type, std::string_view text, bool opens) {
    switch (field_) {
      case Field::other:
        if (opens) skipping_ = 1;
        return;
      case Field::baseCode:
        if (type != Json::string) mismatch(std::string(kBaseCode), "a string", type);
        baseCode_ = std::string(text);
        return;
      case Field::timeLastUpdateUnix:
        if (type != Json::number) mismatch(std::string(kTimeLastUpdateUnix), "an integer", type);
        timeLastUpdateUnix_ = wholeNumber(text, kTimeLastUpdateUnix);
        return;
      case Field::timeNextUpdateUnix:
        if (type == Json::null) {
          timeNextUpdateUnix_.reset();
          return;
        }
        if (type != Json::number) mismatch(std::string(kTimeNextUpdateUnix), "an integer", type);
        timeNextUpdateUnix_ = wholeNumber(text, kTimeNextUpdateUnix);
        return;
      case Field::rates:
        if (type != Json::object) mismatch(std::string(kRates), "an object", type);
        rates_.emplace();
        depth_ = 2;
        return;
    }
  }

  void rate(Json type, std::string_view text) {
    if (type != Json::number) mismatch(rateKey(), "a number", type);
    const auto decimal = Decimal::fromString(text);
    // Too large (NaN) and too small (a nonzero number read as 0) alike: every
    // conversion through such a rate would be NaN.
    const bool writtenNonZero = text.substr(0, text.find_first_of("eE")).find_first_of("123456789") != text.npos;
    if (!decimal || decimal->isNaN() || (decimal->isZero() && writtenNonZero))
      throwDecodingError(Kind::dataCorrupted, rateKey(), excerpt(text) + " is outside the decimal range");
    rates_->insert_or_assign(rateCode_, *decimal);
  }

  std::string rateKey() const { return std::string(kRates) + "." + rateCode_; }

  void close() {
    if (skipping_ > 0) {
      --skipping_;
      return;
    }
    --depth_;
  }

  int depth_ = 0;              // 0 before the root, 1 in it, 2 in "rates"
  std::size_t skipping_ = 0;   // nesting inside a value being skipped
  Field field_ = Field::other;
  std::string rateCode_;
  std::optional<std::string> baseCode_;
  std::optional<std::int64_t> timeLastUpdateUnix_;
  std::optional<std::int64_t> timeNextUpdateUnix_;
  std::optional<ExchangeRateData::Rates> rates_;
};

// Plain notation for every magnitude a rate plausibly has; scientific where
// the plain text would run to pages of zeros. Both are JSON numbers.
std::string numberText(const Decimal& value) {
  std::string scientific = value.toScientificString();
  const std::size_t e = scientific.find('E');
  if (e == std::string::npos) return scientific;
  const char* first = scientific.data() + e + 1;
  if (*first == '+') ++first;
  std::int64_t adjusted = 0;
  std::from_chars(first, scientific.data() + scientific.size(), adjusted);
  if (adjusted >= -7 && adjusted <= Decimal::kMaxDigits) return value.description();
  return scientific;
}

}  // namespace

ExchangeRateData::ExchangeRateData(std::string baseCode, std::int64_t timeLastUpdateUnix,
                                   std::optional<std::int64_t> timeNextUpdateUnix, Rates rates)
    : baseCode_(std::move(baseCode)),
      timeLastUpdateUnix_(timeLastUpdateUnix),
      timeNextUpdateUnix_(timeNextUpdateUnix),
      rates_(std::move(rates)) {}

std::optional<std::string> ExchangeRateData::toJSON() const {
  using rapidjson::SizeType;
  const auto fits = [](std::string_view text) { return text.size() <= std::numeric_limits<SizeType>::max(); };
  rapidjson::StringBuffer buffer;
  rapidjson::Writer<rapidjson::StringBuffer, rapidjson::UTF8<>, rapidjson::UTF8<>, rapidjson::CrtAllocator,
                    rapidjson::kWriteValidateEncodingFlag>
      writer(buffer);
  const auto key = [&](std::string_view name) {
    return fits(name) && writer.Key(name.data(), static_cast<SizeType>(name.size()));
  };
  bool ok = writer.StartObject() && key(kBaseCode) && fits(baseCode_) &&
            writer.String(baseCode_.data(), static_cast<SizeType>(baseCode_.size())) && key(kTimeLastUpdateUnix) &&
            writer.Int64(timeLastUpdateUnix_);
  if (ok && timeNextUpdateUnix_) ok = key(kTimeNextUpdateUnix) && writer.Int64(*timeNextUpdateUnix_);
  ok = ok && key(kRates) && writer.StartObject();
  for (const auto& [code, rate] : rates_) {
    if (!ok || rate.isNaN()) return std::nullopt;
    // Written as the number's own digits: Writer::RawNumber of this RapidJSON
    // version would quote them.
    const std::string text = numberText(rate);
    ok = key(code) && writer.RawValue(text.data(), text.size(), rapidjson::kNumberType);
  }
  ok = ok && writer.EndObject() && writer.EndObject();
  if (!ok) return std::nullopt;
  return std::string(buffer.GetString(), buffer.GetSize());
}

ExchangeRateData ExchangeRateData::fromJSON(std::string_view json) {
  SnapshotReader reader;
  detail::readJson(json, reader);
  return reader.take();
}

}  // namespace tal
