#!/usr/bin/env bash
# Sets up and runs every test: the native unit tests, the same under AddressSanitizer
# and UndefinedBehaviorSanitizer, an i686 compile check, and the Windows build's
# unit, platform and end-to-end tests under Wine in a fresh private prefix.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-packages.sh

configure() {
  local dir=$1
  shift
  cmake -S . -B "build/$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DWARNINGS_AS_ERRORS=ON "$@" >/dev/null
}

echo "== Native build and unit tests"
configure host
cmake --build build/host -j2
ctest --test-dir build/host --output-on-failure -j2

echo "== Native unit tests with sanitizers"
configure host-asan -DENABLE_SANITIZERS=ON
cmake --build build/host-asan -j2
ctest --test-dir build/host-asan --output-on-failure -j2

echo "== i686 compile check of the programs"
configure i686 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DBUILD_TESTS=OFF
cmake --build build/i686 -j2

echo "== Windows build: unit, platform and end-to-end tests under Wine"
configure win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
cmake --build build/win64 -j2
rm -rf build/wineprefix-test
source scripts/wine-env.sh "$PWD/build/wineprefix-test"
ctest --test-dir build/win64 --output-on-failure -j2
