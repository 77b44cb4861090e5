"""Tests of the talfoundation module.

Expected values come from Python's decimal module (38 digits, half to even),
computed in the order the library documents for each conversion, never from
the module itself. Run from CTest with PYTHONPATH set to the module's folder.
"""

import decimal
import random
import unittest
from decimal import Decimal as PyDecimal

import talfoundation as tf

# The library's arithmetic: 38 digits, half to even. Traps are off; divisions
# by zero are mapped to NaN by div() below, as the library does.
CTX = decimal.Context(prec=38, rounding=decimal.ROUND_HALF_EVEN, Emax=999999, Emin=-999999, traps=[])
NAN = PyDecimal("NaN")
PI = PyDecimal("3.1415926535897932384626433832795028842")


def div(a, b):
    return NAN if b.is_zero() or a.is_nan() or b.is_nan() else CTX.divide(a, b)


def plain(value):
    """The library's description(): plain notation, no trailing zeros, "0"."""
    if value.is_zero():
        return "0"
    return format(CTX.normalize(value), "f")


# The six angle units go through degrees with exact factors.
TO_DEGREES = {
    "Degree": lambda v: v,
    "Arc Minute": lambda v: div(v, PyDecimal(60)),
    "Arc Second": lambda v: div(v, PyDecimal(3600)),
    "Radian": lambda v: div(CTX.multiply(v, PyDecimal(180)), PI),
    "Gradian": lambda v: CTX.multiply(v, PyDecimal("0.9")),
    "Revolution": lambda v: CTX.multiply(v, PyDecimal(360)),
}
FROM_DEGREES = {
    "Degree": lambda d: d,
    "Arc Minute": lambda d: CTX.multiply(d, PyDecimal(60)),
    "Arc Second": lambda d: CTX.multiply(d, PyDecimal(3600)),
    "Radian": lambda d: div(CTX.multiply(d, PI), PyDecimal(180)),
    "Gradian": lambda d: div(d, PyDecimal("0.9")),
    "Revolution": lambda d: div(d, PyDecimal(360)),
}


def reference_convert(value, source, target):
    """The conversion of two units of one category, temperature aside."""
    if source.id == target.id or source.symbol == target.symbol:
        return value
    if source.category.raw_value == "angle":
        return FROM_DEGREES[target.name](TO_DEGREES[source.name](value))
    coefficient, offset = source.coefficient.to_decimal(), source.offset.to_decimal()
    if source.inverse:
        base = div(coefficient, value)
    else:
        base = CTX.add(CTX.multiply(value, coefficient), offset)
    coefficient, offset = target.coefficient.to_decimal(), target.offset.to_decimal()
    if target.inverse:
        return div(coefficient, base)
    if target.base_numerator is not None and offset.is_zero():
        return CTX.multiply(base, target.base_numerator.to_decimal())
    return div(CTX.subtract(base, offset), coefficient)


def random_value(rng):
    if rng.random() < 0.02:
        return PyDecimal(0)
    digits = str(rng.randint(1, 9)) + "".join(rng.choice("0123456789") for _ in range(rng.randint(0, 37)))
    return PyDecimal(f"{rng.choice('-+')}{digits}E{rng.randint(-30, 30)}")


