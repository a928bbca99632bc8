#!/bin/sh
# Installs the Debian packages the build needs (only those missing),
# configures once and builds everything.
#   ./build.sh             into build/ (programs and data in build/app/)
#   ./build.sh --sanitize  into build-asan/ with clang, AddressSanitizer,
#                          UndefinedBehaviorSanitizer and the fuzz targets
set -eu
cd "$(dirname "$0")"

PACKAGES="cmake ninja-build g++ pkg-config
  libswe-dev swe-standard-data
  libsqlite3-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins fonts-dejavu-core python3"
# clang 14 and its runtimes, libFuzzer among them.
SANITIZE_PACKAGES="clang-14 libclang-rt-14-dev"

case "${1:-}" in
  "")
    dir=build
    options="-DVYN_WERROR=ON" ;;
  --sanitize)
    dir=build-asan
    PACKAGES="$PACKAGES $SANITIZE_PACKAGES"
    options="-DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14
      -DVYN_SANITIZE=ON -DVYN_FUZZ=ON -DVYN_WERROR=ON" ;;
  *)
    echo "usage: $0 [--sanitize]" >&2
    exit 1 ;;
esac

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

if [ ! -f "$dir/build.ninja" ]; then
  # shellcheck disable=SC2086 # the options are separate words
  cmake -S . -B "$dir" -G Ninja $options
fi
cmake --build "$dir"
