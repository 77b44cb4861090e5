#!/usr/bin/env python3
"""Write docs/performance.md from the Google Benchmark JSON output of
decimal_bench, units_bench and compare_bench.

    python3 tools/gen_performance_md.py [--note TEXT] [--time cpu|real]
        [-o docs/performance.md] RESULTS.json...

Runs made with --benchmark_repetitions=N are summarised by their median
(the "median" aggregate when the file has one, else the median of the
repetitions). It also draws the peers' conversion times as an SVG chart
beside the page when matplotlib is installed; without it the page is written
all the same, with no chart. Otherwise only the standard library is used;
`--self-test` runs the examples in this file.
"""

import argparse
import json
import os
import platform
import statistics
import sys

# Our figures and what they should stay under: a target every release has to
# meet and a goal we work toward. Each names the benchmark that measures it,
# the clock that counts (wall time where a caller waits on other threads) and,
# where there is one, the same work in double, with the largest multiple of
# it the target allows (None: no such limit).
TARGETS = [
    # (what, benchmark, target ns, goal ns, clock, double baseline[, × double at most])
    ("Decimal add", "BM_DecimalAdd", 15, 8, "cpu", "BM_DoubleAdd"),
    ("Decimal multiply, 38 digits", "BM_DecimalMultiply38Digits", 25, 10, "cpu", "BM_DoubleMultiply"),
    ("Decimal divide, 38 digits", "BM_DecimalDivide38Digits", 80, 30, "cpu", "BM_DoubleDivide"),
    ("Decimal::fromString, 15-digit text", "BM_DecimalFromString", 60, 25, "cpu", "BM_DoubleFromChars"),
    ("Decimal::description()", "BM_DecimalDescription", 100, 40, "cpu", "BM_DoubleToChars"),
    ("convert, generic road, 38-digit value (km → mi)", "BM_ConvertGeneric38Digits", 80, 40, "cpu",
     "BM_DoubleKilometresToMiles", 12),
    ("convert, temperature (°F → °C)", "BM_ConvertFahrenheitToCelsius", 150, 60, "cpu",
     "BM_DoubleFahrenheitToCelsius", 12),
    ("convert, angle (° → rad)", "BM_ConvertDegreesToRadians", 150, 60, "cpu", "BM_DoubleDegreesToRadians", 15),
    ("convert 1.5 m to all 36 length units in one call (≤ 20 ns a unit)", "BM_ConvertLengthToAllUnits", 720, 720,
     "cpu", "BM_DoubleLengthToAllUnits"),
    ("convert 1.5 to all 651 units, each category's base unit to its own units", "BM_ConvertAllCategoriesToAllUnits",
     12_000, 12_000, "cpu", None),
    ("convertValue round trip (submit + get), wall time", "BM_ConvertValueRoundTrip", 20_000, 20_000, "real", None),
    ("getUnits() over all 74 categories", "BM_AllCategoriesGetUnits", 50_000, 50_000, "cpu",
     "BM_DoubleAllCategoriesCopyLists"),
    ("TalUnitCategory::fromRawValue", "BM_CategoryFromRawValue", 30, 30, "cpu", None),
]

