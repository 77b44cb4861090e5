/* tal.h: the C interface of TalFoundation — categories and units, exact
 * decimal conversion, decimal arithmetic on text, digits of a locale, and
 * currency conversion with an exchange-rate snapshot. Pure C11; the C++ API
 * lives beside it (units/TalMeasurement.h, platform/Decimal.h,
 * numbertext/DigitConversion.h, currency/ExchangeRateData.h).
 *
 * Conventions:
 * - Text is UTF-8 and NUL-terminated, in and out.
 * - Decimals travel as text: "1.5", "-2e3", ".5". A number text may have
 *   white space around it and nothing else. Results are plain notation
 *   without exponent or trailing fraction zeros ("1500", "0.00001").
 * - Functions that can fail return a tal_status. On failure every output
 *   pointer is set to NULL, so freeing it afterwards is harmless.
 * - Text returned through `char**` is the caller's, freed with
 *   tal_string_free. Handles are freed with their own free function; every
 *   free function accepts NULL. `const char*` results are borrowed from the
 *   handle they come from and live as long as it does.
 * - Nothing throws, nothing aborts on bad input: NULL pointers give
 *   TAL_ERROR_INVALID_ARGUMENT (or NULL / 0 from accessors).
 * - Handles are immutable once made; they may be read from several threads.
 *   The interface keeps no state of its own between calls. */
#ifndef TALFOUNDATION_C_TAL_H
#define TALFOUNDATION_C_TAL_H

#include <stddef.h>
#include <stdint.h>

#include "TalFoundation/Export.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Values are fixed: they may be stored or sent elsewhere. */
typedef enum tal_status {
  TAL_OK = 0,
  TAL_ERROR_INVALID_ARGUMENT = 1, /* a NULL pointer where one is required */
  TAL_ERROR_UNKNOWN_CATEGORY = 2, /* no category has this raw value */
  TAL_ERROR_UNKNOWN_UNIT = 3,     /* no unit (or currency) has this id (or code) */
  TAL_ERROR_NOT_CONVERTIBLE = 4,  /* the two units have no conversion: different categories */
  TAL_ERROR_PARSE = 5,            /* not a number text, or not a valid snapshot */
  TAL_ERROR_NAN = 6,              /* the result is not a number: division by zero, out of range */
  TAL_ERROR_OUT_OF_MEMORY = 7,
  TAL_ERROR_INTERNAL = 8          /* anything else the library reported */
} tal_status;

typedef struct tal_category_list tal_category_list;
typedef struct tal_unit tal_unit;
typedef struct tal_unit_list tal_unit_list;
typedef struct tal_rates tal_rates;

/* ---- General ---------------------------------------------------------- */

/// The library version, e.g. "1.0.0"; static storage.
TAL_EXPORT const char* tal_version(void);

/// A short English text for a tal_status, e.g. "unknown unit"; static
/// storage. Takes an int so that any value is safe to pass; values outside
/// the enumeration give "unknown status".
TAL_EXPORT const char* tal_status_message(int status);

/// Frees text returned by this interface. NULL is allowed.
TAL_EXPORT void tal_string_free(char* text);

/* ---- Categories and units --------------------------------------------- */

/// All categories in their display order. `out` NULL: INVALID_ARGUMENT.
TAL_EXPORT tal_status tal_categories(tal_category_list** out);

/// The number of categories in `list`; 0 for NULL.
TAL_EXPORT size_t tal_category_list_size(const tal_category_list* list);

/// The stable raw value of category `index` ("length", "current"); NULL for
/// a NULL list or an index out of range.
TAL_EXPORT const char* tal_category_list_raw_value(const tal_category_list* list, size_t index);

/// The English display name of category `index` ("Length"); NULL for a NULL
/// list or an index out of range.
TAL_EXPORT const char* tal_category_list_display_name(const tal_category_list* list, size_t index);

/// Frees a category list. NULL is allowed.
TAL_EXPORT void tal_category_list_free(tal_category_list* list);

/// The units of the category whose raw value is `category`, in display
/// order. The currency category is empty until the process has installed
/// exchange rates through the C++ manager; use tal_rates_convert for money.
/// NULL argument: INVALID_ARGUMENT; no such category: UNKNOWN_CATEGORY.
TAL_EXPORT tal_status tal_category_units(const char* category, tal_unit_list** out);

