#!/usr/bin/env bash
# Builds the library in release mode and runs the tal-convert example.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/ensure-packages.sh
cmake --preset release >/dev/null
cmake --build --preset release --target tal-convert
tal=build/release/examples/tal-convert
for expr in "1 / 3" "0.1 + 0.2" "2 ^ 100" "1.5 * 1000 / 0.3048"; do
  echo "\$ tal-convert calc \"$expr\""
  "$tal" calc "$expr"
done
