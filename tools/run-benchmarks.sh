#!/bin/sh
# Builds the release preset, runs the three benchmark programs (median of 9
# repetitions, interleaved at random so a burst of load on the host spreads
# over many items instead of taking every repetition of one; JSON output) and writes docs/performance.md and its chart
# (docs/performance-peers.svg) from the results. Arguments go to the
# generator, e.g. --note "…".
set -e
cd "$(dirname "$0")/.."
cmake --preset release
cmake --build --preset release --target decimal_bench units_bench compare_bench
out=build/release/bench-json
mkdir -p "$out"
for b in decimal_bench units_bench compare_bench; do
  "build/release/bench/$b" --benchmark_repetitions=9 --benchmark_min_time=0.1 \
    --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
    --benchmark_out_format=json --benchmark_out="$out/$b.json"
done
# The chart needs matplotlib: take the first Python that has it (a virtual
# environment's python3 may not, the system's Debian one may).
py=python3
for candidate in python3 /usr/bin/python3; do
  if "$candidate" -c "import matplotlib" 2>/dev/null; then
    py=$candidate
    break
  fi
done
"$py" tools/gen_performance_md.py "$out/decimal_bench.json" "$out/units_bench.json" "$out/compare_bench.json" "$@"