class DecimalTest(unittest.TestCase):
    def test_text_round_trips_through_python_decimal(self):
        texts = ["0", "1.5", "-1.5", "0.1", "1500", "-0.00001", "12345678901234567890123456789012345678",
                 "1.2345678901234567890123456789012345678E-30", "9.9999999999999999999999999999999999999E+999999",
                 "1E-999999", "-7E+12"]
        for text in texts:
            with self.subTest(text=text):
                ours = tf.Decimal(text)
                self.assertEqual(ours.to_decimal(), PyDecimal(text))
                self.assertEqual(tf.Decimal.from_decimal(PyDecimal(text)), ours)
                self.assertEqual(str(ours), plain(PyDecimal(text)))
                self.assertIsInstance(ours.to_decimal(), PyDecimal)

    def test_more_than_38_digits_round_once_half_to_even(self):
        for text in ["1.00000000000000000000000000000000000005", "1.00000000000000000000000000000000000015",
                     "-99999999999999999999999999999999999999.5", str(10**40 + 1)]:
            with self.subTest(text=text):
                self.assertEqual(tf.Decimal(text).to_decimal(), CTX.plus(PyDecimal(text)))
                self.assertEqual(tf.Decimal.from_decimal(PyDecimal(text)).to_decimal(), CTX.plus(PyDecimal(text)))
        self.assertEqual(tf.Decimal(10**40 + 1).to_decimal(), PyDecimal("1E+40"))

    def test_accepted_forms(self):
        self.assertEqual(str(tf.Decimal(" 12 ")), "12")
        self.assertEqual(str(tf.Decimal(".5")), "0.5")
        self.assertEqual(str(tf.Decimal(-42)), "-42")
        self.assertEqual(str(tf.Decimal()), "0")
        self.assertEqual(str(tf.Decimal.from_float(0.1)), "0.1")
        self.assertTrue(tf.Decimal("1E-1000000").is_zero())  # below the range: zero, as in the library
        self.assertTrue(tf.Decimal.nan().to_decimal().is_nan())
        self.assertTrue(tf.Decimal.from_decimal(PyDecimal("NaN")).is_nan())
        self.assertTrue(tf.Decimal("NaN").is_nan())

    def test_refusals_name_the_error(self):
        cases = [(ValueError, lambda: tf.Decimal("abc")), (ValueError, lambda: tf.Decimal("1.5x")),
                 (ValueError, lambda: tf.Decimal("")), (ValueError, lambda: tf.Decimal("1E+1000000")),
                 (TypeError, lambda: tf.Decimal(1.5)), (TypeError, lambda: tf.Decimal([1])),
                 (ValueError, lambda: tf.Decimal.from_decimal(PyDecimal("-Infinity"))),
                 (ValueError, lambda: tf.Decimal.from_decimal(PyDecimal("sNaN"))),
                 (TypeError, lambda: tf.Decimal.from_decimal("1.5")),
                 (ValueError, lambda: tf.Decimal("2.5").rounded(0, decimal.ROUND_05UP))]
        for error, call in cases:
            with self.subTest(error=error.__name__):
                self.assertRaises(error, call)

    def test_arithmetic_agrees_with_python_decimal(self):
        rng = random.Random(20240601)
        operations = [("+", CTX.add), ("-", CTX.subtract), ("*", CTX.multiply), ("/", div)]
        for _ in range(2000):
            a, b = random_value(rng), random_value(rng)
            symbol, reference = rng.choice(operations)
            x, y = tf.Decimal.from_decimal(a), tf.Decimal.from_decimal(b)
            ours = {"+": x + y, "-": x - y, "*": x * y, "/": x / y}[symbol]
            expected = reference(a, b)
            if expected.is_nan():
                self.assertTrue(ours.is_nan(), f"{a} {symbol} {b}")
            else:
                self.assertEqual(ours.to_decimal(), expected, f"{a} {symbol} {b}")

    def test_rounding_comparison_and_hashing(self):
        self.assertEqual(str(tf.Decimal("2.345").rounded(2)), "2.34")
        self.assertEqual(str(tf.Decimal("2.345").rounded(2, decimal.ROUND_HALF_UP)), "2.35")
        self.assertEqual(str(tf.Decimal("-2.341").rounded(2, decimal.ROUND_FLOOR)), "-2.35")
        self.assertEqual(tf.Decimal("1.5"), tf.Decimal("1.50"))
        self.assertEqual(hash(tf.Decimal("1.5")), hash(tf.Decimal("1.50")))
        self.assertLess(tf.Decimal("-2"), tf.Decimal("1E-30"))
        self.assertNotEqual(tf.Decimal.nan(), tf.Decimal.nan())
        self.assertFalse(tf.Decimal.nan() < tf.Decimal(1) or tf.Decimal.nan() >= tf.Decimal(1))
        self.assertFalse(tf.Decimal(0))


