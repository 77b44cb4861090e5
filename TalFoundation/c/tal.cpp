// The C interface over the C++ API. Every entry point catches everything:
// no exception may unwind into a C caller.
#include "TalFoundation/c/tal.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "TalFoundation/Version.h"
#include "TalFoundation/currency/DecodingError.h"
#include "TalFoundation/currency/ExchangeRateData.h"
#include "TalFoundation/currency/TalCurrency.h"
#include "TalFoundation/currency/TalUnitCurrency.h"
#include "TalFoundation/numbertext/DigitConversion.h"
#include "TalFoundation/numbertext/Locale.h"
#include "TalFoundation/platform/Decimal.h"
#include "TalFoundation/units/TalMeasurement.h"
#include "TalFoundation/units/TalUnit.h"
#include "TalFoundation/units/TalUnitCategory.h"
#include "TalFoundation/units/UnitResolver.h"

struct tal_category_list {
  struct Entry {
    std::string rawValue;
    std::string displayName;
  };
  std::vector<Entry> entries;
};

struct tal_unit {
  tal::TalUnit unit;
  // The category's raw value is a view; the handle hands out C strings.
  std::string category;
};

struct tal_unit_list {
  std::vector<tal_unit> units;
};

struct tal_rates {
  tal::ExchangeRateData data;
};

namespace {

using tal::Decimal;

template <typename Body>
tal_status guarded(Body&& body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return TAL_ERROR_OUT_OF_MEMORY;
  } catch (...) {
    return TAL_ERROR_INTERNAL;
  }
}

/// A malloc'd copy for tal_string_free; nullptr when memory runs out.
char* copyText(std::string_view text) noexcept {
  auto* copy = static_cast<char*>(std::malloc(text.size() + 1));
  if (copy == nullptr) return nullptr;
  std::memcpy(copy, text.data(), text.size());
  copy[text.size()] = '\0';
  return copy;
}

tal_status putText(std::string_view text, char** out) noexcept {
  *out = copyText(text);
  return *out == nullptr ? TAL_ERROR_OUT_OF_MEMORY : TAL_OK;
}

constexpr bool isSpace(char c) noexcept {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

/// The whole text as one number: white space may surround it, nothing else.
std::optional<Decimal> parseWhole(std::string_view text) noexcept {
  std::size_t consumed = 0;
  const auto value = Decimal::fromString(text, consumed);
  if (!value) return std::nullopt;
  for (std::size_t i = consumed; i < text.size(); ++i)
    if (!isSpace(text[i])) return std::nullopt;
  return value;
}

tal_status putDecimal(const Decimal& value, char** out) {
  if (value.isNaN()) return TAL_ERROR_NAN;
  return putText(value.description(), out);
}

/// Ids are the category's raw value, "_" and the symbol, so only categories
/// whose raw value prefixes the id are searched.
std::optional<tal::TalUnit> findUnit(std::string_view id) {
  for (const tal::TalUnitCategory category : tal::TalUnitCategory::allCases()) {
    const std::string_view raw = category.rawValue();
    if (id.size() <= raw.size() || id.substr(0, raw.size()) != raw || id[raw.size()] != '_') continue;
    for (const tal::TalUnit& unit : category.getUnits())
      if (unit.id() == id) return unit;
  }
  return std::nullopt;
}

tal_unit makeHandle(const tal::TalUnit& unit) { return tal_unit{unit, std::string(unit.category().rawValue())}; }

/// The unit the currency catalogue makes for `code` from this snapshot,
/// made here so that a snapshot handle never touches the process-wide
/// currency list.
std::optional<tal::TalUnit> currencyUnit(const tal::ExchangeRateData& data, std::string_view code) {
  const auto currency = tal::TalCurrency::fromRawValue(code);
  if (!currency) return std::nullopt;
  const auto rate = data.rates().find(code);
  if (rate == data.rates().end()) return std::nullopt;
  return tal::TalUnitCurrency::unitFor(*currency, rate->second);
}

tal_status convertWith(const Decimal& value, const tal::TalUnit& from, const tal::TalUnit& to, char** out) {
  const auto result = tal::TalMeasurement::convert(value, from, to);
  if (!result) return TAL_ERROR_NOT_CONVERTIBLE;
  return putDecimal(*result, out);
}

template <typename Operation>
tal_status arithmetic(const char* a, const char* b, char** out, Operation operation) noexcept {
  if (out == nullptr) return TAL_ERROR_INVALID_ARGUMENT;
  *out = nullptr;
  if (a == nullptr || b == nullptr) return TAL_ERROR_INVALID_ARGUMENT;
  return guarded([&] {
    const auto x = parseWhole(a);
    const auto y = parseWhole(b);
    if (!x || !y) return TAL_ERROR_PARSE;
    return putDecimal(operation(*x, *y), out);
  });
}

}  // namespace

