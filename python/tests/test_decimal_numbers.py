"""talfoundation.Decimal among Python's numbers: int and decimal.Decimal in
arithmetic and comparison, int(), round(), float(), math.floor/ceil, hashing
and repr. Expected values are worked out with Python's decimal module."""

import decimal
import math
import operator
from decimal import Decimal as PyDecimal

import pytest

import talfoundation as tf

CTX = decimal.Context(prec=38, rounding=decimal.ROUND_HALF_EVEN, traps=[])
D = tf.Decimal
OPERATIONS = {"+": operator.add, "-": operator.sub, "*": operator.mul, "/": operator.truediv}
REFERENCE = {"+": CTX.add, "-": CTX.subtract, "*": CTX.multiply, "/": CTX.divide}


@pytest.mark.parametrize("symbol", list(OPERATIONS))
@pytest.mark.parametrize("left, right", [
    (D("1.5"), 2), (2, D("1.5")), (D("-7"), 3), (10, D("3")),
    (D("0.1"), PyDecimal("0.2")), (PyDecimal("1E+20"), D("3")),
    (D("12345678901234567890"), 98765432109876543210),
])
def test_arithmetic_mixes_with_int_and_python_decimal(symbol, left, right):
    result = OPERATIONS[symbol](left, right)
    assert isinstance(result, tf.Decimal)
    as_python = [x.to_decimal() if isinstance(x, tf.Decimal) else PyDecimal(x) for x in (left, right)]
    assert result.to_decimal() == REFERENCE[symbol](*as_python)


def test_long_operands_are_rounded_to_38_digits_first():
    # 41 digits; the 39th is the first cut: 4 rounds down, 6 up.
    assert (D(0) + (10**40 + 400)).to_decimal() == PyDecimal("1E+40")
    assert (D(0) + (10**40 + 600)).to_decimal() == PyDecimal("1.0000000000000000000000000000000000001E+40")
    assert (PyDecimal("1.00000000000000000000000000000000000005") + D(0)).to_decimal() == PyDecimal(1)


@pytest.mark.parametrize("value", [1.5, "1", [1], None])
def test_other_operands_are_refused(value):
    with pytest.raises(TypeError):
        D(1) + value
    with pytest.raises(TypeError):
        value * D(1)


def test_division_by_zero_gives_nan_whatever_the_zero():
    for zero in (0, PyDecimal(0), D(0)):
        assert (D(1) / zero).is_nan()
    assert (1 / D(0)).is_nan()


@pytest.mark.parametrize("ours, other, relation", [
    (D(1), 1, "=="), (D("1.0"), 1, "=="), (D("1.5"), PyDecimal("1.50"), "=="), (D("0.5"), 0.5, "=="),
    (D("0.1"), 0.1, "<"),  # the float 0.1 is 0.1000000000000000055511151231257827...
    (D(2), 3, "<"), (D("-2.5"), -2, "<"), (D("3"), PyDecimal("2.99999999999999999999"), ">"),
    # Exact, not rounded to 38 digits: 10**40 + 1 is greater than 1E+40.
    (D("1E+40"), 10**40 + 1, "<"),
])
def test_comparison_is_exact_both_ways(ours, other, relation):
    checks = {"==": (operator.eq, operator.eq), "<": (operator.lt, operator.gt), ">": (operator.gt, operator.lt)}
    forward, backward = checks[relation]
    assert forward(ours, other)
    assert backward(other, ours)
    assert (ours != other) == (relation != "==")
    assert (other != ours) == (relation != "==")


@pytest.mark.parametrize("other", [D.nan(), PyDecimal("NaN"), float("nan"), 1, PyDecimal(1), D(1)])
def test_nan_is_unordered_and_unequal(other):
    nan = D.nan()
    assert not nan == other and nan != other
    assert not (nan < other or nan <= other or nan > other or nan >= other)
    assert not (other < nan or other > nan)


def test_ordering_with_other_types_is_refused():
    with pytest.raises(TypeError):
        D(1) < "2"
    assert D(1) != "1"


def test_equal_values_hash_alike():
    assert hash(D(1)) == hash(1) == hash(PyDecimal("1.00"))
    assert hash(D("1.5")) == hash(PyDecimal("1.5")) == hash(1.5)
    assert hash(D("-7E+5")) == hash(-700000)
    assert {D(2): "two"}[2] == "two"
    assert len({D(3), 3, PyDecimal("3.0")}) == 1
    assert hash(D.nan()) == hash(D.nan())


@pytest.mark.parametrize("text, truncated, rounded, floor, ceil", [
    ("2.7", 2, 3, 2, 3), ("-2.7", -2, -3, -3, -2), ("2.5", 2, 2, 2, 3), ("3.5", 3, 4, 3, 4),
    ("-2.5", -2, -2, -3, -2), ("0.4", 0, 0, 0, 1), ("-0.4", 0, 0, -1, 0), ("7", 7, 7, 7, 7),
    ("1.2345678901234567890123456789012345678E+37", 12345678901234567890123456789012345678,
     12345678901234567890123456789012345678, 12345678901234567890123456789012345678,
     12345678901234567890123456789012345678),
    ("9E+50", 9 * 10**50, 9 * 10**50, 9 * 10**50, 9 * 10**50),
])
def test_integer_conversions(text, truncated, rounded, floor, ceil):
    value = D(text)
    assert int(value) == truncated and type(int(value)) is int
    assert math.trunc(value) == truncated
    assert round(value) == rounded and type(round(value)) is int
    assert math.floor(value) == floor
    assert math.ceil(value) == ceil


def test_round_with_digits_gives_a_decimal_half_to_even():
    assert str(round(D("2.345"), 2)) == "2.34"
    assert str(round(D("2.355"), 2)) == "2.36"
    assert str(round(D("-1.25"), 1)) == "-1.2"
    assert isinstance(round(D("2.345"), 2), tf.Decimal)
    assert round(D.nan(), 2).is_nan()


def test_nan_has_no_integer():
    for convert in (int, round, math.floor, math.ceil, math.trunc):
        with pytest.raises(ValueError):
            convert(D.nan())


def test_float_is_the_nearest_double():
    assert float(D("0.1")) == 0.1
    assert float(D("-1E-300")) == -1e-300
    assert float(D("123456789012345678901234567890")) == 1.2345678901234568e29
    assert math.isnan(float(D.nan()))


def test_repr_names_the_type():
    assert repr(D("1.50")) == "talfoundation.Decimal('1.5')"
    assert repr(D(-3)) == "talfoundation.Decimal('-3')"
    assert repr(D.nan()) == "talfoundation.Decimal('NaN')"
    assert repr(D("1.5")) != repr(PyDecimal("1.5"))


def test_sign_and_magnitude():
    assert str(-D("1.5")) == "-1.5"
    assert str(+D("1.5")) == "1.5"
    assert str(abs(D("-1.5"))) == "1.5"
    assert abs(D.nan()).is_nan()
    assert sum([D("0.1"), D("0.2"), 1]) == PyDecimal("1.3")