class ConvertTest(unittest.TestCase):
    def test_units_by_symbol_id_or_object_agree(self):
        expected = div(CTX.multiply(PyDecimal("1.5"), PyDecimal(1000)), PyDecimal("1609.344"))
        km, mi = tf.find_unit("length_km"), tf.find_unit("mi", category="length")
        for source, target in [("km", "mi"), ("length_km", "length_mi"), (km, mi), ("km", mi)]:
            with self.subTest(source=source, target=target):
                self.assertEqual(tf.convert("1.5", source, target).to_decimal(), expected)
        self.assertEqual(tf.convert(PyDecimal("1.5"), "km", "mi").to_decimal(), expected)
        self.assertEqual(tf.convert(tf.Decimal("1.5"), "km", "mi").to_decimal(), expected)

    def test_temperature_takes_its_own_formula(self):
        expected = div(CTX.multiply(CTX.subtract(PyDecimal(100), PyDecimal(32)), PyDecimal(5)), PyDecimal(9))
        self.assertEqual(tf.convert(100, "°F", "°C").to_decimal(), expected)
        self.assertEqual(str(tf.convert("-40", "temperature_°C", "temperature_°F")), "-40")

    def test_shared_symbols_resolve_by_the_other_unit_or_the_category(self):
        self.assertEqual(str(tf.convert(1, "m", "km")), "0.001")  # only length has both
        self.assertEqual(str(tf.convert(2, "m", "s")), "120")  # only duration has both
        self.assertEqual(str(tf.convert(1, "Sv", "mSv", category="effectivedose")), "1000")
        self.assertEqual(tf.find_unit("Sv", category=tf.category("equivalentdose")).id, "equivalentdose_Sv")

    def test_errors_are_python_exceptions(self):
        cases = [(ValueError, ("1.5x", "km", "mi")), (ValueError, ("", "km", "mi")),
                 (TypeError, (1.5, "km", "mi")), (KeyError, ("1", "parsex", "km")),
                 (KeyError, ("1", "km", "length_zz")), (KeyError, ("1", "km", "mi", "lengths")),
                 (KeyError, ("1", "km", "mi", "mass")), (ValueError, ("1", "km", "kg")),
                 (TypeError, ("1", 5, "mi")),
                 (KeyError, ("1", tf.find_unit("km"), "kg"))]
        for error, arguments in cases:
            with self.subTest(arguments=arguments):
                self.assertRaises(error, tf.convert, *arguments)
        self.assertRaises(KeyError, tf.find_unit, "kilomter")

    def test_a_zero_divisor_or_nan_gives_nan(self):
        # As in C++: 0 US mpg is no finite L/100km.
        self.assertTrue(tf.convert("0", "fuelvolume_US mpg", "fuelvolume_L/100km").is_nan())
        self.assertTrue(tf.convert("NaN", "km", "mi").is_nan())
        self.assertEqual(str(tf.convert("0", "fuelvolume_US mpg", "fuelvolume_US mpg")), "0")

    def test_random_conversions_agree_with_python_decimal(self):
        rng = random.Random(38)
        categories = [c for c in tf.categories() if c.raw_value not in ("currency", "temperature")]
        units = {c.raw_value: c.units for c in categories}
        failures = []
        for i in range(10000):
            category = rng.choice(categories)
            source = rng.choice(units[category.raw_value])
            # Mostly two different units; the same one now and then.
            others = [u for u in units[category.raw_value] if u.id != source.id]
            target = rng.choice(others) if others and rng.random() < 0.9 else source
            value = random_value(rng)
            text = str(value) if i % 2 else format(value, "f")
            expected = reference_convert(value, source, target)
            # Half by id, half by the Unit objects themselves.
            arguments = (source.id, target.id) if i % 3 else (source, target)
            try:
                ours = tf.convert(text, *arguments)
            except ValueError:
                if not expected.is_nan():
                    failures.append((text, source.id, target.id, "ValueError", expected))
                continue
            if expected.is_nan():
                if not ours.is_nan():
                    failures.append((text, source.id, target.id, str(ours), expected))
            elif ours.to_decimal() != expected or str(ours) != plain(expected):
                failures.append((text, source.id, target.id, str(ours), expected))
        self.assertEqual(failures[:5], [], f"{len(failures)} of 10000 conversions differ")


