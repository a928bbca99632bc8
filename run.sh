#!/bin/sh
# Builds the application directory build/app/ and runs the main job.
set -eu
cd "$(dirname "$0")"
./build.sh
exec build/app/vyn-cli synastry "$@"