/// The number of units in `list`; 0 for NULL.
TAL_EXPORT size_t tal_unit_list_size(const tal_unit_list* list);

/// Unit `index` of `list`, borrowed from the list (do not free it); NULL for
/// a NULL list or an index out of range.
TAL_EXPORT const tal_unit* tal_unit_list_get(const tal_unit_list* list, size_t index);

/// Frees a unit list and the units borrowed from it. NULL is allowed.
TAL_EXPORT void tal_unit_list_free(tal_unit_list* list);

/// The unit's id, e.g. "length_km"; NULL for NULL.
TAL_EXPORT const char* tal_unit_id(const tal_unit* unit);
/// The unit's English name, e.g. "Kilometer"; NULL for NULL.
TAL_EXPORT const char* tal_unit_name(const tal_unit* unit);
/// The unit's symbol, e.g. "km" or "°F"; NULL for NULL.
TAL_EXPORT const char* tal_unit_symbol(const tal_unit* unit);
/// The raw value of the unit's category, e.g. "length"; NULL for NULL.
TAL_EXPORT const char* tal_unit_category(const tal_unit* unit);

/// Frees a unit from tal_unit_find. NULL is allowed; never pass a unit
/// borrowed from a list.
TAL_EXPORT void tal_unit_free(tal_unit* unit);

/* ---- Units from text -------------------------------------------------- */
/* The library's resolver (units/UnitResolver.h), the same rules as the C++
 * API, Python and tal-convert. */

/// The unit `text` names, as a handle of its own: an id ("length_km"), a
/// symbol in any case where only one symbol folds to it ("km", "KM"), a
/// name in any case, plural or British ("kilometres"), an ASCII spelling of
/// a symbol ("um", "m^2", "degC") or a common abbreviation ("mph", "hp").
/// Where several units fit, the best-ranked: US customary before imperial,
/// the mechanical horsepower, the international-table calorie and BTU.
/// `category` is a raw value or display name (any case) to look only there,
/// or NULL for any. NULL text or out: INVALID_ARGUMENT; a category that
/// names none: UNKNOWN_CATEGORY; no unit fits: UNKNOWN_UNIT.
TAL_EXPORT tal_status tal_unit_find(const char* text, const char* category, tal_unit** out);

/// Units for a search box: at most `limit` units whose name, symbol or
/// alias equals, contains or nearly matches `text`, best first (exact, whole
/// word, prefix, substring, small typos). The list may be empty. NULL
/// argument: INVALID_ARGUMENT.
TAL_EXPORT tal_status tal_unit_search(const char* text, size_t limit, tal_unit_list** out);

/// Reads and converts a phrase: "1.5 km to mi", "1.5km in mi",
/// "5 ft 11 in to cm", "١٫٥ km mi". The result, in the target unit, goes to
/// *out. When `error_message` is not NULL it receives on failure a sentence
/// saying what failed (free it with tal_string_free; NULL on success). NULL
/// phrase or out: INVALID_ARGUMENT; no value or no target: PARSE; a word
/// that is no unit, or a currency code without exchange rates installed:
/// UNKNOWN_UNIT; units of different categories: NOT_CONVERTIBLE; result
/// NaN: NAN.
TAL_EXPORT tal_status tal_convert_phrase(const char* phrase, char** out, char** error_message);

/* ---- Conversion ------------------------------------------------------- */

/// `value` (number text) in the unit `from_id` expressed in the unit
/// `to_id`, as text in *out. NULL argument: INVALID_ARGUMENT; value not a
/// number: PARSE; an id unknown: UNKNOWN_UNIT; units of different
/// categories: NOT_CONVERTIBLE; result NaN (e.g. a zero divisor on the
/// way): NAN.
TAL_EXPORT tal_status tal_convert(const char* value, const char* from_id, const char* to_id, char** out);

/* ---- Decimal text ----------------------------------------------------- */

/// The number in `text` rounded to 38 significant digits and written in
/// plain notation ("1.50" → "1.5", "1e3" → "1000"). NULL argument:
/// INVALID_ARGUMENT; not a number text: PARSE; beyond the decimal range
/// (about 1E+999999): NAN.
TAL_EXPORT tal_status tal_decimal_normalize(const char* text, char** out);

