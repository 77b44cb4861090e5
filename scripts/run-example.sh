#!/usr/bin/env bash
# Builds the library in release mode and runs the tal-convert example.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/ensure-packages.sh
cmake --preset release >/dev/null
cmake --build --preset release --target tal-convert
tal=build/release/examples/tal-convert
run() {
  echo "\$ tal-convert $*"
  "$tal" "$@"
}
run calc "1 / 3"
run calc "0.1 + 0.2"
run 1.5 km mi
run 100 °F °C
run 180 ° rad
run 20 km/L L/100km
run 1 GiB MB
run 1 "kJ/(kg·K)" "BTU_IT/(lb·°F)"
run 25 cP "Pa·s"
run --json 1 "US gal/min" "L/s"
run --example-rates 100 USD EUR
run --list angle
