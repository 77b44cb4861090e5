#!/usr/bin/env bash
# Builds and runs the whole test suite twice: the dev build (warnings as
# errors) and the AddressSanitizer + UndefinedBehaviorSanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/ensure-packages.sh
for preset in dev asan; do
  echo "=== $preset ==="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
echo "All test suites passed."
