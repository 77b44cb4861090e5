#!/usr/bin/env bash
# Builds and runs the whole test suite: the dev build (warnings as errors),
# the AddressSanitizer + UndefinedBehaviorSanitizer build, and the
# ThreadSanitizer build of the programs that run work on several threads.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/ensure-packages.sh
for preset in dev asan; do
  echo "=== $preset ==="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
echo "=== tsan (concurrency tests) ==="
cmake --preset tsan >/dev/null
cmake --build --preset tsan --target concurrency_tests
ctest --preset tsan -L concurrency
echo "All test suites passed."
