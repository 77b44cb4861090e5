/* The C interface as a C11 caller sees it: real values, every error path,
 * and every allocation freed (LeakSanitizer checks the last part). Expected
 * decimals were computed with Python's decimal module (prec 38, half even)
 * in the library's order of evaluation. */
#include "TalFoundation/c/tal.h"

#include <stdio.h>
#include <string.h>

static int passed;
static int failed;

#define CHECK(cond)                                                          \
  do {                                                                       \
    if (cond) {                                                              \
      ++passed;                                                              \
    } else {                                                                 \
      ++failed;                                                              \
      fprintf(stderr, "%s:%d: CHECK(%s) failed\n", __FILE__, __LINE__, #cond); \
    }                                                                        \
  } while (0)

/* Anything but NULL, to see that failures reset the output. */
static char sentinel;
#define STALE ((void*)&sentinel)

static int same_text(const char* a, const char* b) { return a != NULL && b != NULL && strcmp(a, b) == 0; }

/* One call's outcome against the expected status and text (NULL when no
 * text is expected); frees the text. */
static void expect_result(const char* what, tal_status status, char* text, tal_status want_status,
                          const char* want_text) {
  const int ok = status == want_status && (want_text == NULL ? text == NULL : same_text(text, want_text));
  if (ok) {
    ++passed;
  } else {
    ++failed;
    fprintf(stderr, "%s: got %d \"%s\", expected %d \"%s\"\n", what, (int)status, text ? text : "(null)",
            (int)want_status, want_text ? want_text : "(null)");
  }
  tal_string_free(text);
}

typedef struct {
  const char *value, *from, *to;
  tal_status status;
  const char* result;
} conversion_case;

static void test_convert(void) {
  static const conversion_case cases[] = {
      {"1.5", "length_km", "length_mi", TAL_OK, "0.93205678835600095442615127654497733238"},
      {"100", "temperature_\xC2\xB0" "F", "temperature_\xC2\xB0" "C", TAL_OK, "37.777777777777777777777777777777777778"},
      {" 2\t", "length_km", "length_m", TAL_OK, "2000"},
      {"-.5e1", "length_km", "length_m", TAL_OK, "-5000"},
      {"1.50", "length_km", "length_km", TAL_OK, "1.5"},
      {"1", "length_km", "mass_kg", TAL_ERROR_NOT_CONVERTIBLE, NULL},
      {"1", "length_furlongs", "length_m", TAL_ERROR_UNKNOWN_UNIT, NULL},
      {"1", "length_km", "length_", TAL_ERROR_UNKNOWN_UNIT, NULL},
      {"1", "length", "length_m", TAL_ERROR_UNKNOWN_UNIT, NULL},
      {"1", "km", "length_m", TAL_ERROR_UNKNOWN_UNIT, NULL},
      {"1", "LENGTH_KM", "length_m", TAL_ERROR_UNKNOWN_UNIT, NULL},
      {"1 km", "length_km", "length_m", TAL_ERROR_PARSE, NULL},
      {"abc", "length_km", "length_m", TAL_ERROR_PARSE, NULL},
      {"", "length_km", "length_m", TAL_ERROR_PARSE, NULL},
      {"1e99999999", "length_km", "length_m", TAL_ERROR_NAN, NULL},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    char* out = STALE;
    const tal_status status = tal_convert(cases[i].value, cases[i].from, cases[i].to, &out);
    char what[160];
    snprintf(what, sizeof what, "convert \"%s\" %s -> %s", cases[i].value, cases[i].from, cases[i].to);
    expect_result(what, status, out, cases[i].status, cases[i].result);
  }
}

typedef tal_status (*binary_op)(const char*, const char*, char**);
typedef tal_status (*digits_op)(const char*, const char*, char**);

typedef struct {
  const char* name;
  binary_op op;
  const char *a, *b;
  tal_status status;
  const char* result;
} arithmetic_case;

static void test_arithmetic(void) {
  static const arithmetic_case cases[] = {
      {"add", tal_decimal_add, "0.1", "0.2", TAL_OK, "0.3"},
      /* 39 digits: the carry rounds back to 38. */
      {"add", tal_decimal_add, "99999999999999999999999999999999999999", "5", TAL_OK,
       "100000000000000000000000000000000000000"},
      {"add", tal_decimal_add, "1.5", "-1.5", TAL_OK, "0"},
      {"subtract", tal_decimal_subtract, "1", "0.00000000000000000000000000000000000001", TAL_OK,
       "0.99999999999999999999999999999999999999"},
      {"subtract", tal_decimal_subtract, "2", "5", TAL_OK, "-3"},
      {"multiply", tal_decimal_multiply, "1.1", "1.1", TAL_OK, "1.21"},
      {"multiply", tal_decimal_multiply, "1e999999", "10", TAL_ERROR_NAN, NULL},
      {"divide", tal_decimal_divide, "1", "3", TAL_OK, "0.33333333333333333333333333333333333333"},
      {"divide", tal_decimal_divide, "2", "3", TAL_OK, "0.66666666666666666666666666666666666667"},
      {"divide", tal_decimal_divide, "1", "0", TAL_ERROR_NAN, NULL},
      {"divide", tal_decimal_divide, "0", "0", TAL_ERROR_NAN, NULL},
      {"add", tal_decimal_add, "1", "x", TAL_ERROR_PARSE, NULL},
      {"add", tal_decimal_add, "1,5", "1", TAL_ERROR_PARSE, NULL},
      {"divide", tal_decimal_divide, ".", "1", TAL_ERROR_PARSE, NULL},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    char* out = STALE;
    const tal_status status = cases[i].op(cases[i].a, cases[i].b, &out);
    char what[200];
    snprintf(what, sizeof what, "%s \"%s\" \"%s\"", cases[i].name, cases[i].a, cases[i].b);
    expect_result(what, status, out, cases[i].status, cases[i].result);
  }
}

static void test_normalize(void) {
  static const struct {
    const char* text;
    tal_status status;
    const char* result;
  } cases[] = {
      {"1.50", TAL_OK, "1.5"},
      {"1e3", TAL_OK, "1000"},
      {"-1E-5", TAL_OK, "-0.00001"},
      {"+007", TAL_OK, "7"},
      {"-0", TAL_OK, "0"},
      /* 40 digits ending in an exact half: the even 38th digit stays. */
      {"1234567890123456789012345678901234567850", TAL_OK, "1234567890123456789012345678901234567800"},
      {"0.12345678901234567890123456789012345678949", TAL_OK, "0.12345678901234567890123456789012345679"},
      {"1e-9999999", TAL_OK, "0"},
      {"1e9999999", TAL_ERROR_NAN, NULL},
      {"NaN", TAL_ERROR_PARSE, NULL},
      {"   ", TAL_ERROR_PARSE, NULL},
      {"1.5.2", TAL_ERROR_PARSE, NULL},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    char* out = STALE;
    const tal_status status = tal_decimal_normalize(cases[i].text, &out);
    char what[120];
    snprintf(what, sizeof what, "normalize \"%s\"", cases[i].text);
    expect_result(what, status, out, cases[i].status, cases[i].result);
  }
}

static void test_categories(void) {
  tal_category_list* list = STALE;
  CHECK(tal_categories(&list) == TAL_OK);
  CHECK(tal_category_list_size(list) == 74);
  CHECK(same_text(tal_category_list_raw_value(list, 0), "currency"));
  CHECK(same_text(tal_category_list_raw_value(list, 1), "length"));
  CHECK(same_text(tal_category_list_display_name(list, 1), "Length"));
  CHECK(same_text(tal_category_list_raw_value(list, 13), "current"));
  CHECK(tal_category_list_raw_value(list, 74) == NULL);
  CHECK(tal_category_list_display_name(list, (size_t)-1) == NULL);

  /* Every unit of every category is found again by its id, whatever its
   * symbol holds (non-ASCII, spaces, "/", "_"). */
  size_t units = 0, found = 0, filled = 0;
  for (size_t c = 0; c < tal_category_list_size(list); ++c) {
    tal_unit_list* category_units = NULL;
    CHECK(tal_category_units(tal_category_list_raw_value(list, c), &category_units) == TAL_OK);
    if (tal_unit_list_size(category_units) > 0) ++filled;
    for (size_t u = 0; u < tal_unit_list_size(category_units); ++u) {
      const tal_unit* unit = tal_unit_list_get(category_units, u);
      tal_unit* again = NULL;
      ++units;
      if (tal_unit_find(tal_unit_id(unit), NULL, &again) == TAL_OK && same_text(tal_unit_name(again), tal_unit_name(unit)) &&
          same_text(tal_unit_symbol(again), tal_unit_symbol(unit)) &&
          same_text(tal_unit_category(again), tal_category_list_raw_value(list, c)))
        ++found;
      else
        fprintf(stderr, "unit %s not found again by its id\n", tal_unit_id(unit));
      tal_unit_free(again);
    }
    tal_unit_list_free(category_units);
  }
  /* Every category but currency, which waits for rates. */
  CHECK(filled == 73);
  CHECK(found == units);
  tal_category_list_free(list);
}

static void test_units(void) {
  tal_unit_list* list = STALE;
  CHECK(tal_category_units("temperature", &list) == TAL_OK);
  CHECK(tal_unit_list_size(list) == 8);
  const tal_unit* fahrenheit = tal_unit_list_get(list, 2);
  CHECK(same_text(tal_unit_id(fahrenheit), "temperature_\xC2\xB0" "F"));
  CHECK(same_text(tal_unit_name(fahrenheit), "Fahrenheit"));
  CHECK(same_text(tal_unit_symbol(fahrenheit), "\xC2\xB0" "F"));
  CHECK(same_text(tal_unit_category(fahrenheit), "temperature"));
  CHECK(tal_unit_list_get(list, 8) == NULL);
  tal_unit_list_free(list);

  list = STALE;
  CHECK(tal_category_units("Length", &list) == TAL_ERROR_UNKNOWN_CATEGORY);
  CHECK(list == NULL);

  tal_unit* unit = STALE;
  CHECK(tal_unit_find("length_km", NULL, &unit) == TAL_OK);
  CHECK(same_text(tal_unit_name(unit), "Kilometer"));
  CHECK(same_text(tal_unit_symbol(unit), "km"));
  CHECK(same_text(tal_unit_category(unit), "length"));
  tal_unit_free(unit);

  unit = STALE;
  CHECK(tal_unit_find("length_KM", NULL, &unit) == TAL_ERROR_UNKNOWN_UNIT);
  CHECK(unit == NULL);
}

static const char* const kRates =
    "{\"baseCode\":\"USD\",\"timeLastUpdateUnix\":1700000000,\"timeNextUpdateUnix\":null,"
    "\"rates\":{\"USD\":1,\"EUR\":0.9235,\"JPY\":149.5,\"GBP\":0,\"ZZZ\":2}}";

static void test_rates(void) {
  tal_rates* rates = STALE;
  char* message = STALE;
  CHECK(tal_rates_from_json(kRates, &rates, &message) == TAL_OK);
  CHECK(message == NULL);
  CHECK(same_text(tal_rates_base_code(rates), "USD"));
  int64_t time = 0;
  CHECK(tal_rates_time_last_update(rates, &time) == TAL_OK && time == 1700000000);

  static const conversion_case cases[] = {
      {"100", "USD", "EUR", TAL_OK, "92.35"},
      /* 100 × (1 ÷ 0.9235) × 149.5, each step rounded to 38 digits. */
      {"100", "EUR", "JPY", TAL_OK, "16188.413643746616134271792095289658906"},
      {"0", "JPY", "EUR", TAL_OK, "0"},
      {"1", "GBP", "EUR", TAL_ERROR_NAN, NULL},           /* zero rate */
      {"1", "USD", "CHF", TAL_ERROR_UNKNOWN_UNIT, NULL},  /* a currency without a rate */
      {"1", "ZZZ", "USD", TAL_ERROR_UNKNOWN_UNIT, NULL},  /* a rate without a currency */
      {"1", "usd", "EUR", TAL_ERROR_UNKNOWN_UNIT, NULL},
      {"1$", "USD", "EUR", TAL_ERROR_PARSE, NULL},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    char* out = STALE;
    const tal_status status = tal_rates_convert(rates, cases[i].value, cases[i].from, cases[i].to, &out);
    char what[160];
    snprintf(what, sizeof what, "rates \"%s\" %s -> %s", cases[i].value, cases[i].from, cases[i].to);
    expect_result(what, status, out, cases[i].status, cases[i].result);
  }
  tal_rates_free(rates);

  static const char* const bad[] = {
      "",
      "{",
      "[]",
      "{\"baseCode\":\"USD\",\"rates\":{}}",
      "{\"baseCode\":\"USD\",\"timeLastUpdateUnix\":1,\"rates\":{\"EUR\":\"0.9\"}}",
  };
  for (size_t i = 0; i < sizeof bad / sizeof bad[0]; ++i) {
    rates = STALE;
    message = STALE;
    CHECK(tal_rates_from_json(bad[i], &rates, &message) == TAL_ERROR_PARSE);
    CHECK(rates == NULL);
    CHECK(message != NULL && message != STALE && message[0] != '\0');
    if (message != STALE) tal_string_free(message);
  }
  /* The reason is optional. */
  rates = STALE;
  CHECK(tal_rates_from_json("{", &rates, NULL) == TAL_ERROR_PARSE);
  CHECK(rates == NULL);
}

static void test_digits(void) {
  static const struct {
    const char* name;
    digits_op op;
    const char *text, *locale, *result;
  } cases[] = {
      {"to western", tal_digits_to_western, "١٢٣٫٤٥", "ar_EG", "123.45"},
      {"to western", tal_digits_to_western, "۱۲۵", "fa_IR", "125"},
      {"to western", tal_digits_to_western, "١٢ and 3", "ar-EG", "12 and 3"},
      /* Only the locale's own digits change. */
      {"to western", tal_digits_to_western, "١٢", "en_US", "١٢"},
      {"to western", tal_digits_to_western, "1٫5", "en_US", "1.5"},
      {"to western", tal_digits_to_western, "\xFF" "1", "ar_EG", "\xEF\xBF\xBD" "1"},
      {"to locale", tal_digits_to_locale, "12.5", "ar_EG", "١٢٫٥"},
      {"to locale", tal_digits_to_locale, "2024", "fa_IR", "۲۰۲۴"},
      {"to locale", tal_digits_to_locale, "1.5", "en_US", "1٫5"},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    char* out = STALE;
    const tal_status status = cases[i].op(cases[i].text, cases[i].locale, &out);
    char what[120];
    snprintf(what, sizeof what, "digits %s \"%s\" in %s", cases[i].name, cases[i].text, cases[i].locale);
    expect_result(what, status, out, TAL_OK, cases[i].result);
  }
}

static void test_null_arguments(void) {
  char* out = STALE;
  CHECK(tal_convert(NULL, "length_km", "length_m", &out) == TAL_ERROR_INVALID_ARGUMENT && out == NULL);
  out = STALE;
  CHECK(tal_convert("1", NULL, "length_m", &out) == TAL_ERROR_INVALID_ARGUMENT && out == NULL);
  out = STALE;
  CHECK(tal_convert("1", "length_km", NULL, &out) == TAL_ERROR_INVALID_ARGUMENT && out == NULL);
  CHECK(tal_convert("1", "length_km", "length_m", NULL) == TAL_ERROR_INVALID_ARGUMENT);

  out = STALE;
  CHECK(tal_decimal_normalize(NULL, &out) == TAL_ERROR_INVALID_ARGUMENT && out == NULL);
  CHECK(tal_decimal_normalize("1", NULL) == TAL_ERROR_INVALID_ARGUMENT);
  const binary_op ops[] = {tal_decimal_add, tal_decimal_subtract, tal_decimal_multiply, tal_decimal_divide};
  for (size_t i = 0; i < sizeof ops / sizeof ops[0]; ++i) {
    out = STALE;
    CHECK(ops[i](NULL, "1", &out) == TAL_ERROR_INVALID_ARGUMENT && out == NULL);
    out = STALE;
    CHECK(ops[i]("1", NULL, &out) == TAL_ERROR_INVALID_ARGUMENT && out == NULL);
    CHECK(ops[i]("1", "1", NULL) == TAL_ERROR_INVALID_ARGUMENT);
  }

  CHECK(tal_categories(NULL) == TAL_ERROR_INVALID_ARGUMENT);
  CHECK(tal_category_list_size(NULL) == 0);
  CHECK(tal_category_list_raw_value(NULL, 0) == NULL);
  CHECK(tal_category_list_display_name(NULL, 0) == NULL);
  tal_unit_list* units = STALE;
  CHECK(tal_category_units(NULL, &units) == TAL_ERROR_INVALID_ARGUMENT && units == NULL);
  CHECK(tal_category_units("length", NULL) == TAL_ERROR_INVALID_ARGUMENT);
  CHECK(tal_unit_list_size(NULL) == 0);
  CHECK(tal_unit_list_get(NULL, 0) == NULL);
  tal_unit* unit = STALE;
  CHECK(tal_unit_find(NULL, NULL, &unit) == TAL_ERROR_INVALID_ARGUMENT && unit == NULL);
  CHECK(tal_unit_find("length_km", NULL, NULL) == TAL_ERROR_INVALID_ARGUMENT);
  units = STALE;
  CHECK(tal_unit_search(NULL, 5, &units) == TAL_ERROR_INVALID_ARGUMENT && units == NULL);
  CHECK(tal_unit_search("mile", 5, NULL) == TAL_ERROR_INVALID_ARGUMENT);
  out = STALE;
  char* reason = STALE;
  CHECK(tal_convert_phrase(NULL, &out, &reason) == TAL_ERROR_INVALID_ARGUMENT && out == NULL && reason == NULL);
  CHECK(tal_convert_phrase("1 km to m", NULL, NULL) == TAL_ERROR_INVALID_ARGUMENT);
  CHECK(tal_unit_id(NULL) == NULL && tal_unit_name(NULL) == NULL);
  CHECK(tal_unit_symbol(NULL) == NULL && tal_unit_category(NULL) == NULL);

  const digits_op digits[] = {tal_digits_to_western, tal_digits_to_locale};
  for (size_t i = 0; i < sizeof digits / sizeof digits[0]; ++i) {
    out = STALE;
    CHECK(digits[i](NULL, "ar_EG", &out) == TAL_ERROR_INVALID_ARGUMENT && out == NULL);
    out = STALE;
    CHECK(digits[i]("1", NULL, &out) == TAL_ERROR_INVALID_ARGUMENT && out == NULL);
    CHECK(digits[i]("1", "ar_EG", NULL) == TAL_ERROR_INVALID_ARGUMENT);
  }

  tal_rates* rates = STALE;
  char* message = STALE;
  CHECK(tal_rates_from_json(NULL, &rates, &message) == TAL_ERROR_INVALID_ARGUMENT && rates == NULL &&
        message == NULL);
  CHECK(tal_rates_from_json(kRates, NULL, NULL) == TAL_ERROR_INVALID_ARGUMENT);
  CHECK(tal_rates_base_code(NULL) == NULL);
  int64_t time = 0;
  CHECK(tal_rates_time_last_update(NULL, &time) == TAL_ERROR_INVALID_ARGUMENT);
  CHECK(tal_rates_from_json(kRates, &rates, NULL) == TAL_OK);
  CHECK(tal_rates_time_last_update(rates, NULL) == TAL_ERROR_INVALID_ARGUMENT);
  for (size_t missing = 0; missing < 3; ++missing) {
    const char* a[3] = {"1", "USD", "EUR"};
    a[missing] = NULL;
    out = STALE;
    CHECK(tal_rates_convert(rates, a[0], a[1], a[2], &out) == TAL_ERROR_INVALID_ARGUMENT && out == NULL);
  }
  out = STALE;
  CHECK(tal_rates_convert(NULL, "1", "USD", "EUR", &out) == TAL_ERROR_INVALID_ARGUMENT && out == NULL);
  CHECK(tal_rates_convert(rates, "1", "USD", "EUR", NULL) == TAL_ERROR_INVALID_ARGUMENT);
  tal_rates_free(rates);

  /* Freeing nothing is allowed. */
  tal_string_free(NULL);
  tal_category_list_free(NULL);
  tal_unit_list_free(NULL);
  tal_unit_free(NULL);
  tal_rates_free(NULL);
}

static void test_status_messages(void) {
  /* Each status has its own text; an unknown value still gets one. */
  const char* seen[TAL_ERROR_INTERNAL + 1];
  for (int s = TAL_OK; s <= TAL_ERROR_INTERNAL; ++s) {
    seen[s] = tal_status_message(s);
    CHECK(seen[s] != NULL && seen[s][0] != '\0');
    for (int t = 0; t < s; ++t) CHECK(!same_text(seen[s], seen[t]));
  }
  CHECK(same_text(tal_status_message(99), "unknown status"));
  CHECK(same_text(tal_status_message(TAL_ERROR_UNKNOWN_UNIT), "unknown unit"));
  CHECK(tal_version() != NULL && strchr(tal_version(), '.') != NULL);
}

/* A sample of the resolver's table (tests/units/UnitResolverTest.cpp):
 * the C interface reads the same texts by the same rules. */
typedef struct {
  const char *text, *category;
  tal_status status;
  const char* id;
} find_case;

static void test_units_from_text(void) {
  static const find_case finds[] = {
      {"kilometres", NULL, TAL_OK, "length_km"},
      {"KM", NULL, TAL_OK, "length_km"},
      {"MB", NULL, TAL_OK, "datastorage_MB"},
      {"Mb", NULL, TAL_OK, "datastorage_Mb"},
      {"mb", NULL, TAL_ERROR_UNKNOWN_UNIT, NULL},
      {"um", NULL, TAL_OK, "length_\xC2\xB5" "m"},
      {"\xCE\xBC" "m", NULL, TAL_OK, "length_\xC2\xB5" "m"}, /* Greek mu */
      {"m^2", NULL, TAL_OK, "area_m\xC2\xB2"},
      {"degC", NULL, TAL_OK, "temperature_\xC2\xB0" "C"},
      {"C", NULL, TAL_OK, "charge_C"},
      {"C", "temperature", TAL_OK, "temperature_\xC2\xB0" "C"},
      {"m", "Time", TAL_OK, "duration_m"},
      {"ohm", NULL, TAL_OK, "resistance_\xCE\xA9"},
      {"feet", NULL, TAL_OK, "length_ft"},
      {"nmi", NULL, TAL_OK, "length_n mile"},
      {"gal", NULL, TAL_OK, "volume_US gal"},
      {"mpg", NULL, TAL_OK, "fuelvolume_US mpg"},
      {"hp", NULL, TAL_OK, "power_hp(I)"},
      {"cal", NULL, TAL_OK, "energy_cal_IT"},
      {"kilomter", NULL, TAL_ERROR_UNKNOWN_UNIT, NULL},
      {"km", "mass", TAL_ERROR_UNKNOWN_UNIT, NULL},
      {"km", "masses", TAL_ERROR_UNKNOWN_CATEGORY, NULL},
  };
  for (size_t i = 0; i < sizeof finds / sizeof finds[0]; ++i) {
    tal_unit* unit = STALE;
    const tal_status status = tal_unit_find(finds[i].text, finds[i].category, &unit);
    const int ok = status == finds[i].status &&
                   (finds[i].id == NULL ? unit == NULL : same_text(tal_unit_id(unit), finds[i].id));
    CHECK(ok);
    if (!ok) fprintf(stderr, "  tal_unit_find(\"%s\"): %d %s\n", finds[i].text, (int)status, tal_unit_id(unit));
    tal_unit_free(unit);
  }

  tal_unit_list* found = STALE;
  CHECK(tal_unit_search("mile", 4, &found) == TAL_OK);
  CHECK(tal_unit_list_size(found) == 4);
  CHECK(same_text(tal_unit_id(tal_unit_list_get(found, 0)), "length_mi"));
  CHECK(same_text(tal_unit_id(tal_unit_list_get(found, 1)), "length_n mile"));
  CHECK(same_text(tal_unit_id(tal_unit_list_get(found, 2)), "length_smi"));
  CHECK(same_text(tal_unit_id(tal_unit_list_get(found, 3)), "speed_mph"));
  tal_unit_list_free(found);
  found = STALE;
  CHECK(tal_unit_search("xyzzyq", 4, &found) == TAL_OK && tal_unit_list_size(found) == 0);
  tal_unit_list_free(found);

  static const conversion_case phrases[] = {
      {"1.5 km to mi", NULL, NULL, TAL_OK, "0.93205678835600095442615127654497733238"},
      {"\xD9\xA1\xD9\xAB\xD9\xA5 km mi", NULL, NULL, TAL_OK, "0.93205678835600095442615127654497733238"},
      {"5 ft 11 in to cm", NULL, NULL, TAL_OK, "180.34"},
      {"100 F to C", NULL, NULL, TAL_OK, "37.777777777777777777777777777777777778"},
      {"1.5 kilomter mi", NULL, NULL, TAL_ERROR_UNKNOWN_UNIT, NULL},
      {"1 km kg", NULL, NULL, TAL_ERROR_NOT_CONVERTIBLE, NULL},
      {"100 USD EUR", NULL, NULL, TAL_ERROR_UNKNOWN_UNIT, NULL},
      {"km to mi", NULL, NULL, TAL_ERROR_PARSE, NULL},
  };
  for (size_t i = 0; i < sizeof phrases / sizeof phrases[0]; ++i) {
    char* out = STALE;
    char* reason = STALE;
    const tal_status status = tal_convert_phrase(phrases[i].value, &out, &reason);
    /* A failure says why; a success leaves the reason NULL. */
    CHECK(status == TAL_OK ? reason == NULL : reason != NULL && reason[0] != '\0');
    expect_result(phrases[i].value, status, out, phrases[i].status, phrases[i].result);
    tal_string_free(reason);
  }
  char* out = NULL;
  char* reason = NULL;
  CHECK(tal_convert_phrase("1.5 kilomter mi", &out, &reason) == TAL_ERROR_UNKNOWN_UNIT);
  CHECK(reason != NULL && strstr(reason, "kilomter") != NULL && strstr(reason, "Kilometer") != NULL);
  tal_string_free(reason);
  CHECK(tal_convert_phrase("1.5 kilomter mi", &out, NULL) == TAL_ERROR_UNKNOWN_UNIT && out == NULL);
}

/* ---- Conversion to many units ---- */

static void test_convert_to_list(void) {
  tal_unit_list* temperatures = NULL;
  CHECK(tal_category_units("temperature", &temperatures) == TAL_OK);
  /* 100 °C in K, °C, °F, °R, °Ré, °Rø, °N, °De; two more slots than units. */
  static const char* const want[8] = {"373.15", "100", "212", "671.67", "80", "60", "33", "0"};
  char* results[10];
  for (size_t i = 0; i < 10; ++i) results[i] = STALE;
  CHECK(tal_convert_to_list("100", "temperature_\xC2\xB0" "C", temperatures, results, 10) == TAL_OK);
  for (size_t i = 0; i < 8; ++i) {
    char what[64];
    snprintf(what, sizeof what, "100 C to temperature unit %zu", i);
    expect_result(what, TAL_OK, results[i], TAL_OK, want[i]);
  }
  CHECK(results[8] == NULL && results[9] == NULL);

  /* Fewer slots than units: only those are written. */
  results[2] = STALE;
  CHECK(tal_convert_to_list("100", "temperature_\xC2\xB0" "C", temperatures, results, 2) == TAL_OK);
  expect_result("first of two", TAL_OK, results[0], TAL_OK, "373.15");
  expect_result("second of two", TAL_OK, results[1], TAL_OK, "100");
  CHECK(results[2] == STALE);

  /* Units of another category have no result; the call itself succeeds. */
  for (size_t i = 0; i < 8; ++i) results[i] = STALE;
  CHECK(tal_convert_to_list("1", "length_km", temperatures, results, 8) == TAL_OK);
  for (size_t i = 0; i < 8; ++i) CHECK(results[i] == NULL);

  /* 0 L/100km has no value in the inverse units: NULL there, the rest convert. */
  tal_unit_list* fuel = NULL;
  CHECK(tal_category_units("fuelvolume", &fuel) == TAL_OK);
  CHECK(tal_unit_list_size(fuel) == 6);
  for (size_t i = 0; i < 6; ++i) results[i] = STALE;
  CHECK(tal_convert_to_list("0", "fuelvolume_L/100km", fuel, results, 6) == TAL_OK);
  expect_result("0 L/100km", TAL_OK, results[0], TAL_OK, "0");
  CHECK(results[1] == NULL && results[2] == NULL && results[3] == NULL);
  expect_result("0 L/100km in US gal/100mi", TAL_OK, results[4], TAL_OK, "0");
  expect_result("0 L/100km in Imp gal/100mi", TAL_OK, results[5], TAL_OK, "0");
  tal_unit_list_free(fuel);

  /* Failures leave every entry NULL. */
  static const struct {
    const char *value, *from;
    tal_status status;
  } failures[] = {
      {"abc", "length_km", TAL_ERROR_PARSE},
      {"1", "length_furlongs", TAL_ERROR_UNKNOWN_UNIT},
  };
  for (size_t f = 0; f < sizeof failures / sizeof failures[0]; ++f) {
    for (size_t i = 0; i < 8; ++i) results[i] = STALE;
    CHECK(tal_convert_to_list(failures[f].value, failures[f].from, temperatures, results, 8) == failures[f].status);
    for (size_t i = 0; i < 8; ++i) CHECK(results[i] == NULL);
  }
  results[0] = STALE;
  CHECK(tal_convert_to_list(NULL, "length_km", temperatures, results, 1) == TAL_ERROR_INVALID_ARGUMENT);
  CHECK(results[0] == NULL);
  results[0] = STALE;
  CHECK(tal_convert_to_list("1", NULL, temperatures, results, 1) == TAL_ERROR_INVALID_ARGUMENT);
  CHECK(results[0] == NULL);
  results[0] = STALE;
  CHECK(tal_convert_to_list("1", "length_km", NULL, results, 1) == TAL_ERROR_INVALID_ARGUMENT);
  CHECK(results[0] == NULL);
  CHECK(tal_convert_to_list("1", "length_km", temperatures, NULL, 1) == TAL_ERROR_INVALID_ARGUMENT);
  CHECK(tal_convert_to_list("1", "length_km", temperatures, NULL, 0) == TAL_OK);
  tal_unit_list_free(temperatures);

  /* Every length unit: the same text tal_convert gives for the pair. */
  tal_unit_list* lengths = NULL;
  CHECK(tal_category_units("length", &lengths) == TAL_OK);
  const size_t count = tal_unit_list_size(lengths);
  char* all[64];
  CHECK(count > 30 && count <= 64);
  if (count <= 64) {
    CHECK(tal_convert_to_list("1.2345678901234567890123456789012345678", "length_mi", lengths, all, count) == TAL_OK);
    for (size_t i = 0; i < count; ++i) {
      char* single = NULL;
      const tal_status status = tal_convert("1.2345678901234567890123456789012345678", "length_mi",
                                            tal_unit_id(tal_unit_list_get(lengths, i)), &single);
      expect_result(tal_unit_id(tal_unit_list_get(lengths, i)), status, all[i], TAL_OK, single);
      tal_string_free(single);
    }
  }
  tal_unit_list_free(lengths);
}

int main(void) {
  test_convert();
  test_arithmetic();
  test_normalize();
  test_categories();
  test_units();
  test_units_from_text();
  test_rates();
  test_digits();
  test_null_arguments();
  test_status_messages();
  test_convert_to_list();
  printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
