// Invariants: what must hold for any input to the fuzz targets, as plain
// functions of the input bytes. The fuzzers abort when one reports a
// failure; tests/FuzzRegressionTest.cpp replays saved inputs through the
// very same functions. Each returns an empty string when everything held,
// otherwise a description of the first broken invariant.
#pragma once

#include <unicode/uchar.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <compare>
#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

#include "TalFoundation/currency/DecodingError.h"
#include "TalFoundation/currency/ExampleExchangeRateService.h"
#include "TalFoundation/currency/ExchangeRateData.h"
#include "TalFoundation/currency/TalUnitCurrency.h"
#include "TalFoundation/numbertext/DecimalHelpers.h"
#include "TalFoundation/numbertext/DigitConversion.h"
#include "TalFoundation/numbertext/ExpressionText.h"
#include "TalFoundation/numbertext/Locale.h"
#include "TalFoundation/platform/Decimal.h"
#include "TalFoundation/units/TalMeasurement.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"
#include "TalFoundation/units/UnitResolver.h"
#include "fuzz/ReferenceDecimal.h"

namespace tal::fuzz {

namespace detail {

/// Input bytes as a short printable excerpt for a failure message.
inline std::string excerpt(std::string_view text) {
  constexpr std::size_t kLimit = 80;
  std::string out;
  for (std::size_t i = 0; i < text.size() && i < kLimit; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c < 0x7f && c != '\\') {
      out.push_back(static_cast<char>(c));
    } else {
      constexpr std::string_view hex = "0123456789abcdef";
      out += "\\x";
      out.push_back(hex[c >> 4]);
      out.push_back(hex[c & 15]);
    }
  }
  if (text.size() > kLimit) out += "…(" + std::to_string(text.size()) + " bytes)";
  return "\"" + out + "\"";
}

/// Keeps the first failure; later ones are usually its consequences.
class Findings {
 public:
  void expect(bool ok, std::string_view what, std::string_view detail = {}) {
    if (ok || !first_.empty()) return;
    first_ = std::string(what);
    if (!detail.empty()) first_ += ": " + std::string(detail);
  }
  [[nodiscard]] bool failed() const noexcept { return !first_.empty(); }
  [[nodiscard]] std::string take() { return std::move(first_); }

