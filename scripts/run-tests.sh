#!/usr/bin/env bash
# Builds and runs the whole test suite on every platform we promise:
#   dev            GCC + libstdc++, x86-64, warnings as errors
#   arabic-locale  the dev suite again on a host set to Arabic (Egypt) in a
#                  quarter-hour time zone
#   asan           AddressSanitizer + UndefinedBehaviorSanitizer
#   tsan           ThreadSanitizer, programs that run work on several threads
#   clang-libcxx   Clang + libc++, the phone toolchains' standard library
#   aarch64        cross-built for 64-bit ARM, run under qemu-user
#   armhf          cross-built for 32-bit ARM, run under qemu-user
# Each stage prints what it cost. One stage alone: scripts/run-tests.sh STAGE...
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/ensure-packages.sh --all

# A compiler cache pays off when the same sources are built again.
# Paths are taken relative to the checkout, so another clone hits it too.
if command -v ccache >/dev/null; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
  export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
  export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
fi

build_and_test() {  # preset [ctest arguments...]
  local preset=$1
  shift
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" "$@"
}

stage_dev() { build_and_test dev; }
stage_arabic_locale() {
  # Reuses the dev build; the test preset sets LANG and TZ.
  cmake --preset dev >/dev/null
  cmake --build --preset dev
  ctest --preset dev-arabic-locale
}
stage_asan() { build_and_test asan; }
stage_tsan() {
  cmake --preset tsan >/dev/null
  cmake --build --preset tsan --target concurrency_tests
  ctest --preset tsan -L concurrency
}
stage_clang_libcxx() { build_and_test clang-libcxx; }
stage_aarch64() { build_and_test aarch64; }
stage_armhf() { build_and_test armhf; }

stages=("$@")
[ ${#stages[@]} -gt 0 ] || stages=(dev arabic-locale asan tsan clang-libcxx aarch64 armhf)
report=()
for stage in "${stages[@]}"; do
  echo "=== $stage ==="
  start=$SECONDS
  "stage_${stage//-/_}"
  report+=("$(printf '%-14s %4d s' "$stage" $((SECONDS - start)))")
done
echo "=== cost of each stage ==="
printf '%s\n' "${report[@]}"
echo "All test suites passed."
