#!/usr/bin/env bash
# Builds the fuzz preset and runs every fuzzer for the given number of
# seconds (default 60), one after another, each on a scratch copy of its
# seed corpus so the committed corpus never grows. A crash stops that fuzzer
# and leaves the input under build/fuzz-artifacts/<fuzzer>/; replay it with
#   build/fuzz/fuzz/<fuzzer> <file>
# and, once fixed, keep it in tests/data/fuzz-regressions/<fuzzer>/.
#
#   scripts/run-fuzzers.sh [seconds]
#   TAL_FUZZ_BUILD_DIR=build/other scripts/run-fuzzers.sh 600
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
build="${TAL_FUZZ_BUILD_DIR:-build/fuzz}"
artifacts="build/fuzz-artifacts"

cmake --preset fuzz -B "$build" >/dev/null
cmake --build "$build" -j2 --target fuzzers

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
status=0
for seeds in fuzz/corpus/*/; do
  name="$(basename "$seeds")"
  binary="$build/fuzz/$name"
  [[ -x "$binary" ]] || { echo "no fuzzer $name in $build" >&2; status=1; continue; }
  mkdir -p "$scratch/$name" "$artifacts/$name"
  cp "$seeds"* "$scratch/$name/"
  dict=()
  [[ -f "fuzz/$name.dict" ]] && dict=(-dict="fuzz/$name.dict")
  echo "=== $name: $seconds s ==="
  if ! "$binary" "${dict[@]}" -max_total_time="$seconds" -print_final_stats=1 -timeout=30 -rss_limit_mb=3000 \
       -artifact_prefix="$artifacts/$name/" "$scratch/$name" 2>"$scratch/$name.log"; then
    status=1
    grep -E "invariant broken|ERROR|SUMMARY" "$scratch/$name.log" || true
    echo "$name crashed; input saved under $artifacts/$name/" >&2
  fi
  grep -E "^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)" "$scratch/$name.log" || true
done
exit "$status"