 private:
  std::string first_;
};

inline bool sameOrBothNaN(const Decimal& a, const Decimal& b) { return a.isNaN() ? b.isNaN() : a == b; }

inline std::string show(const Decimal& d) {
  const std::string s = d.toScientificString();
  return s.size() <= 80 ? s : s.substr(0, 80) + "…";
}

// "-"? ("0" | [1-9][0-9]*) ("." [0-9]*[1-9])?
inline bool isPlainNotation(std::string_view s) {
  if (!s.empty() && s[0] == '-') s.remove_prefix(1);
  const std::size_t point = s.find('.');
  const std::string_view whole = s.substr(0, point);
  if (whole.empty() || whole.find_first_not_of("0123456789") != std::string_view::npos) return false;
  if (whole.size() > 1 && whole[0] == '0') return false;
  if (point == std::string_view::npos) return true;
  const std::string_view fraction = s.substr(point + 1);
  return !fraction.empty() && fraction.find_first_not_of("0123456789") == std::string_view::npos &&
         fraction.back() != '0';
}

// "-"? [1-9] ("." [0-9]*[1-9])? "E" [+-] ("0" | [1-9][0-9]*)
inline bool isScientificNotation(std::string_view s) {
  const std::size_t e = s.find('E');
  if (e == std::string_view::npos || e + 2 > s.size()) return false;
  const std::string_view mantissa = s.substr(0, e);
  std::string_view exponent = s.substr(e + 1);
  if (exponent[0] != '+' && exponent[0] != '-') return false;
  exponent.remove_prefix(1);
  if (exponent.empty() || exponent.find_first_not_of("0123456789") != std::string_view::npos) return false;
  if (exponent.size() > 1 && exponent[0] == '0') return false;
  if (!isPlainNotation(mantissa)) return false;
  const std::size_t lead = mantissa[0] == '-' ? 1 : 0;
  return mantissa[lead] != '0' && (mantissa.size() == lead + 1 || mantissa[lead + 1] == '.');
}

/// Texts longer than this are compared, not parsed back: the fuzzer would
/// spend its time reading megabytes of zeros.
inline constexpr std::size_t kLongText = 4096;

/// Values whose exponents keep the digit-string oracle small and fast.
inline bool moderate(const RefDecimal& r) {
  return r.isZero() || (r.exponent >= -5000 && r.exponent <= 5000 && r.adjusted() <= 5000);
}

/// The decimal Decimal's documented rules give for an exact value: 38
/// significant digits half to even, NaN beyond 1E+999999, zero below
/// 1E-999999. Absent stands for NaN.
inline std::optional<RefDecimal> expectedDecimal(const RefDecimal& exact, bool inexact = false) {
  const RefDecimal r = ref::roundSignificant(exact, Decimal::kMaxDigits, inexact);
  if (r.isZero()) return r;
  if (r.adjusted() > Decimal::kMaxExponent) return std::nullopt;
  if (r.adjusted() < Decimal::kMinExponent) return RefDecimal{};
  return r;
}

/// Checks every way a finite or NaN value presents itself, and returns its
/// exact value as the oracle reads it from the scientific text (absent for NaN
/// or when the text could not be read).
inline std::optional<RefDecimal> checkValue(const Decimal& v, std::string_view what, Findings& f) {
  const std::string name(what);
  if (v.isNaN()) {
    f.expect(v.description() == "NaN", name + ": NaN describes itself as \"NaN\"", v.description());
    f.expect(v.toScientificString() == "NaN", name + ": NaN's scientific text is \"NaN\"", v.toScientificString());
    f.expect(!(v == v) && !v.isFinite() && !v.isZero(), name + ": NaN is unequal to itself and not finite");
    f.expect(std::is_eq(v <=> v) == false && !(v < v) && !(v > v), name + ": NaN is unordered");
    return std::nullopt;
  }
  f.expect(v == v && v.isFinite(), name + ": a finite value equals itself", show(v));

  const std::string plain = v.description();
  const std::string scientific = v.toScientificString();
  f.expect(scientific == "0" ? v.isZero() : isScientificNotation(scientific), name + ": toScientificString is d.dddE±x",
           excerpt(scientific));
  const ref::Parsed fromScientific = ref::parse(scientific);
  f.expect(fromScientific.valid && fromScientific.length == scientific.size(),
           name + ": the scientific text is one number", excerpt(scientific));
  if (!fromScientific.valid) return std::nullopt;
  const RefDecimal& exact = fromScientific.value;
  // Built from the digits, not parsed: near the top of the range the plain
  // text runs to a megabyte.
  f.expect(plain == ref::plainText(exact), name + ": description is the plain notation of the same number",
           excerpt(plain) + " vs " + excerpt(scientific));
  f.expect(exact.digits.size() <= static_cast<std::size_t>(Decimal::kMaxDigits),
           name + ": at most 38 significant digits", excerpt(scientific));
  f.expect(exact.isZero() || (exact.adjusted() <= Decimal::kMaxExponent && exact.adjusted() >= Decimal::kMinExponent),
           name + ": exponent within range", excerpt(scientific));
  f.expect(v.isNegative() == exact.negative && v.isZero() == exact.isZero(),
           name + ": sign and zero agree with the text", excerpt(scientific));

  for (const std::string* text : {&plain, &scientific}) {
    if (text->size() > kLongText) continue;
    std::size_t consumed = 0;
    const auto back = Decimal::fromString(*text, consumed);
    f.expect(back.has_value() && consumed == text->size(), name + ": its text reads back whole", excerpt(*text));
    if (!back) continue;
    f.expect(*back == v, name + ": its text reads back as an equal value", excerpt(*text) + " → " + show(*back));
    f.expect(back->hash() == v.hash(), name + ": equal values hash alike", excerpt(*text));
  }

  const Decimal negated = -v;
  f.expect(v.isZero() ? negated.description() == "0"
                      : negated.description() == (exact.negative ? plain.substr(1) : "-" + plain),
           name + ": negation flips only the sign", show(negated));
  f.expect(-negated == v && v.magnitude() == (exact.negative ? negated : v), name + ": -(-x) == x and |x|");

  // Doubles: no trap or UB on any value; a finite double comes back as a number.
  const double d = v.toDouble();
  if (d == d && d - d == 0) f.expect(!Decimal::fromDouble(d).isNaN(), name + ": fromDouble(toDouble) is a number");
  if (exact.isZero() || (exact.adjusted() > -300 && exact.adjusted() < 300))
    f.expect(d - d == 0, name + ": toDouble of a value well inside the double range is finite", show(v));
  return exact;
}

}  // namespace detail