extern "C" {

const char* tal_version(void) { return tal::kVersionText; }

const char* tal_status_message(int status) {
  // Compared as int: an out-of-range enum value would be undefined in C++.
  switch (status) {
    case TAL_OK: return "ok";
    case TAL_ERROR_INVALID_ARGUMENT: return "invalid argument";
    case TAL_ERROR_UNKNOWN_CATEGORY: return "unknown category";
    case TAL_ERROR_UNKNOWN_UNIT: return "unknown unit";
    case TAL_ERROR_NOT_CONVERTIBLE: return "units not convertible";
    case TAL_ERROR_PARSE: return "cannot read the input";
    case TAL_ERROR_NAN: return "result is not a number";
    case TAL_ERROR_OUT_OF_MEMORY: return "out of memory";
    case TAL_ERROR_INTERNAL: return "internal error";
  }
  return "unknown status";
}

void tal_string_free(char* text) { std::free(text); }

tal_status tal_categories(tal_category_list** out) {
  if (out == nullptr) return TAL_ERROR_INVALID_ARGUMENT;
  *out = nullptr;
  return guarded([&] {
    auto list = std::make_unique<tal_category_list>();
    list->entries.reserve(tal::TalUnitCategory::allCases().size());
    for (const tal::TalUnitCategory category : tal::TalUnitCategory::allCases())
      list->entries.push_back({std::string(category.rawValue()), std::string(category.displayName())});
    *out = list.release();
    return TAL_OK;
  });
}

size_t tal_category_list_size(const tal_category_list* list) { return list == nullptr ? 0 : list->entries.size(); }

const char* tal_category_list_raw_value(const tal_category_list* list, size_t index) {
  if (list == nullptr || index >= list->entries.size()) return nullptr;
  return list->entries[index].rawValue.c_str();
}

const char* tal_category_list_display_name(const tal_category_list* list, size_t index) {
  if (list == nullptr || index >= list->entries.size()) return nullptr;
  return list->entries[index].displayName.c_str();
}

void tal_category_list_free(tal_category_list* list) { delete list; }

tal_status tal_category_units(const char* category, tal_unit_list** out) {
  if (out == nullptr) return TAL_ERROR_INVALID_ARGUMENT;
  *out = nullptr;
  if (category == nullptr) return TAL_ERROR_INVALID_ARGUMENT;
  return guarded([&] {
    const auto found = tal::TalUnitCategory::fromRawValue(category);
    if (!found) return TAL_ERROR_UNKNOWN_CATEGORY;
    auto list = std::make_unique<tal_unit_list>();
    const std::vector<tal::TalUnit> units = found->getUnits();
    list->units.reserve(units.size());
    for (const tal::TalUnit& unit : units) list->units.push_back(makeHandle(unit));
    *out = list.release();
    return TAL_OK;
  });
}

size_t tal_unit_list_size(const tal_unit_list* list) { return list == nullptr ? 0 : list->units.size(); }

const tal_unit* tal_unit_list_get(const tal_unit_list* list, size_t index) {
  if (list == nullptr || index >= list->units.size()) return nullptr;
  return &list->units[index];
}

void tal_unit_list_free(tal_unit_list* list) { delete list; }

const char* tal_unit_id(const tal_unit* unit) { return unit == nullptr ? nullptr : unit->unit.id().c_str(); }
const char* tal_unit_name(const tal_unit* unit) { return unit == nullptr ? nullptr : unit->unit.name().c_str(); }
const char* tal_unit_symbol(const tal_unit* unit) { return unit == nullptr ? nullptr : unit->unit.symbol().c_str(); }
const char* tal_unit_category(const tal_unit* unit) { return unit == nullptr ? nullptr : unit->category.c_str(); }

void tal_unit_free(tal_unit* unit) { delete unit; }

tal_status tal_convert(const char* value, const char* from_id, const char* to_id, char** out) {
  if (out == nullptr) return TAL_ERROR_INVALID_ARGUMENT;
  *out = nullptr;
  if (value == nullptr || from_id == nullptr || to_id == nullptr) return TAL_ERROR_INVALID_ARGUMENT;
  return guarded([&] {
    const auto number = parseWhole(value);
    if (!number) return TAL_ERROR_PARSE;
    const auto from = findUnit(from_id);
    const auto to = findUnit(to_id);
    if (!from || !to) return TAL_ERROR_UNKNOWN_UNIT;
    return convertWith(*number, *from, *to, out);
  });
}

tal_status tal_decimal_normalize(const char* text, char** out) {
  if (out == nullptr) return TAL_ERROR_INVALID_ARGUMENT;
  *out = nullptr;
  if (text == nullptr) return TAL_ERROR_INVALID_ARGUMENT;
  return guarded([&] {
    const auto number = parseWhole(text);
    if (!number) return TAL_ERROR_PARSE;
    return putDecimal(*number, out);
  });
}

tal_status tal_decimal_add(const char* a, const char* b, char** out) {
  return arithmetic(a, b, out, [](const Decimal& x, const Decimal& y) { return x + y; });
}

tal_status tal_decimal_subtract(const char* a, const char* b, char** out) {
  return arithmetic(a, b, out, [](const Decimal& x, const Decimal& y) { return x - y; });
}

tal_status tal_decimal_multiply(const char* a, const char* b, char** out) {
  return arithmetic(a, b, out, [](const Decimal& x, const Decimal& y) { return x * y; });
}

tal_status tal_decimal_divide(const char* a, const char* b, char** out) {
  return arithmetic(a, b, out, [](const Decimal& x, const Decimal& y) { return x / y; });
}

tal_status tal_digits_to_western(const char* text, const char* locale, char** out) {
  if (out == nullptr) return TAL_ERROR_INVALID_ARGUMENT;
  *out = nullptr;
  if (text == nullptr || locale == nullptr) return TAL_ERROR_INVALID_ARGUMENT;
  return guarded([&] { return putText(tal::convertEastArabicNumbersToEnglish(text, tal::Locale(locale)), out); });
}

tal_status tal_digits_to_locale(const char* text, const char* locale, char** out) {
  if (out == nullptr) return TAL_ERROR_INVALID_ARGUMENT;
  *out = nullptr;
  if (text == nullptr || locale == nullptr) return TAL_ERROR_INVALID_ARGUMENT;
  return guarded([&] { return putText(tal::convertEnglishNumbersToEastArabic(text, tal::Locale(locale)), out); });
}

tal_status tal_rates_from_json(const char* json, tal_rates** out, char** error_message) {
  if (error_message != nullptr) *error_message = nullptr;
  if (out == nullptr) return TAL_ERROR_INVALID_ARGUMENT;
  *out = nullptr;
  if (json == nullptr) return TAL_ERROR_INVALID_ARGUMENT;
  return guarded([&] {
    try {
      *out = new tal_rates{tal::ExchangeRateData::fromJSON(json)};
      return TAL_OK;
    } catch (const tal::DecodingError& error) {
      // A missing message is no reason to hide the parse failure.
      if (error_message != nullptr) *error_message = copyText(error.what());
      return TAL_ERROR_PARSE;
    }
  });
}

const char* tal_rates_base_code(const tal_rates* rates) {
  return rates == nullptr ? nullptr : rates->data.baseCode().c_str();
}

tal_status tal_rates_time_last_update(const tal_rates* rates, int64_t* out) {
  if (rates == nullptr || out == nullptr) return TAL_ERROR_INVALID_ARGUMENT;
  *out = rates->data.timeLastUpdateUnix();
  return TAL_OK;
}

tal_status tal_rates_convert(const tal_rates* rates, const char* amount, const char* from_code, const char* to_code,
                             char** out) {
  if (out == nullptr) return TAL_ERROR_INVALID_ARGUMENT;
  *out = nullptr;
  if (rates == nullptr || amount == nullptr || from_code == nullptr || to_code == nullptr)
    return TAL_ERROR_INVALID_ARGUMENT;
  return guarded([&] {
    const auto number = parseWhole(amount);
    if (!number) return TAL_ERROR_PARSE;
    const auto from = currencyUnit(rates->data, from_code);
    const auto to = currencyUnit(rates->data, to_code);
    if (!from || !to) return TAL_ERROR_UNKNOWN_UNIT;
    return convertWith(*number, *from, *to, out);
  });
}

void tal_rates_free(tal_rates* rates) { delete rates; }

// ---- Units from text -------------------------------------------------------

tal_status tal_unit_find(const char* text, const char* category, tal_unit** out) {
  if (out == nullptr) return TAL_ERROR_INVALID_ARGUMENT;
  *out = nullptr;
  if (text == nullptr) return TAL_ERROR_INVALID_ARGUMENT;
  return guarded([&] {
    std::optional<tal::TalUnitCategory> within;
    if (category != nullptr) {
      within = tal::UnitResolver::findCategory(category);
      if (!within) return TAL_ERROR_UNKNOWN_CATEGORY;
    }
    const auto unit = tal::UnitResolver::find(text, within);
    if (!unit) return TAL_ERROR_UNKNOWN_UNIT;
    *out = new tal_unit(makeHandle(*unit));
    return TAL_OK;
  });
}

tal_status tal_unit_search(const char* text, size_t limit, tal_unit_list** out) {
  if (out == nullptr) return TAL_ERROR_INVALID_ARGUMENT;
  *out = nullptr;
  if (text == nullptr) return TAL_ERROR_INVALID_ARGUMENT;
  return guarded([&] {
    auto list = std::make_unique<tal_unit_list>();
    for (const tal::TalUnit& unit : tal::UnitResolver::search(text, limit)) list->units.push_back(makeHandle(unit));
    *out = list.release();
    return TAL_OK;
  });
}

tal_status tal_convert_phrase(const char* phrase, char** out, char** error_message) {
  if (error_message != nullptr) *error_message = nullptr;
  if (out == nullptr) return TAL_ERROR_INVALID_ARGUMENT;
  *out = nullptr;
  if (phrase == nullptr) return TAL_ERROR_INVALID_ARGUMENT;
  return guarded([&] {
    const auto read = tal::UnitResolver::readPhrase(phrase);
    if (const auto* error = std::get_if<tal::UnitTextError>(&read)) {
      // A missing message is no reason to hide the failure.
      if (error_message != nullptr) *error_message = copyText(error->message);
      switch (error->kind) {
        case tal::UnitTextError::Kind::notANumber: return TAL_ERROR_PARSE;
        case tal::UnitTextError::Kind::differentCategories: return TAL_ERROR_NOT_CONVERTIBLE;
        case tal::UnitTextError::Kind::unknownUnit:
        case tal::UnitTextError::Kind::needsRates: return TAL_ERROR_UNKNOWN_UNIT;
      }
      return TAL_ERROR_INTERNAL;
    }
    const auto result = std::get<tal::ConversionPhrase>(read).convert();
    if (!result) return TAL_ERROR_NOT_CONVERTIBLE;
    return putDecimal(*result, out);
  });
}

// ---- One value to many units ------------------------------------------------

tal_status tal_convert_to_list(const char* value, const char* from_id, const tal_unit_list* to, char** results,
                               size_t count) {
  if (results == nullptr) return count == 0 && value != nullptr && from_id != nullptr && to != nullptr
                                     ? TAL_OK
                                     : TAL_ERROR_INVALID_ARGUMENT;
  std::fill(results, results + count, nullptr);
  if (value == nullptr || from_id == nullptr || to == nullptr) return TAL_ERROR_INVALID_ARGUMENT;
  const tal_status status = guarded([&] {
    const auto number = parseWhole(value);
    if (!number) return TAL_ERROR_PARSE;
    const auto from = findUnit(from_id);
    if (!from) return TAL_ERROR_UNKNOWN_UNIT;
    const std::size_t n = std::min(count, to->units.size());
    std::vector<tal::TalUnit> targets;
    targets.reserve(n);
    for (std::size_t i = 0; i < n; ++i) targets.push_back(to->units[i].unit);
    std::vector<std::optional<Decimal>> converted(n);
    tal::TalMeasurement::convert(*number, *from, targets, converted);
    for (std::size_t i = 0; i < n; ++i) {
      if (!converted[i] || converted[i]->isNaN()) continue;
      results[i] = copyText(converted[i]->description());
      if (results[i] == nullptr) return TAL_ERROR_OUT_OF_MEMORY;
    }
    return TAL_OK;
  });
  if (status != TAL_OK) {
    // No half-filled answer: whatever was written is taken back.
    for (std::size_t i = 0; i < count; ++i) {
      std::free(results[i]);
      results[i] = nullptr;
    }
  }
  return status;
}

}  // extern "C"
