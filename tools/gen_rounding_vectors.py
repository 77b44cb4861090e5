#!/usr/bin/env python3
"""Write tests/data/decimal_rounding_vectors.txt: Decimal::rounded in all
seven modes, checked against Python's Decimal.quantize.

Each line is "value<TAB>fractionDigits<TAB>mode<TAB>expected". The value has
at most 38 significant digits; expected is value.quantize(1E-fractionDigits)
in that mode, exactly (the result needs no more than 38 digits), with our
range applied on top: NaN above 1E+999999, zero below 1E-999999. A value
that already has no more fraction digits is expected back unchanged.

    python3 tools/gen_rounding_vectors.py [output-path]

Byte-identical on every run: one fixed seed, no clock.
"""

import decimal
import os
import random
import sys
from decimal import Decimal as D

SEED = 20261207
MAX_ADJ = 999999
EXACT = decimal.Context(prec=200, Emax=decimal.MAX_EMAX, Emin=decimal.MIN_EMIN, traps=[decimal.InvalidOperation])

MODES = [("halfUp", decimal.ROUND_HALF_UP), ("halfEven", decimal.ROUND_HALF_EVEN),
         ("halfDown", decimal.ROUND_HALF_DOWN), ("down", decimal.ROUND_DOWN),
         ("up", decimal.ROUND_UP), ("ceiling", decimal.ROUND_CEILING), ("floor", decimal.ROUND_FLOOR)]


def ours(x):
    """Our type's view of a result: NaN past the top of the range, zero below."""
    if x.is_zero():
        return "0"
    if x.adjusted() > MAX_ADJ:
        return "NaN"
    if x.adjusted() < -MAX_ADJ:
        return "0"
    return str(x.normalize(EXACT))


def expected(value, fd, mode):
    if value.is_zero() or value.as_tuple().exponent >= -fd:
        return ours(value)
    q = value.quantize(D(1).scaleb(-fd, EXACT), rounding=mode, context=EXACT)
    return ours(q)


def random_value(r):
    nd = r.choice([1, 1, 2, 3, 5, 9, 17, 19, 20, 37, 38, 38])
    digits = [r.randrange(1, 10)] + [r.randrange(10) for _ in range(nd - 1)]
    shape = r.random()
    if shape < 0.25 and nd > 1:
        digits[-1] = 5  # an exact tie at the last place
    elif shape < 0.35 and nd > 2:
        digits[-2:] = [5, 0]  # a tie followed by a zero
    elif shape < 0.45 and nd > 1:
        digits[1:] = [9] * (nd - 1)  # rounding up carries through
    coeff = int("".join(map(str, digits)))
    exp = r.choice([r.randrange(-45, 10), r.randrange(-45, 10), r.randrange(-1000037, -999950),
                    r.randrange(999950 - nd, 1000000 - nd)])
    sign = 1 if r.random() < 0.5 else 0
    value = D((sign, tuple(int(c) for c in str(coeff)), exp))
    # Only values our type holds as they are.
    return value if -MAX_ADJ <= value.adjusted() <= MAX_ADJ else random_value(r)


def random_fraction_digits(r, value):
    t = value.as_tuple()
    low = -t.exponent  # digits after the point the value has
    high_place = value.adjusted()
    pick = r.random()
    if pick < 0.7:
        return r.randrange(-high_place - 3, low + 2)  # a cut inside the digits or just outside
    if pick < 0.85:
        return r.choice([-high_place - 1, -high_place, -high_place + 1])  # at the leading digit
    return r.choice([-1000005, -999999, -999998, 999999, 1000040, 0, -40, 40])


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "tests", "data", "decimal_rounding_vectors.txt")
    r = random.Random(SEED)
    lines = ["# value\tfractionDigits\tmode\texpected (tools/gen_rounding_vectors.py)"]
    # Hand-picked: the classic ties and carries in every mode.
    fixed = [("2.5", 0), ("-2.5", 0), ("3.5", 0), ("-3.5", 0), ("2.51", 0), ("-2.49", 0), ("0.05", 1),
             ("9.99", 1), ("-9.99", 1), ("123.456", -1), ("150", -2), ("-150", -2), ("0.5", 0), ("0.4", 0),
             ("1E-10", 2), ("-1E-10", 2), ("99999999999999999999999999999999999999", -38), ("5E+999999", -999999),
             ("5E+999999", -1000000), ("1.5", 1000000), ("0", 3)]
    cases = [(D(v), fd) for v, fd in fixed]
    for _ in range(3000):
        v = random_value(r)
        cases.append((v, random_fraction_digits(r, v)))
    for v, fd in cases:
        for name, mode in MODES:
            lines.append(f"{v}\t{fd}\t{name}\t{expected(v, fd, mode)}")
    with open(out, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines) + "\n")
    print(f"{len(lines) - 1} vectors -> {out}")


if __name__ == "__main__":
    main()