using detail::expectedDecimal;

/// Decimal text. Input: one control byte (rounding mode, digits, power), then
/// up to two number texts separated by '|'. Checks the parse against the
/// digit-string oracle, every result of + − × ÷, rounded and pow against it
/// where magnitudes are moderate, and the text round trips of every value.
inline std::string checkDecimalText(std::string_view data) {
  using detail::Findings;
  Findings f;
  if (data.empty()) return {};
  const auto control = static_cast<unsigned char>(data[0]);
  data.remove_prefix(1);
  const std::size_t bar = data.find('|');
  const std::array<std::string_view, 2> texts = {data.substr(0, bar),
                                                 bar == std::string_view::npos ? data : data.substr(bar + 1)};

  std::array<Decimal, 2> values;
  std::array<std::optional<RefDecimal>, 2> exacts;
  std::array<bool, 2> present = {false, false};
  for (std::size_t k = 0; k < 2; ++k) {
    const std::string_view text = texts[k];
    std::size_t consumed = 12345;
    const auto parsed = Decimal::fromString(text, consumed);
    const auto plain = Decimal::fromString(text);
    f.expect(parsed.has_value() == plain.has_value() && (!parsed || detail::sameOrBothNaN(*parsed, *plain)),
             "both fromString forms agree", detail::excerpt(text));
    const ref::Parsed oracle = ref::parse(text);
    f.expect(parsed.has_value() == oracle.valid, "reads a number exactly when the text begins with one",
             detail::excerpt(text));
    if (!parsed) {
      f.expect(consumed == 0, "consumed is 0 when absent", detail::excerpt(text));
      continue;
    }
    f.expect(consumed == oracle.length, "consumed counts the number's characters",
             detail::excerpt(text) + " consumed " + std::to_string(consumed) + ", expected " +
                 std::to_string(oracle.length));
    const auto expected = detail::expectedDecimal(oracle.value);
    f.expect(expected ? !parsed->isNaN() && detail::checkValue(*parsed, "parsed", f) == *expected : parsed->isNaN(),
             "the text's number rounded once to 38 digits",
             detail::excerpt(text) + " → " + detail::show(*parsed) + ", expected " +
                 (expected ? ref::text(*expected) : "NaN"));
    if (parsed->isNaN()) detail::checkValue(*parsed, "parsed", f);
    values[k] = *parsed;
    exacts[k] = expected;
    present[k] = true;
  }
  if (f.failed() || !present[0] || !present[1]) return f.take();

  const Decimal& a = values[0];
  const Decimal& b = values[1];
  const Decimal sum = a + b;
  const Decimal difference = a - b;
  const Decimal product = a * b;
  const Decimal quotient = a / b;
  const std::string operands = detail::show(a) + ", " + detail::show(b);

  // Laws that need no oracle, at every magnitude.
  using detail::sameOrBothNaN;
  f.expect(sameOrBothNaN(sum, b + a) && sameOrBothNaN(product, b * a), "+ and × commute", operands);
  f.expect(sameOrBothNaN(difference, -(b - a)), "a − b == −(b − a)", operands);
  f.expect(sameOrBothNaN((-a) * b, -product) && sameOrBothNaN((-a) / b, -quotient), "sign symmetry of × and ÷",
           operands);
  f.expect(!(a.isNaN() || b.isNaN()) || (sum.isNaN() && difference.isNaN() && product.isNaN() && quotient.isNaN()),
           "NaN in, NaN out", operands);
  f.expect(!b.isZero() || quotient.isNaN(), "division by zero is NaN", operands);
  if (!a.isNaN()) {
    f.expect((a - a).isZero() && a + Decimal(0) == a && a * Decimal(1) == a && a / Decimal(1) == a &&
                 (a * Decimal(0)).isZero(),
             "identities of 0 and 1", detail::show(a));
  }
  if (!a.isNaN() && !b.isNaN()) {
    const std::partial_ordering order = a <=> b;
    f.expect(order != std::partial_ordering::unordered && (b <=> a) == (0 <=> order),
             "ordering is total and antisymmetric", operands);
    f.expect((a == b) == (order == 0), "== agrees with <=>", operands);
    if (a == b) f.expect(a.hash() == b.hash(), "equal values hash alike", operands);
  }

  // The text helpers are the same arithmetic.
  const auto textSum = tal::add(texts[0], texts[1]);
  f.expect(textSum && sameOrBothNaN(*textSum, sum), "add(text, text) is the sum of the parsed values", operands);
  const auto textQuotient = tal::divide(texts[0], texts[1]);
  f.expect(b.isZero() ? !textQuotient : textQuotient && sameOrBothNaN(*textQuotient, quotient),
           "divide(text, text) is absent exactly for a zero divisor", operands);

  for (const auto& [value, what] : {std::pair{sum, "a + b"}, std::pair{difference, "a − b"},
                                    std::pair{product, "a × b"}, std::pair{quotient, "a ÷ b"}})
    detail::checkValue(value, what, f);

  const auto mode = static_cast<Decimal::Rounding>(control % 7);
  const std::int64_t fractionDigits = static_cast<std::int64_t>((control / 7) % 37) - 12;
  const std::int64_t exponent = (control >> 5) % 5;
  const Decimal rounded = a.rounded(fractionDigits, mode);
  const Decimal power = pow(a, exponent);
  detail::checkValue(rounded, "rounded", f);
  detail::checkValue(power, "pow", f);
  (void)isFiniteDecimal(a);
  (void)shouldUseScientificNotation(a, static_cast<int>(fractionDigits), b, a);
  if (f.failed()) return f.take();

  // The oracle, where both operands are finite and of moderate size.
  if (!exacts[0] || !exacts[1] || !detail::moderate(*exacts[0]) || !detail::moderate(*exacts[1])) return {};
  const RefDecimal& x = *exacts[0];
  const RefDecimal& y = *exacts[1];
  const auto agrees = [&](const Decimal& got, const std::optional<RefDecimal>& want, std::string_view what) {
    const std::optional<RefDecimal> seen =
        got.isNaN() ? std::nullopt : std::optional(ref::parse(got.toScientificString()).value);
    f.expect(seen == want, std::string(what) + " is the exact result rounded once",
             operands + " → " + detail::show(got) + ", expected " + (want ? ref::text(*want) : "NaN"));
  };
  agrees(sum, detail::expectedDecimal(ref::add(x, y)), "a + b");
  agrees(difference, detail::expectedDecimal(ref::add(x, ref::negated(y))), "a − b");
  agrees(product, detail::expectedDecimal(ref::multiply(x, y)), "a × b");
  if (!y.isZero()) {
    const ref::Quotient q = ref::divide(x, y, Decimal::kMaxDigits);
    agrees(quotient, detail::expectedDecimal(q.value, q.inexact), "a ÷ b");
  }
  const int order = ref::compare(x, y);
  f.expect((a < b) == (order < 0) && (a == b) == (order == 0) && (a > b) == (order > 0), "ordering by value", operands);
  agrees(rounded, ref::roundAt(x, -fractionDigits, static_cast<ref::Mode>(control % 7)),
         "rounded(" + std::to_string(fractionDigits) + ", mode " + std::to_string(control % 7) + ")");

  // pow: exact when the exact power has at most 38 digits, else within one
  // unit of the 38th digit.
  RefDecimal exactPower{false, "1", 0};
  for (std::int64_t i = 0; i < exponent; ++i) exactPower = ref::multiply(exactPower, x);
  const auto nearest = detail::expectedDecimal(exactPower);
  if (exactPower.digits.size() <= static_cast<std::size_t>(Decimal::kMaxDigits) || !nearest || nearest->isZero()) {
    agrees(power, nearest, "pow(a, " + std::to_string(exponent) + ")");
  } else if (power.isNaN()) {
    f.expect(false, "pow of a moderate value is a number", operands);
  } else {
    const RefDecimal error = ref::add(ref::parse(power.toScientificString()).value, ref::negated(*nearest));
    f.expect(error.isZero() || error.adjusted() <= nearest->adjusted() - (Decimal::kMaxDigits - 1),
             "pow within one unit of the 38th digit", operands + " → " + detail::show(power));
  }
  return f.take();
}