# Why a figure stays above its goal, shown under the table for every goal
# the run misses. Kept beside the targets so both change together.
WHY_MISSED = {
    "BM_DecimalAdd": "two 38-digit operands at one exponent carry into a 39th digit, so the sum is rounded: "
                     "a divide by ten across two words (by the inverse of 5, without a hardware divide) and the "
                     "sign and range handling that double does in hardware. Operands at different exponents are "
                     "aligned first (`BM_DecimalAddShifted`, `BM_DecimalAddFarApart`).",
    "BM_DecimalMultiply38Digits": "two 38-digit coefficients (the form of every rounded result) make a product "
                                  "of 75 or 76 digits, cut by a constant reciprocal: eleven word multiplications "
                                  "(four for the product, four for the estimate, three for the remainder that "
                                  "settles it and the rounding) and about 135 instructions, which the loop runs at "
                                  "about 5 a cycle, so the goal is within a few cycles of it and a busy host "
                                  "crosses it. Coefficients of other lengths count the product's digits first; a "
                                  "one-word factor takes a shorter road (`BM_DecimalMultiplyShortByLong`).",
    "BM_DecimalDivide38Digits": "a long division of a 76-digit dividend by a two-word divisor: two quotient words, "
                                "each estimated with a reciprocal of the divisor's top word (itself a hardware "
                                "divide) and corrected in turn. A divisor prepared once divides by one "
                                "multiplication (`BM_DecimalDividePrepared38Digits`).",
    "BM_DecimalFromString": "a text of up to 19 digits is read into one word, one digit at a time; longer ones "
                            "keep the rounding state for a 39th digit. The optional result is 32 bytes.",
    "BM_DecimalDescription": "the text is longer than the 15 bytes a std::string holds inline, so each call "
                             "allocates; the digits themselves take a few nanoseconds.",
    "BM_ConvertGeneric38Digits": "the kilometre's 1000 folds into the mile's factor and the division by 1.609344 "
                                 "is one multiplication by its prepared binary reciprocal; what is left is "
                                 "widening the dividend, the remainder that decides the rounding, and the call.",
    "BM_ConvertValueRoundTrip": "the caller sleeps in future::get until a pool thread delivers; waking it costs "
                                "more than the conversion.",
    "BM_ConvertFahrenheitToCelsius": "the formula is three operations in turn, a subtraction, a multiplication "
                                     "by 5 and a division by 9, each rounded to 38 digits, each a call that "
                                     "returns its 24-byte result through memory for the next to read. The "
                                     "division alone (`BM_DecimalDividePreparedShort`) costs several times "
                                     "double's whole formula; 1/9 does not terminate, so no exact multiply can "
                                     "stand in for it.",
    "BM_ConvertDegreesToRadians": "multiplying by π to 38 digits makes a 41-digit product whose 3 extra digits "
                                  "are cut with one word division, π being prepared split at 10^18 "
                                  "(`DecimalFactor`); the rounded product then goes straight on to a prepared "
                                  "division by 180 (`multiplyThenDivide`). The order, and so both roundings, is "
                                  "fixed by the results the formula must keep.",
    "BM_ConvertLengthToAllUnits": "the units whose factor has an exact reciprocal (the metric ones) take a "
                                  "short multiply, the customary and astronomical ones a prepared division each.",
    "BM_ConvertAllCategoriesToAllUnits": "units whose factor has no exact reciprocal take a prepared division "
                                         "each (most of the time here), and temperature a formula per scale.",
}

# compare_bench's work items, in words, and the order its peers are shown in.
WORK_ITEMS = {
    "Multiply38": "38-digit multiply, a × b",
    "Add38": "38-digit add, a + b",
    "Divide38": "38-digit divide, a ÷ b",
    "KilometresToMiles": "1.5 km → mi: v × 1000 ÷ 1609.344",
    "FahrenheitToCelsius": "100 °F → °C: (v − 32) × 5 ÷ 9",
    "Metres30DigitsToFeet": "30-digit m → ft: v ÷ 0.3048",
    "KilometresPerLitreToLitresPer100Km": "20 km/L → L/100 km: 100 ÷ v",
}
PEERS = ["tal", "decimal128", "cpp_dec_float_50", "libqalculate", "double"]
PEER_NOTES = {
    "libqalculate": "libqalculate (exact rationals where the factors allow, else 40 digits), its own units "
                    "converted by Calculator::convert; the conversions only. For L/100 km, a composite unit, the "
                    "result is divided by the target unit and evaluated once more",
    "tal": "tal::Decimal (38 digits); TalMeasurement::convert for the conversions",
    "decimal128": "GCC's std::decimal::decimal128 (34 digits, libgcc's BID arithmetic)",
    "cpp_dec_float_50": "Boost.Multiprecision cpp_dec_float_50 (50 digits)",
    "double": "IEEE 754 binary64 (about 16 digits)",
}

# The work items that are unit conversions: the chart shows these.
CONVERSIONS = ["KilometresToMiles", "FahrenheitToCelsius", "Metres30DigitsToFeet", "KilometresPerLitreToLitresPer100Km"]