/// a + b, rounded to 38 significant digits, half to even. NULL argument:
/// INVALID_ARGUMENT; an operand not a number text: PARSE; overflow: NAN.
TAL_EXPORT tal_status tal_decimal_add(const char* a, const char* b, char** out);
/// a − b; errors as tal_decimal_add.
TAL_EXPORT tal_status tal_decimal_subtract(const char* a, const char* b, char** out);
/// a × b; errors as tal_decimal_add.
TAL_EXPORT tal_status tal_decimal_multiply(const char* a, const char* b, char** out);
/// a ÷ b; errors as tal_decimal_add, and NAN for a zero divisor.
TAL_EXPORT tal_status tal_decimal_divide(const char* a, const char* b, char** out);

/* ---- Digits ----------------------------------------------------------- */

/// `text` with each of the ten digits of `locale` made the Western digit and
/// each "٫" (U+066B) made "."; everything else is copied, so a Latin-digit
/// locale changes only "٫". `locale` is an ICU identifier or BCP 47 tag
/// ("ar_EG", "fa-IR"). Ill-formed UTF-8 comes back with each bad sequence as
/// U+FFFD. NULL argument: INVALID_ARGUMENT.
TAL_EXPORT tal_status tal_digits_to_western(const char* text, const char* locale, char** out);

/// `text` with each Western digit made the digit of `locale` and each "."
/// made "٫" (U+066B), even in a Latin-digit locale. Arguments and errors as
/// tal_digits_to_western.
TAL_EXPORT tal_status tal_digits_to_locale(const char* text, const char* locale, char** out);

/* ---- Currency --------------------------------------------------------- */

/// Reads an exchange-rate snapshot from JSON text: an object with
/// "baseCode", "timeLastUpdateUnix", optional "timeNextUpdateUnix" and
/// "rates" (code → amount of that currency one unit of the base buys).
/// NULL `json` or `out`: INVALID_ARGUMENT; anything else wrong: PARSE, and
/// when `error_message` is not NULL it receives the reason (free it with
/// tal_string_free; NULL on success).
TAL_EXPORT tal_status tal_rates_from_json(const char* json, tal_rates** out, char** error_message);

/// The snapshot's base currency code; NULL for NULL.
TAL_EXPORT const char* tal_rates_base_code(const tal_rates* rates);

/// When the snapshot was made, in seconds since 1970-01-01 UTC. NULL
/// argument: INVALID_ARGUMENT.
TAL_EXPORT tal_status tal_rates_time_last_update(const tal_rates* rates, int64_t* out);

/// `amount` of currency `from_code` expressed in currency `to_code` with the
/// snapshot's rates, computed as the library's currency units compute it
/// (amount × (1 ÷ rate of from) × rate of to, each step rounded). Codes are
/// ISO codes matched exactly ("EUR"); a code must be one the library knows
/// and the snapshot rates. NULL argument: INVALID_ARGUMENT; amount not a
/// number: PARSE; a code unknown or without a rate: UNKNOWN_UNIT; result
/// NaN (a zero rate of `from`): NAN.
TAL_EXPORT tal_status tal_rates_convert(const tal_rates* rates, const char* amount, const char* from_code, const char* to_code,
                             char** out);

/// Frees a snapshot. NULL is allowed.
TAL_EXPORT void tal_rates_free(tal_rates* rates);

/* ---- Conversion to many units ----------------------------------------- */

/// `value` (number text) in the unit `from_id` expressed in every unit of
/// `to` (a list from tal_category_units, say), the part of the work that
/// depends on `from_id` alone done once. results[i] receives the text for
/// unit i, the same as tal_convert gives, or NULL where that unit has no
/// result (another category, or a result that is not a number); free each
/// with tal_string_free. `count` is the length of `results`: when it differs
/// from the list's size, the first min(count, size) units are converted and
/// any further entries are set to NULL. NULL `value`, `from_id` or `to`, or
/// NULL `results` with a nonzero count: INVALID_ARGUMENT; value not a
/// number: PARSE; `from_id` unknown: UNKNOWN_UNIT. On failure every entry
/// of `results` is NULL.
TAL_EXPORT tal_status tal_convert_to_list(const char* value, const char* from_id, const tal_unit_list* to, char** results,
                               size_t count);

#ifdef __cplusplus
}
#endif

#endif /* TALFOUNDATION_C_TAL_H */
