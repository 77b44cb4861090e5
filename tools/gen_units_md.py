#!/usr/bin/env python3
"""Writes docs/units.md from the library itself (through the talfoundation
Python module): every category and every unit with its name, symbol, id,
factor to the category's base unit, offset and whether it is inverse.

Beside a factor that differs from the value defined for the unit (SI, the
1959 international yard and pound, NIST SP 811 Appendix B), the page gives
the defined value. The factors stay as the library's tables give them.

Usage: gen_units_md.py [--check] [OUTPUT]   (default: docs/units.md)
--check writes nothing and exits 1 when OUTPUT is not what the library gives.
Needs the module on PYTHONPATH (build/<preset>/python).
"""

import decimal
import pathlib
import sys

import talfoundation as tf

D = decimal.Decimal
EXACT = decimal.Context(prec=80)
LIBRARY = decimal.Context(prec=38, rounding=decimal.ROUND_HALF_EVEN)
PI = D("3.14159265358979323846264338327950288419716939937510582097494459230781640628620899")

# Definitions the page is checked against, as exact arithmetic (80 digits).
IN = D("0.0254")
FT = D("0.3048")
LB = D("0.45359237")
GN = D("9.80665")
LBF = EXACT.multiply(LB, GN)
FT2 = FT * FT
IN2 = IN * IN
FT3 = FT * FT * FT
US_GAL_L = D("3.785411784")
IMP_GAL_L = D("4.54609")
BTU_IT = D("1055.05585262")
# Thermochemical BTU: 4.184 J/cal × 453.59237 g/lb × 5/9 K/°F.
BTU_TH = EXACT.divide(D("4.184") * D("453.59237") * 5, D(9))
AU = D("149597870700")
JULIAN_YEAR = D("31557600")


def q(a, b):
    return EXACT.divide(a, b)


