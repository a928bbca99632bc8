#!/bin/sh
# Builds everything and runs all tests headless.
#   ./test.sh             the tests of build/
#   ./test.sh --sanitize  the tests of build-asan/ under AddressSanitizer and
#                         UndefinedBehaviorSanitizer, then each fuzz target
#                         for a bounded time from its seed corpus
set -eu
cd "$(dirname "$0")"
./build.sh "$@"
export QT_QPA_PLATFORM=offscreen
if [ "${1:-}" = --sanitize ]; then
  export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:check_initialization_order=1"
  export UBSAN_OPTIONS="print_stacktrace=1"
  export LSAN_OPTIONS="suppressions=$PWD/cmake/leak_suppressions.txt"
  # The fuzz targets run even when a test failed; either fails the run.
  status=0
  ctest --test-dir build-asan --output-on-failure -j2 --label-exclude fuzz || status=1
  ctest --test-dir build-asan --output-on-failure -j2 --label-regex fuzz || status=1
  exit $status
else
  ctest --test-dir build --output-on-failure -j2
fi