_UNIT_NS = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}
# Keys of a benchmark entry that are not user counters.
_STANDARD_KEYS = {
    "name", "family_index", "per_family_instance_index", "run_name", "run_type", "repetitions",
    "repetition_index", "threads", "iterations", "real_time", "cpu_time", "time_unit", "aggregate_name",
    "aggregate_unit", "label", "error_occurred", "error_message", "bytes_per_second", "items_per_second",
}


class Result:
    """One benchmark's summary: ns per iteration (None on error), counters,
    label, how many repetitions it summarises and how."""

    def __init__(self, ns, counters, label, repetitions, how, error=None):
        self.ns, self.counters, self.label = ns, counters, label
        self.repetitions, self.how, self.error = repetitions, how, error

    def __repr__(self):
        return f"Result({self.ns!r}, {self.how!r}, reps={self.repetitions}, error={self.error!r})"


def to_ns(entry, clock):
    """The entry's time per iteration in ns, from `clock` ("cpu" or "real").

    >>> to_ns({"cpu_time": 2.5, "real_time": 4.0, "time_unit": "us"}, "cpu")
    2500.0
    >>> to_ns({"cpu_time": 2.5, "real_time": 4.0, "time_unit": "ns"}, "real")
    4.0
    >>> to_ns({"cpu_time": 2.5, "time_unit": "fortnights"}, "cpu") is None
    True
    """
    value = entry.get(clock + "_time")
    scale = _UNIT_NS.get(entry.get("time_unit", "ns"))
    if not isinstance(value, (int, float)) or scale is None:
        return None
    return float(value) * scale


def _counters(entry):
    return {k: float(v) for k, v in entry.items()
            if k not in _STANDARD_KEYS and isinstance(v, (int, float)) and not isinstance(v, bool)}


def summarise(entries, clock="cpu"):
    """Summaries by run name from the "benchmarks" entries of one or more
    files: the median aggregate where there is one, else the median of the
    plain runs (runs of one name from several files are pooled).

    >>> runs = [{"name": "BM_A", "run_type": "iteration", "cpu_time": t, "time_unit": "ns"}
    ...         for t in (5.0, 1.0, 3.0)]
    >>> summarise(runs)["BM_A"]
    Result(3.0, 'median of runs', reps=3, error=None)
    >>> aggs = [{"name": "BM_A_" + a, "run_name": "BM_A", "run_type": "aggregate", "aggregate_name": a,
    ...          "repetitions": 5, "cpu_time": t, "time_unit": "us"} for a, t in (("mean", 9.0), ("median", 2.0))]
    >>> summarise(aggs)["BM_A"]
    Result(2000.0, 'median', reps=5, error=None)
    >>> summarise(aggs[:1])["BM_A"].how
    'mean'
    >>> bad = [{"name": "BM_B", "run_type": "iteration", "error_occurred": True, "error_message": "no unit"}]
    >>> summarise(bad)["BM_B"].error
    'no unit'
    """
    plain, aggregates, errors = {}, {}, {}
    for entry in entries:
        name = entry.get("run_name") or entry.get("name")
        if not isinstance(name, str):
            continue
        if entry.get("error_occurred"):
            errors[name] = str(entry.get("error_message") or "error")
        elif entry.get("run_type") == "aggregate":
            aggregates.setdefault(name, {})[entry.get("aggregate_name")] = entry
        else:
            plain.setdefault(name, []).append(entry)
    results = {}
    for name in list(plain) + [n for n in aggregates if n not in plain]:
        found = aggregates.get(name, {})
        entry = found.get("median") or (None if name in plain else found.get("mean"))
        if entry is not None:
            how = "median" if entry is found.get("median") else "mean"
            results[name] = Result(to_ns(entry, clock), _counters(entry), entry.get("label", ""),
                                   int(entry.get("repetitions", 1)), how)
            continue
        runs = plain[name]
        times = [t for t in (to_ns(r, clock) for r in runs) if t is not None]
        results[name] = Result(statistics.median(times) if times else None, _counters(runs[-1]),
                               runs[-1].get("label", ""), len(runs), "median of runs" if len(runs) > 1 else "one run")
    for name, message in errors.items():
        results[name] = Result(None, {}, "", 0, "error", message)
    return results