class UnitsFromTextTest(unittest.TestCase):
    """A sample of the resolver's table (tests/units/UnitResolverTest.cpp)."""

    FINDS = [("kilometres", None, "length_km"), ("Kilometer", None, "length_km"), ("KM", None, "length_km"),
             ("MB", None, "datastorage_MB"), ("Mb", None, "datastorage_Mb"), ("um", None, "length_\u00b5m"),
             ("\u03bcm", None, "length_\u00b5m"), ("m^2", None, "area_m\u00b2"), ("sq ft", None, "area_ft\u00b2"),
             ("degC", None, "temperature_\u00b0C"), ("C", None, "charge_C"), ("C", "temperature", "temperature_\u00b0C"),
             ("feet", None, "length_ft"), ("lbs", None, "mass_lb"), ("nmi", None, "length_n mile"),
             ("gal", None, "volume_US gal"), ("fl oz", None, "volume_US fl oz"), ("mpg", None, "fuelvolume_US mpg"),
             ("hp", None, "power_hp(I)"), ("kcal", None, "energy_kcal_IT"), ("ohm", None, "resistance_\u03a9"),
             ("Sv", None, "equivalentdose_Sv"), ("m", "duration", "duration_m")]

    def test_find_unit_reads_what_people_type(self):
        for text, category, expected in self.FINDS:
            with self.subTest(text=text):
                self.assertEqual(tf.find_unit(text, category=category).id, expected)
        for text in ["mb", "kilomter", "", "MOHM"]:
            with self.subTest(text=text):
                self.assertRaises(KeyError, tf.find_unit, text)
        with self.assertRaisesRegex(KeyError, "did you mean Kilometer"):
            tf.find_unit("kilomter")

    def test_search_ranks_for_a_search_box(self):
        self.assertEqual([u.name for u in tf.search("mile", 4)],
                         ["Mile", "Nautical Mile", "Scandinavian Mile", "Mile per Hour"])
        self.assertEqual(tf.search("kilomter", 1)[0].id, "length_km")
        self.assertEqual(len(tf.search("mile", limit=2)), 2)
        self.assertEqual(tf.search("xyzzyq"), [])

    def test_convert_reads_a_phrase(self):
        km_mi = div(CTX.multiply(PyDecimal("1.5"), PyDecimal(1000)), PyDecimal("1609.344"))
        for phrase in ["1.5 km to mi", "1.5km in mi", "1.5 km -> mi", "1.5 km \u2192 mi", "1.5km mi",
                       "\u0661\u066b\u0665 km mi", "\u06f1\u066b\u06f5 km to mi", "1.5 kilometres to miles"]:
            with self.subTest(phrase=phrase):
                self.assertEqual(tf.convert(phrase).to_decimal(), km_mi)
        self.assertEqual(str(tf.convert("5 ft 11 in to cm")), "180.34")  # 5 × 30.48 + 11 × 2.54
        expected = div(CTX.multiply(CTX.subtract(PyDecimal(100), PyDecimal(32)), PyDecimal(5)), PyDecimal(9))
        self.assertEqual(tf.convert("100 F to C").to_decimal(), expected)
        self.assertEqual(str(tf.convert("1 Sv mSv", category="effectivedose")), "1000")

    def test_convert_takes_any_unit_text(self):
        km_mi = div(CTX.multiply(PyDecimal("1.5"), PyDecimal(1000)), PyDecimal("1609.344"))
        self.assertEqual(tf.convert("1.5", "kilometer", "mi").to_decimal(), km_mi)
        self.assertEqual(tf.convert("1.5", "KM", "miles").to_decimal(), km_mi)
        self.assertEqual(str(tf.convert(100, "F", "C")), str(tf.convert("100 \u00b0F to \u00b0C")))
        self.assertEqual(str(tf.convert(1, "Sv", "mSv")), "1000")  # the earlier category, by the rule
        self.assertEqual(str(tf.convert(1, tf.find_unit("duration_h"), "m")), "60")  # the Unit decides: minutes
        self.assertRaises(KeyError, tf.convert, 1, tf.find_unit("length_m"), "min")

    def test_phrase_failures_say_what_failed(self):
        with self.assertRaisesRegex(KeyError, "kilomter.*did you mean Kilometer"):
            tf.convert("1.5 kilomter mi")
        with self.assertRaisesRegex(ValueError, "Kilometer, Length.*Kilogram, Mass"):
            tf.convert("1 km kg")
        with self.assertRaisesRegex(KeyError, "exchange rates"):
            tf.convert("100 USD EUR")
        self.assertRaises(ValueError, tf.convert, "km to mi")
        self.assertRaises(ValueError, tf.convert, "1 km")
        self.assertRaises(TypeError, tf.convert, 1.5)

