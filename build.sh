#!/bin/sh
# Installs the Debian packages the build needs (only those missing),
# configures once and builds everything into build/ (programs and data in build/app/).
set -eu
cd "$(dirname "$0")"

PACKAGES="cmake ninja-build g++ pkg-config
  libswe-dev swe-standard-data
  libsqlite3-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev python3"

missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq $missing
fi

if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja
fi
cmake --build build