def compare_name(name):
    """(work, peer) for a compare_bench name "BM_<work>/<peer>", else None.

    >>> compare_name("BM_Divide38/cpp_dec_float_50")
    ('Divide38', 'cpp_dec_float_50')
    >>> compare_name("BM_DecimalAdd") is None, compare_name("BM_Foo/8/2") is None
    (True, True)
    """
    if not name.startswith("BM_") or name.count("/") != 1:
        return None
    work, peer = name[3:].split("/")
    return (work, peer) if work and peer else None


def fmt_time(ns):
    """Three significant digits in ns, µs or ms.

    >>> fmt_time(0.3391), fmt_time(43.71), fmt_time(412.4), fmt_time(2904.0), fmt_time(50_000), fmt_time(None)
    ('0.339 ns', '43.7 ns', '412 ns', '2.9 µs', '50 µs', '–')
    """
    if ns is None:
        return "–"
    for unit, scale in (("ms", 1e6), ("µs", 1e3)):
        if ns >= scale:
            return f"{ns / scale:.3g} {unit}"
    return f"{ns:.3g} ns"


def fmt_ratio(value, base):
    """`value` as a multiple of `base`.

    >>> fmt_ratio(130.0, 66.0), fmt_ratio(65.9, 62.9), fmt_ratio(412.0, 1.36), fmt_ratio(1.36, 66.0)
    ('2.0×', '1.0×', '303×', '0.021×')
    >>> fmt_ratio(5.0, None), fmt_ratio(None, 5.0), fmt_ratio(47.4, 1.0)
    ('–', '–', '47×')
    """
    if value is None or not base:
        return "–"
    r = value / base
    if r >= 10:
        return f"{r:.0f}×"
    return f"{r:.1f}×" if r >= 1 else f"{r:.2g}×"


def ratio_limit(ns, base_ns, max_ratio):
    """The time that `max_ratio` × double allows, or None without a limit or
    a baseline.

    >>> ratio_limit(50.0, 2.5, 12), ratio_limit(50.0, None, 12), ratio_limit(50.0, 2.5, None)
    (30.0, None, None)
    """
    if max_ratio is None or not base_ns:
        return None
    return base_ns * max_ratio


def verdict(result, limit_ns, goal_ns=None, ratio_limit_ns=None):
    """Met when the time is within the target and, where there is one,
    within the allowed multiple of double.

    >>> verdict(Result(7.9, {}, "", 5, "median"), 8), verdict(Result(8.1, {}, "", 5, "median"), 8)
    ('**met**', '**missed**')
    >>> verdict(Result(40, {}, "", 5, "median"), 80, 40, 30.0), verdict(Result(25, {}, "", 5, "median"), 80, 40, 30.0)
    ('**missed** (× double)', '**met**')
    >>> verdict(Result(12, {}, "", 5, "median"), 15, 8), verdict(Result(7, {}, "", 5, "median"), 15, 8)
    ('**met**, goal missed', '**met**')
    >>> verdict(None, 8), verdict(Result(None, {}, "", 0, "error", "boom"), 8)
    ('not measured', 'error: boom')
    """
    if result is None:
        return "not measured"
    if result.error:
        return "error: " + result.error
    if result.ns is None:
        return "not measured"
    if result.ns > limit_ns:
        return "**missed**"
    if ratio_limit_ns is not None and result.ns > ratio_limit_ns:
        return "**missed** (× double)"
    return "**met**, goal missed" if goal_ns is not None and result.ns > goal_ns else "**met**"


def cpu_model():
    try:
        with open("/proc/cpuinfo", encoding="utf-8", errors="replace") as f:
            for line in f:
                key, _, value = line.partition(":")
                if key.strip() == "model name" and value.strip():
                    return value.strip()
    except OSError:
        pass
    return platform.processor() or "unknown"