/// Exchange-rate JSON. Decoding either succeeds or throws DecodingError —
/// nothing else; a decoded snapshot encodes, and the encoding decodes to an
/// equal snapshot and encodes to the same text again.
inline std::string checkExchangeRateJson(std::string_view json) {
  detail::Findings f;
  std::optional<ExchangeRateData> data;
  try {
    data = ExchangeRateData::fromJSON(json);
  } catch (const DecodingError& e) {
    using Kind = DecodingError::Kind;
    const Kind k = e.kind();
    f.expect(k == Kind::dataCorrupted || k == Kind::keyNotFound || k == Kind::typeMismatch || k == Kind::valueNotFound,
             "DecodingError carries one of its four kinds");
    f.expect(!e.reason().empty() && e.what() != nullptr, "DecodingError says why");
    return f.take();
  } catch (const std::exception& e) {
    return std::string("decoding threw ") + typeid(e).name() + " instead of DecodingError: " + e.what();
  } catch (...) {
    return "decoding threw something that is not a std::exception";
  }

  for (const auto& [code, rate] : data->rates())
    f.expect(rate.isFinite(), "a decoded rate is a number", detail::excerpt(code));
  const std::optional<std::string> encoded = data->toJSON();
  f.expect(encoded.has_value(), "a decoded snapshot encodes", detail::excerpt(json));
  if (!encoded) return f.take();
  try {
    const ExchangeRateData again = ExchangeRateData::fromJSON(*encoded);
    f.expect(again == *data, "the encoding decodes to an equal snapshot", detail::excerpt(*encoded));
    f.expect(again.toJSON() == encoded, "encoding is stable", detail::excerpt(*encoded));
  } catch (const DecodingError& e) {
    f.expect(false, "our own encoding decodes", std::string(e.what()) + " in " + detail::excerpt(*encoded));
  }
  return f.take();
}