# unit id -> (defined value in the category's base unit, where it comes from)
DEFINED = {
    "length_in": (IN, "international inch"),
    "length_ft": (FT, "international foot"),
    "length_yd": (D("0.9144"), "international yard"),
    "length_ftm": (6 * FT, "6 ft"),
    "length_rd": (D("16.5") * FT, "16.5 ft"),
    "length_ch": (66 * FT, "66 ft"),
    "length_fur": (660 * FT, "660 ft"),
    "length_mi": (5280 * FT, "5280 ft"),
    "length_n mile": (D(1852), "international nautical mile"),
    "length_au": (AU, "IAU 2012"),
    "length_ly": (EXACT.multiply(D(299792458), JULIAN_YEAR), "c × Julian year"),
    "length_pc": (q(AU * 648000, PI), "au × 648 000 / π"),
    "mass_lb": (LB, "international pound"),
    "mass_oz": (q(LB, 16), "lb / 16"),
    "mass_oz t": (D("0.0311034768"), "troy ounce, 480 grains"),
    "mass_st": (14 * LB, "14 lb"),
    "mass_ton (US)": (2000 * LB, "2000 lb"),
    "mass_ton (UK)": (2240 * LB, "2240 lb"),
    "mass_ct": (D("0.0002"), "metric carat"),
    "mass_slug": (q(LBF, FT), "lbf·s²/ft"),
    "duration_m": (D(60), "60 s"),
    "duration_h": (D(3600), "3600 s"),
    "duration_d": (D(86400), "86 400 s"),
    "duration_wk": (D(604800), "7 d"),
    "duration_a": (JULIAN_YEAR, "365.25 d"),
    "duration_a_g": (D(31556952), "365.2425 d"),
    "speed_mph": (q(5280 * FT, 3600), "mi/h"),
    "speed_kn": (q(D(1852), 3600), "nautical mile per hour"),
    "speed_km/h": (q(D(1000), 3600), "km/h"),
    "acceleration_g": (GN, "standard gravity"),
    "acceleration_ft/s²": (FT, "ft/s²"),
    "angle_rad": (q(D(180), PI), "180° / π"),
    "area_in²": (IN2, "in²"),
    "area_ft²": (FT2, "ft²"),
    "area_yd²": (D("0.9144") ** 2, "yd²"),
    "area_mi²": ((5280 * FT) ** 2, "mi²"),
    "area_ac": (43560 * FT2, "43 560 ft²"),
    "volume_in³": (IN * IN * IN * 1000, "in³ in litres"),
    "volume_ft³": (FT3 * 1000, "ft³ in litres"),
    "volume_yd³": (D("0.9144") ** 3 * 1000, "yd³ in litres"),
    "volume_US gal": (US_GAL_L, "231 in³"),
    "volume_US qt": (q(US_GAL_L, 4), "gal / 4"),
    "volume_US pt": (q(US_GAL_L, 8), "gal / 8"),
    "volume_US cup": (q(US_GAL_L, 16), "gal / 16"),
    "volume_US fl oz": (q(US_GAL_L, 128), "gal / 128"),
    "volume_US tbsp": (q(US_GAL_L, 256), "fl oz / 2"),
    "volume_US tsp": (q(US_GAL_L, 768), "fl oz / 6"),
    "volume_imp gal": (IMP_GAL_L, "imperial gallon"),
    "volume_imp qt": (q(IMP_GAL_L, 4), "gal / 4"),
    "volume_imp pt": (q(IMP_GAL_L, 8), "gal / 8"),
    "volume_imp fl oz": (q(IMP_GAL_L, 160), "gal / 160"),
    "volume_imp bu": (8 * IMP_GAL_L, "8 gal"),
    "volume_bbl": (42 * US_GAL_L, "42 US gal"),
    "volume_af": (43560 * FT3 * 1000, "43 560 ft³ (international foot)"),
    "pressure_atm": (D(101325), "standard atmosphere"),
    "pressure_Torr": (q(D(101325), 760), "atm / 760"),
    "pressure_mmHg": (D("13595.1") * GN * D("0.001"), "conventional: 13.5951 g/cm³ × gₙ × 1 mm"),
    "pressure_inHg": (D("13595.1") * GN * IN, "conventional: 13.5951 g/cm³ × gₙ × 1 in"),
    "pressure_mmH₂O": (GN, "conventional: 1 g/cm³ × gₙ × 1 mm"),
    "pressure_inH₂O": (1000 * GN * IN, "conventional: 1 g/cm³ × gₙ × 1 in"),
    "pressure_psi": (q(LBF, IN2), "lbf/in²"),
    "energy_eV": (D("1.602176634E-19"), "SI 2019"),
    "energy_erg": (D("1E-7"), "CGS"),
    "energy_cal_IT": (D("4.1868"), "IT calorie"),
    "energy_cal_th": (D("4.184"), "thermochemical calorie"),
    "energy_BTU_IT": (BTU_IT, "IT BTU"),
    "energy_BTU_th": (BTU_TH, "4.184 J/cal × 453.59237 g/lb × 5/9"),
    "energy_MMBTU_th": (BTU_TH * 1000000, "10⁶ BTU (thermochemical)"),
    "energy_ft·lb": (FT * LBF, "ft·lbf"),
    "energy_tTNT": (D("4.184E9"), "10⁹ cal_th"),
    "energy_toe": (D("4.1868E10"), "10¹⁰ cal_IT"),
    "force_lbf": (LBF, "lb × gₙ"),
    "force_ozf": (q(LBF, 16), "lbf / 16"),
    "force_gf": (GN / 1000, "g × gₙ"),
    "force_tf": (GN * 1000, "t × gₙ"),
    "force_tonf (US)": (2000 * LBF, "2000 lbf"),
    "force_tonf (UK)": (2240 * LBF, "2240 lbf"),
    "torque_lbf·ft": (LBF * FT, "lbf·ft"),
    "torque_lbf·in": (LBF * IN, "lbf·in"),
    "torque_ozf·in": (q(LBF * IN, 16), "ozf·in"),
    "illuminance_fc": (q(D(1), FT2), "lm/ft²"),
    "luminance_fL": (q(D(1), PI * FT2), "cd/(π ft²)"),
    "density_lb/ft³": (q(LB, FT3), "lb/ft³"),
    "density_lb/in³": (q(LB, IN * IN * IN), "lb/in³"),
    "density_lb/US gal": (q(LB * 1000, US_GAL_L), "lb/gal"),
    "density_lb/imp gal": (q(LB * 1000, IMP_GAL_L), "lb/gal"),
    "dynamicviscosity_lbf·s/ft²": (q(LBF, FT2), "lbf·s/ft²"),
    "kinematicviscosity_ft²/s": (FT2, "ft²/s"),
    "thermalconductivity_BTU_IT/(ft·h·°F)": (q(BTU_IT * 9, FT * 3600 * 5), "BTU_IT/(ft·h·°F)"),
    "specificheatcapacity_BTU_IT/(lb·°F)": (D("4186.8"), "BTU_IT/(lb·°F)"),
    "specificheatcapacity_BTU_th/(lb·°F)": (D("4184"), "BTU_th/(lb·°F) = 4.184 J/(g·K)"),
    "heatcapacity_BTU_IT/°R": (q(BTU_IT * 9, D(5)), "BTU_IT/°R"),
    "heatcapacity_BTU_th/°R": (q(BTU_TH * 9, D(5)), "BTU_th/°R"),
    "momentofinertia_lb·ft²": (LB * FT2, "lb·ft²"),
    "momentofinertia_lb·in²": (LB * IN2, "lb·in²"),
    "radioactivity_Ci": (D("3.7E10"), "curie"),
    "exposure_R": (D("2.58E-4"), "röntgen"),
    "absorbeddose_rad": (D("0.01"), "rad"),
}


