#!/bin/sh
# Builds everything and runs all tests headless.
set -eu
cd "$(dirname "$0")"
./build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2
