#!/bin/sh
# Builds the application directory build/app/ and starts the program: the
# desktop program on a desktop, else the synastry of the sample pair on the
# command line. Arguments go to the program that runs.
set -eu
cd "$(dirname "$0")"
./build.sh
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/app/vyn ]; then
  exec build/app/vyn "$@"
fi
echo "run.sh: no desktop display here, so the synastry of the sample pair follows on the command line (build/app/vyn needs one)." >&2
exec build/app/vyn-cli synastry "$@"