def machine_lines(contexts):
    first = contexts[0] if contexts else {}
    dates = sorted(c["date"] for c in contexts if isinstance(c.get("date"), str))
    loads = [c.get("load_avg") for c in contexts if isinstance(c.get("load_avg"), list)]
    lines = [
        f"- CPU: {cpu_model()} (model read when this page was generated)",
        f"- CPUs: {first.get('num_cpus', '?')} at {first.get('mhz_per_cpu', '?')} MHz"
        + ("; frequency scaling on" if first.get("cpu_scaling_enabled") else ""),
        f"- System: {platform.system()} {platform.release()}, {platform.machine()}",
        "- Run: " + (f"{dates[0]} to {dates[-1]}" if len(dates) > 1 and dates[0] != dates[-1]
                     else (dates[0] if dates else "date unknown")),
    ]
    if loads:
        lines.append("- Load average (1 min) when each program started: "
                     + ", ".join(f"{l[0]:.2f}" for l in loads if l))
    if any(c.get("library_build_type") == "debug" for c in contexts):
        lines.append("- Google Benchmark reports its own library as a debug build (as Debian ships it); "
                     "the timed loops are inlined from its header and compiled with ours")
    return lines


def targets_table(results):
    """`results` maps each clock ("cpu", "real") to its summaries."""
    rows = ["| What | Benchmark | Target | Goal | Measured | double, same work | × double | |",
            "|---|---|---:|---:|---:|---:|---:|---|"]
    missed = []
    for what, bench, limit, goal, clock, baseline, *rest in TARGETS:
        max_ratio = rest[0] if rest else None
        r = results[clock].get(bench)
        b = results[clock].get(baseline) if baseline else None
        ns = r.ns if r and not r.error else None
        bns = b.ns if b and not b.error else None
        outcome = verdict(r, limit, goal, ratio_limit(ns, bns, max_ratio))
        target = f"≤ {fmt_time(limit)}" + (f", ≤ {max_ratio}× double" if max_ratio else "")
        rows.append(f"| {what} | `{bench}` | {target} | ≤ {fmt_time(goal)} | {fmt_time(ns)} | "
                    f"{fmt_time(bns) + ' (`' + baseline + '`)' if baseline and bns is not None else '–'} | "
                    f"{fmt_ratio(ns, bns)} | {outcome} |")
        if "missed" in outcome and bench in WHY_MISSED:
            missed.append((what, bench))
    if missed:
        rows += ["", "Why figures stay above their goal:", ""]
        rows += [f"- **{what}**: {WHY_MISSED[bench]}" for what, bench in missed]
    return rows


def comparison(results):
    """{work: {peer: Result}} for compare_bench's runs (those that count digits),
    the known work items in WORK_ITEMS order (runs may be interleaved), then
    any others in the order they were run.

    >>> r = Result(1.0, {"digits": 38}, "", 9, "median")
    >>> list(comparison({"BM_Foo/tal": r, "BM_Divide38/tal": r, "BM_Multiply38/double": r, "BM_Divide38/x": r}))
    ['Multiply38', 'Divide38', 'Foo']
    """
    table = {}
    for name, r in results.items():
        parts = compare_name(name)
        if parts and ("digits" in r.counters or r.error):
            table.setdefault(parts[0], {})[parts[1]] = r
    order = [w for w in WORK_ITEMS if w in table] + [w for w in table if w not in WORK_ITEMS]
    return {w: table[w] for w in order}


def peer_order(peers):
    return [p for p in PEERS if p in peers] + sorted(p for p in peers if p not in PEERS)


def comparison_table(table):
    rows = ["| Work | Peer | Time per op | × double | × tal | Correct digits |",
            "|---|---|---:|---:|---:|---:|"]
    for work, peers in table.items():
        base = peers.get("double")
        ours = peers.get("tal")
        for i, peer in enumerate(peer_order(peers)):
            r = peers[peer]
            if r.error:
                rows.append(f"| {WORK_ITEMS.get(work, work) if i == 0 else ''} | {peer} | error: {r.error} | | | |")
                continue
            digits = r.counters.get("digits")
            precision = r.counters.get("precision")
            correct = "–" if digits is None else (
                f"{digits:.0f} of {precision:.0f}" if precision is not None else f"{digits:.0f}")
            rows.append(f"| {WORK_ITEMS.get(work, work) if i == 0 else ''} | {peer} | {fmt_time(r.ns)} | "
                        f"{fmt_ratio(r.ns, base.ns if base else None)} | {fmt_ratio(r.ns, ours.ns if ours else None)} | "
                        f"{correct} |")
    return rows


