#!/usr/bin/env bash
# Sets up, builds and starts one of the programs under Wine:
#   scripts/run.sh vigilon [arguments...]
# A private Xvfb display is started only when no DISPLAY is set.
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-vigilon}
[ $# -gt 0 ] && shift
case "$program" in
  vigilon) target=Vigilon ;;
  *) echo "usage: scripts/run.sh vigilon [arguments...]" >&2; exit 2 ;;
esac

bash scripts/install-packages.sh
cmake -S . -B build/win64 -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build build/win64 -j2 --target "$target"

source scripts/wine-env.sh
source scripts/xvfb.sh
echo "Starting $target.exe on display $DISPLAY (Wine prefix $WINEPREFIX)"
wine "build/win64/bin/$target.exe" "$@"