/// Makes the currency category non-empty (the built-in example snapshot), so
/// that currency codes are found like every other unit.
inline void installExampleRates() {
  ExampleExchangeRateService().fetchExchangeRates([](ExchangeRateResult result) {
    if (const auto* data = std::get_if<ExchangeRateData>(&result))
      TalUnitCurrency::updateRates(data->rates(), data->timeLastUpdateUnix(), data->baseCode());
  });
}

/// Units from text through the library's resolver, as every surface reads
/// them. Input: value, "from" and "to" texts, one per line, and an optional
/// fourth line naming the only category; the whole input is also read as one
/// conversion phrase. Answers are ranked, stay in the category, and a phrase
/// that reads converts within one category. Call installExampleRates once
/// first.
inline std::string checkUnitLookup(std::string_view data) {
  detail::Findings f;
  std::array<std::string_view, 4> fields;
  const std::string_view whole = data;
  for (std::size_t k = 0; k < fields.size(); ++k) {
    const std::size_t end = k + 1 < fields.size() ? data.find('\n') : std::string_view::npos;
    fields[k] = data.substr(0, end);
    data = end == std::string_view::npos ? std::string_view() : data.substr(end + 1);
  }
  const auto& [valueText, fromText, toText, categoryText] = fields;

  std::optional<TalUnitCategory> only;
  if (!categoryText.empty()) {
    only = UnitResolver::findCategory(categoryText);
    if (const auto exact = TalUnitCategory::fromRawValue(categoryText))
      f.expect(only == exact, "a category is found by its exact raw value", detail::excerpt(categoryText));
  }

  const auto trimmed = [](std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || (text.front() >= '\t' && text.front() <= '\r')))
      text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || (text.back() >= '\t' && text.back() <= '\r'))) text.remove_suffix(1);
    return text;
  };
  for (const std::string_view text : {fromText, toText}) {
    const std::vector<UnitMatch> all = UnitResolver::findAll(text, only);
    const auto one = UnitResolver::find(text, only);
    f.expect(all.empty() == !one.has_value() && (!one || one->id() == all.front().unit.id()),
             "find gives the first answer of findAll", detail::excerpt(text));
    for (std::size_t i = 0; i < all.size(); ++i) {
      const UnitMatch& m = all[i];
      f.expect(!only || m.unit.category() == *only, "answers stay in the category asked for", m.unit.id());
      f.expect(i == 0 || all[i - 1].kind <= m.kind, "answers are ranked by how they matched", m.unit.id());
      for (std::size_t j = 0; j < i; ++j) f.expect(!(all[j].unit == m.unit), "no unit is answered twice", m.unit.id());
      // An id or symbol as written is what it says.
      if (m.kind == UnitMatchKind::id) f.expect(m.unit.id() == trimmed(text), "an id match is the id", m.unit.id());
      if (m.kind == UnitMatchKind::symbol)
        f.expect(m.unit.symbol() == trimmed(text), "a symbol match is the symbol", m.unit.id());
    }
    const auto found = UnitResolver::search(text, 5);
    f.expect(found.size() <= 5, "search keeps to its limit", detail::excerpt(text));
  }

  const auto check = [&](const ConversionPhraseResult& read, std::string_view what) {
    if (const auto* error = std::get_if<UnitTextError>(&read)) {
      f.expect(!error->message.empty(), "a failure says what failed", detail::excerpt(what));
      f.expect(error->suggestions.size() <= 3, "at most three suggestions", detail::excerpt(what));
      return;
    }
    const auto& phrase = std::get<ConversionPhrase>(read);
    f.expect(!phrase.terms.empty(), "a phrase has a term", detail::excerpt(what));
    for (const UnitTerm& term : phrase.terms) {
      f.expect(term.unit.category() == phrase.target.category(), "a phrase's units share one category",
               term.unit.id() + " → " + phrase.target.id());
      f.expect(!only || term.unit.category() == *only, "a phrase stays in the category asked for", term.unit.id());
    }
    const auto result = phrase.convert();
    f.expect(result.has_value() || phrase.target.category() == TalUnitCategory::temperature ||
                 phrase.target.category() == TalUnitCategory::angle,
             "units of one category convert", phrase.terms.front().unit.id() + " → " + phrase.target.id());
    if (result) detail::checkValue(*result, phrase.target.id(), f);
  };
  check(UnitResolver::readConversion(valueText, fromText, toText, only), whole);
  check(UnitResolver::readPhrase(whole.substr(0, std::min<std::size_t>(whole.size(), 4096)), only), whole);
  return f.take();
}