class ConvertAllTest(unittest.TestCase):
    def test_every_category_agrees_with_python_decimal(self):
        rng = random.Random(651)
        failures = []
        for category in tf.categories():
            if category.raw_value in ("currency", "temperature"):
                continue
            units = category.units
            source = rng.choice(units)
            value = random_value(rng)
            results = tf.convert_all(str(value), source)
            self.assertEqual(len(results), len(units))
            for target, ours in zip(units, results):
                expected = reference_convert(value, source, target)
                if expected.is_nan() != (ours is None) or (ours is not None and ours.to_decimal() != expected):
                    failures.append((str(value), source.id, target.id, ours, expected))
        self.assertEqual(failures[:5], [], f"{len(failures)} results differ")

    def test_temperature_scales_from_one_value(self):
        results = tf.convert_all(100, "°C")
        self.assertEqual([str(r) for r in results], ["373.15", "100", "212", "671.67", "80", "60", "33", "0"])

    def test_chosen_targets_by_symbol_id_or_object(self):
        kg = tf.find_unit("mass_kg")
        results = tf.convert_all("1.5", "km", ["mi", "length_m", kg, "km"])
        expected = div(CTX.multiply(PyDecimal("1.5"), PyDecimal(1000)), PyDecimal("1609.344"))
        self.assertEqual(results[0].to_decimal(), expected)
        self.assertEqual(str(results[1]), "1500")
        self.assertIsNone(results[2])  # another category
        self.assertEqual(str(results[3]), "1.5")
        self.assertEqual(tf.convert_all(1, "Sv", ["mSv"], category="effectivedose")[0], tf.Decimal(1000))
        self.assertEqual(tf.convert_all(1, "km", []), [])
        # "m" is metre and minute; the earlier category decides, as in find_unit.
        self.assertEqual(len(tf.convert_all(1, "m")), len(tf.category("length").units))

    def test_no_result_is_none_and_bad_arguments_raise(self):
        units = tf.category("fuelvolume").units
        inverse = [unit for unit in units if unit.inverse]
        results = tf.convert_all("0", [unit for unit in units if not unit.inverse][0], inverse)
        self.assertTrue(results)
        self.assertTrue(all(r is None for r in results))  # a zero divisor
        cases = [(ValueError, ("1.5x", "km")), (TypeError, (1.5, "km")), (KeyError, ("1", "parsex")),
                 (KeyError, ("1", "km", ["kg"])), (TypeError, ("1", "km", 5))]
        for error, arguments in cases:
            with self.subTest(arguments=arguments):
                self.assertRaises(error, tf.convert_all, *arguments)