def results_table(table):
    rows = ["| Work | Peer | Result |", "|---|---|---|"]
    for work, peers in table.items():
        for i, peer in enumerate(peer_order(peers)):
            rows.append(f"| {work if i == 0 else ''} | {peer} | `{peers[peer].label or '–'}` |")
    return rows


def chart_series(table):
    """(conversions, {peer: [ns or None per conversion]}) for the chart, peers
    in page order, only those with at least one time.

    >>> t = {"Add38": {"tal": Result(9.0, {}, "", 5, "median")},
    ...      "KilometresToMiles": {"double": Result(1.0, {}, "", 5, "median"), "tal": Result(40.0, {}, "", 5, "median")},
    ...      "FahrenheitToCelsius": {"tal": Result(None, {}, "", 0, "error", "x")}}
    >>> chart_series(t)
    (['KilometresToMiles', 'FahrenheitToCelsius'], {'tal': [40.0, None], 'double': [1.0, None]})
    """
    works = [w for w in CONVERSIONS if w in table]
    series = {}
    for peer in peer_order({p for w in works for p in table[w]}):
        times = [table[w][peer].ns if peer in table[w] and not table[w][peer].error else None for w in works]
        if any(t is not None for t in times):
            series[peer] = times
    return works, series


def draw_chart(table, path):
    """Each peer's time per conversion on a log scale, as an SVG at `path`.
    Returns why no chart was drawn, or None when it was."""
    works, series = chart_series(table)
    if not works or not series:
        return "no conversion was measured"
    try:
        import matplotlib
        matplotlib.use("Agg")
        import matplotlib.pyplot as plt
    except ImportError:
        return "matplotlib is not installed"
    plt.rcParams["svg.hashsalt"] = "talfoundation"  # the same ids each run
    fig, ax = plt.subplots(figsize=(9, 1.2 + 1.1 * len(works)))
    height = 0.8 / len(series)
    for i, (peer, times) in enumerate(series.items()):
        ys = [k + (i - (len(series) - 1) / 2) * height for k in range(len(works))]
        drawn = [(y, t) for y, t in zip(ys, times) if t is not None]
        bars = ax.barh([y for y, _ in drawn], [t for _, t in drawn], height=height * 0.9, label=peer)
        ax.bar_label(bars, labels=[fmt_time(t) for _, t in drawn], padding=3, fontsize=7)
    ax.set_xscale("log")
    ax.set_yticks(range(len(works)), [WORK_ITEMS.get(w, w) for w in works], fontsize=8)
    ax.invert_yaxis()
    ax.set_xlabel("time per conversion (ns, log scale)")
    ax.grid(axis="x", which="major", alpha=0.3)
    ax.legend(fontsize=8, loc="lower right")
    lo = min(t for times in series.values() for t in times if t is not None)
    hi = max(t for times in series.values() for t in times if t is not None)
    ax.set_xlim(lo / 2, hi * 8)
    fig.tight_layout()
    fig.savefig(path, format="svg", metadata={"Date": None})
    plt.close(fig)
    return None