namespace detail {

/// The code points of well-formed UTF-8 (RFC 3629: shortest form, no
/// surrogates, at most U+10FFFF); absent for anything else.
inline std::optional<std::vector<char32_t>> decodeUtf8(std::string_view s) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < s.size();) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    const std::size_t n = b0 < 0x80 ? 1 : (b0 >> 5) == 0x6 ? 2 : (b0 >> 4) == 0xE ? 3 : (b0 >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || i + n > s.size()) return std::nullopt;
    char32_t c = n == 1 ? char32_t{b0} : static_cast<char32_t>(b0 & (0x7Fu >> n));
    for (std::size_t k = 1; k < n; ++k) {
      const auto b = static_cast<unsigned char>(s[i + k]);
      if ((b >> 6) != 0x2) return std::nullopt;
      c = (c << 6) | static_cast<char32_t>(b & 0x3Fu);
    }
    constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kMinimum[n] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    out.push_back(c);
    i += n;
  }
  return out;
}

}  // namespace detail

/// Locales the number-text fuzzer picks from by the input's first byte:
/// Eastern Arabic, extended Arabic, Devanagari, Thai and Latin digits.
inline constexpr std::array<std::string_view, 6> kNumberTextLocales = {
    "ar_EG", "fa_IR", "hi_IN@numbers=deva", "th_TH@numbers=thai", "en_US", "ar_SA"};