class CategoryTest(unittest.TestCase):
    def test_categories_and_their_names(self):
        categories = tf.categories()
        self.assertEqual(len(categories), 74)
        self.assertEqual(len({c.raw_value for c in categories}), 74)
        self.assertEqual((categories[0].raw_value, categories[1].raw_value), ("currency", "length"))
        self.assertEqual(tf.category("duration").display_name, "Time")
        self.assertEqual(tf.category("current").display_name, "Electric Current")
        self.assertEqual(tf.category("length"), categories[1])
        for raw in ["Length", " length", ""]:
            self.assertRaises(KeyError, tf.category, raw)

    def test_units_carry_their_table_fields(self):
        units = tf.category("length").units
        self.assertEqual(len(units), 36)
        km = units[1]
        self.assertEqual((km.id, km.name, km.symbol), ("length_km", "Kilometer", "km"))
        self.assertEqual((km.coefficient.to_decimal(), km.base_numerator.to_decimal()), (1000, PyDecimal("0.001")))
        self.assertEqual((km.inverse, km.offset.is_zero(), km.is_base_unit), (False, True, False))
        self.assertTrue(units[4].is_base_unit and units[4].symbol == "m")
        self.assertIsNone(tf.find_unit("length_mi").base_numerator)
        self.assertEqual(tf.category("length").default_unit.category, tf.category("length"))
        self.assertEqual(len({tf.find_unit("km"), tf.find_unit("length_km"), km}), 1)


class ExchangeRatesTest(unittest.TestCase):
    JSON = ('{"baseCode": "USD", "timeLastUpdateUnix": 1735689600, "timeNextUpdateUnix": null,'
            ' "rates": {"USD": 1, "EUR": 0.9612, "JPY": 157.23, "GBP": 0.7987, "XXX": 2, "ZWG": 0}}')

    def setUp(self):
        self.rates = tf.ExchangeRates.from_json(self.JSON)

    def via_base(self, amount, rate_from, rate_to):
        base = CTX.add(CTX.multiply(PyDecimal(amount), div(PyDecimal(1), PyDecimal(rate_from))), PyDecimal(0))
        return CTX.multiply(base, PyDecimal(rate_to))

    def test_snapshot_fields(self):
        self.assertEqual((self.rates.base_code, self.rates.time_last_update), ("USD", 1735689600))

    def test_converts_through_the_base_with_each_step_rounded(self):
        cases = [("100", "EUR", "JPY", "0.9612", "157.23"), ("2.5", "GBP", "EUR", "0.7987", "0.9612"),
                 ("1", "JPY", "USD", "157.23", "1")]
        for amount, source, target, rate_from, rate_to in cases:
            with self.subTest(source=source, target=target):
                expected = self.via_base(amount, rate_from, rate_to)
                self.assertEqual(self.rates.convert(amount, source, target).to_decimal(), expected)
        self.assertEqual(str(self.rates.convert("12.5", "EUR", "EUR")), "12.5")

    def test_currency_units_of_the_process_stay_empty(self):
        self.assertEqual(tf.category("currency").units, [])

    def test_errors(self):
        cases = [(KeyError, ("1", "CHF", "EUR")), (KeyError, ("1", "eur", "JPY")), (KeyError, ("1", "XXX", "EUR")),
                 (ValueError, ("1", "ZWG", "EUR")), (ValueError, ("x", "EUR", "JPY")),
                 (TypeError, (1.0, "EUR", "JPY"))]
        for error, arguments in cases:
            with self.subTest(arguments=arguments):
                self.assertRaises(error, self.rates.convert, *arguments)
        for text, key in [("nope", "invalid JSON"), ('{"baseCode": "USD", "timeLastUpdateUnix": 1}', "rates"),
                          ('{"baseCode": "USD", "timeLastUpdateUnix": 1, "rates": {"EUR": "1"}}', "rates.EUR")]:
            with self.subTest(text=text):
                with self.assertRaisesRegex(ValueError, key):
                    tf.ExchangeRates.from_json(text)


if __name__ == "__main__":
    unittest.main()