def cell(text):
    return str(text).replace("|", "\\|")


def plain(value):
    """A defined value as the page writes it: plain digits, 20 significant
    at most (≈ marks a cut one)."""
    rounded = decimal.Context(prec=20).plus(value)
    text = format(rounded.normalize(), "f") if abs(rounded.adjusted()) < 25 else str(rounded.normalize())
    return ("≈ " if rounded != value else "") + text


def check(unit):
    """(matches, note): None when there is no defined value for the unit."""
    defined = DEFINED.get(unit.id)
    if defined is None:
        return None, ""
    value, source = defined
    factor = unit.coefficient.to_decimal()
    if factor == LIBRARY.plus(value):
        return True, ""
    # A rounded constant is close; anything further off is a wrong factor.
    kind = "rounded" if abs(EXACT.divide(factor - value, value)) < D("1E-3") else "**differs**"
    return False, f"{kind}; defined: {plain(value)} ({source})"


def render():
    rows_checked = 0
    differing = []
    sections = []
    for category in tf.categories():
        units = category.units
        if not units:
            continue
        base = [u for u in units if u.is_base_unit]
        lines = [f"## {category.display_name} (`{category.raw_value}`)", ""]
        if base:
            lines.append(f"Base unit: {base[0].name} (`{base[0].symbol}`). {len(units)} units.")
        else:
            lines.append(f"{len(units)} units.")
        lines += ["", "| Name | Symbol | Id | Factor to base | Offset | Inverse | Defined value |",
                  "| --- | --- | --- | --- | --- | --- | --- |"]
        for unit in units:
            matches, note = (None, "") if unit.inverse else check(unit)
            if matches is not None:
                rows_checked += 1
                if not matches:
                    differing.append(unit)
            offset = "" if unit.offset.is_zero() else str(unit.offset)
            lines.append(f"| {cell(unit.name)} | {cell(unit.symbol)} | `{cell(unit.id)}` | {unit.coefficient} | "
                         f"{offset} | {'yes' if unit.inverse else ''} | {cell(note)} |")
        sections.append("\n".join(lines))
    total = sum(len(c.units) for c in tf.categories())
    header = [
        "# Units",
        "",
        "<!-- Generated by tools/gen_units_md.py from the library; the test suite checks it is current. -->",
        "",
        f"{total} units in {len(sections)} categories (currency units come from exchange-rate snapshots and "
        "are not listed). A value in a unit is multiplied by the factor (then the offset is added) to give "
        "the category's base unit; an inverse unit's value is the factor divided by the base-unit value "
        "(fuel economy). Factors are exact decimals of up to 38 significant digits, as the tables give them.",
        "",
        f"**Defined values.** {rows_checked} units were checked against their definitions (SI, the 1959 "
        "international yard and pound, NIST SP 811 Appendix B). "
        f"{rows_checked - len(differing)} match to all 38 digits; {len(differing)} do not, and are marked in "
        "the last column with the defined value (\"rounded\" for a rounded constant, \"differs\" for a factor "
        "further off than that):",
        "",
    ]
    for unit in differing:
        header.append(f"- {unit.name} (`{unit.id}`): {unit.coefficient}; {check(unit)[1]}")
    return "\n".join(header) + "\n\n" + "\n\n".join(sections) + "\n"


def main(argv):
    args = [a for a in argv[1:] if a != "--check"]
    output = pathlib.Path(args[0]) if args else pathlib.Path(__file__).resolve().parent.parent / "docs" / "units.md"
    text = render()
    if "--check" in argv:
        current = output.read_text(encoding="utf-8") if output.exists() else ""
        if current != text:
            print(f"{output} is not current: run tools/gen_units_md.py")
            return 1
        return 0
    output.write_text(text, encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