def render(contexts, by_clock, note, clock, chart=None):
    """`chart`: the chart's file name beside the page, or why there is none."""
    results = by_clock[clock]
    reps = sorted({r.repetitions for r in results.values() if not r.error})
    hows = sorted({r.how for r in results.values() if not r.error})
    table = comparison(results)
    out = ["# Performance", "",
           "Generated by `tools/gen_performance_md.py` from the JSON output of `decimal_bench`, "
           "`units_bench` and `compare_bench` (`tools/run-benchmarks.sh` builds the release preset, "
           "runs all three and writes this page). Do not edit by hand.", ""]
    if note:
        out += ["> " + line for line in note.splitlines()] + [""]
    out += ["## Machine", ""] + machine_lines(contexts) + [""]
    out += ["## How the figures are taken", "",
            f"- Each figure is {'CPU' if clock == 'cpu' else 'wall-clock'} time per operation"
            + (" (the round trip, which waits on another thread, is wall-clock time)" if clock == "cpu" else "")
            + (", the median of " + "/".join(str(n) for n in reps) + " repetitions" if reps and reps != [1] else "")
            + (f" ({', '.join(hows)})" if hows != ["median"] else "") + "."
            + (" CPU time leaves out the time the process waited for a core, which matters on a shared machine."
               if clock == "cpu" else ""),
            "- Every program times the same work in double beside ours, so the ratios hold up better "
            "than the absolute figures when the machine is busy.", ""]
    out += ["## Targets", ""] + targets_table(by_clock) + [""]
    if table:
        out += ["## Against other number types", "",
                "The same arithmetic on each peer, in one process. Inputs are exact decimal text read once "
                "outside the timed loop; a peer that cannot hold all the digits of an input rounds it on reading. "
                "Each iteration reloads the inputs from memory but does not wait for the previous result, so "
                "a cheap operation shows its throughput: double's figures here can be lower than the double "
                "baselines in the targets table, whose loops carry a dependency from one iteration to the next.",
                ""]
        out += [f"- **{p}**: {PEER_NOTES[p]}" for p in PEERS if any(p in peers for peers in table.values())]
        out += ["", "- Operands a = 1.2345678901234567890123456789012345678, "
                "b = 9.8765432109876543210987654321098765432; the 30-digit length is 3141592.65358979323846264338328 m.",
                "- *Correct digits* compares the peer's result, written to the peer's own precision, with the exact "
                "result (Python's `decimal` at 60 digits): the most significant digits k at which both round, "
                "half to even, to the same k digits. \"n of n\" means correct to the last digit the type keeps.",
                ""]
        out += comparison_table(table) + [""]
        if chart and chart.endswith(".svg"):
            out += [f"![Time per conversion of each peer, log scale]({chart})", ""]
        elif chart:
            out += [f"(No chart of the conversions: {chart}.)", ""]
        out += ["<details><summary>The results behind the digit counts</summary>", ""]
        out += results_table(table) + ["", "</details>", ""]
    return "\n".join(out)


def load(paths):
    contexts, entries = [], []
    for path in paths:
        with open(path, encoding="utf-8") as f:
            try:
                data = json.load(f)
            except ValueError as e:
                raise ValueError(f"{path}: not JSON ({e})") from e
        if not isinstance(data, dict) or not isinstance(data.get("benchmarks"), list):
            raise ValueError(f"{path}: not Google Benchmark JSON output (no \"benchmarks\" list)")
        contexts.append(data.get("context") if isinstance(data.get("context"), dict) else {})
        entries += [e for e in data["benchmarks"] if isinstance(e, dict)]
    return contexts, entries


def main(argv):
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("json", nargs="*", help="Google Benchmark JSON output files")
    parser.add_argument("-o", "--output", default=os.path.join(root, "docs", "performance.md"))
    parser.add_argument("--note", default="", help="a remark shown at the top of the page")
    parser.add_argument("--time", choices=("cpu", "real"), default="cpu", help="which clock to report")
    parser.add_argument("--self-test", action="store_true", help="run the examples in this file")
    args = parser.parse_args(argv)
    if args.self_test:
        import doctest
        failed, _ = doctest.testmod(verbose=False)
        return 1 if failed else 0
    if not args.json:
        parser.error("give at least one JSON file")
    try:
        contexts, entries = load(args.json)
    except (OSError, ValueError) as e:  # json.JSONDecodeError is a ValueError
        print(f"gen_performance_md: {e}", file=sys.stderr)
        return 1
    by_clock = {c: summarise(entries, c) for c in ("cpu", "real")}
    os.makedirs(os.path.dirname(os.path.abspath(args.output)), exist_ok=True)
    chart_name = os.path.splitext(os.path.basename(args.output))[0] + "-peers.svg"
    why_not = draw_chart(comparison(by_clock[args.time]),
                         os.path.join(os.path.dirname(os.path.abspath(args.output)), chart_name))
    page = render(contexts, by_clock, args.note, args.time, why_not or chart_name)
    with open(args.output, "w", encoding="utf-8") as f:
        f.write(page)
    print(f"wrote {args.output}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