/// Digit conversion both ways, and the rewriting of pasted Arabic
/// expressions. Input: a byte choosing the locale, then any bytes. Output is always well-formed UTF-8; well-formed
/// input keeps its length in code points, each either copied or a decimal digit made the Western digit of the same
/// value (U+066B made '.'); ASCII text survives Western → locale → Western; the parses agree with the decimal reader.
inline std::string checkArabicText(std::string_view data) {
  detail::Findings f;
  if (data.empty()) return {};
  const Locale locale(kNumberTextLocales[static_cast<unsigned char>(data[0]) % kNumberTextLocales.size()]);
  const std::string_view text = data.substr(1);
  const std::string where = locale.identifier() + " " + detail::excerpt(text);

  const std::string western = convertEastArabicNumbersToEnglish(text, locale);
  const std::string eastern = convertEnglishNumbersToEastArabic(text, locale);
  const auto in = detail::decodeUtf8(text);
  const auto out = detail::decodeUtf8(western);
  f.expect(out.has_value(), "to Western digits gives well-formed UTF-8", where);
  f.expect(detail::decodeUtf8(eastern).has_value(), "to the locale's digits gives well-formed UTF-8", where);
  if (!in) {
    f.expect(western.find("\xEF\xBF\xBD") != std::string::npos, "ill-formed input shows as U+FFFD", where);
  } else if (out) {
    f.expect(in->size() == out->size(), "one character out per character in", where + " → " + detail::excerpt(western));
    for (std::size_t i = 0; i < std::min(in->size(), out->size()); ++i) {
      const char32_t a = (*in)[i];
      const char32_t b = (*out)[i];
      const bool digit =
          b >= U'0' && b <= U'9' && u_charDigitValue(static_cast<UChar32>(a)) == static_cast<int32_t>(b - U'0');
      f.expect(a == b || digit || (a == 0x066B && b == U'.'), "only digits and U+066B change", where);
    }
  }
  const bool ascii = std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii)
    f.expect(convertEastArabicNumbersToEnglish(eastern, locale) == text, "ASCII text survives the round trip",
             where + " → " + detail::excerpt(eastern));

  // The expression rewriting of pasted Arabic text: any text gives
  // well-formed text; the plain digit-and-sign form changes characters one
  // for one.
  const std::string expression = easternArabicToWestern(text);
  f.expect(detail::decodeUtf8(expression).has_value(), "easternArabicToWestern gives well-formed UTF-8",
           where + " → " + detail::excerpt(expression));
  const std::string standard = westernStandard(text);
  const auto plain = detail::decodeUtf8(standard);
  f.expect(plain.has_value(), "westernStandard gives well-formed UTF-8", where);
  if (in && plain) {
    f.expect(in->size() == plain->size(), "westernStandard changes characters one for one",
             where + " → " + detail::excerpt(standard));
    for (std::size_t i = 0; i < std::min(in->size(), plain->size()); ++i) {
      const char32_t a = (*in)[i];
      const char32_t b = (*plain)[i];
      const bool digit =
          b >= U'0' && b <= U'9' && u_charDigitValue(static_cast<UChar32>(a)) == static_cast<int32_t>(b - U'0');
      const bool sign = (a == U'÷' && b == U'/') || (a == U'×' && b == U'*') || (a == U'−' && b == U'-');
      f.expect(a == b || digit || sign, "westernStandard changes only digits and ÷ × −", where);
    }
  }

  const auto decimal = toDoubleFromEastArabic<Decimal>(text, locale);
  const auto reference = Decimal::fromString(western);
  f.expect(decimal.has_value() == reference.has_value() && (!decimal || detail::sameOrBothNaN(*decimal, *reference)),
           "the decimal parse reads the converted text", where);
  (void)toDoubleFromEastArabic<double>(text, locale);

  // Whole numbers: an optional sign and ASCII digits, nothing else, within 64 bits.
  std::string_view digits = western;
  if (!digits.empty() && digits[0] == '+') digits.remove_prefix(1);
  std::int64_t expected = 0;
  const char* const end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, expected);
  const bool whole = !digits.empty() && error == std::errc() && stop == end && !(western[0] == '+' && digits[0] == '-');
  const auto integer = toIntFromEastArabic(text, locale);
  f.expect(integer.has_value() == whole && (!integer || *integer == expected),
           "the integer parse reads the converted text", where + " → " + detail::excerpt(western));
  return f.take();
}

}  // namespace tal::fuzz
