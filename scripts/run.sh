#!/usr/bin/env bash
# Sets up, builds and starts one of the programs under Wine:
#   scripts/run.sh vigilon [arguments...]
#   scripts/run.sh brambletune [file]
# Brambletune without a file opens a demo album of generated tones, written
# into build/demo by MakeDemoAlbum.exe.
# A private Xvfb display is started only when no DISPLAY is set.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  echo "usage: scripts/run.sh vigilon [arguments...]" >&2
  echo "       scripts/run.sh brambletune [file]" >&2
  exit 2
}

program=${1:-vigilon}
[ $# -gt 0 ] && shift
case "$program" in
  vigilon) targets=(Vigilon) ;;
  brambletune)
    [ $# -le 1 ] || usage
    targets=(Brambletune MakeDemoAlbum)
    ;;
  *) usage ;;
esac

bash scripts/install-packages.sh
cmake -S . -B build/win64 -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
cmake --build build/win64 -j2 --target "${targets[@]}"

# The prefix is named here: wine-env.sh would take the program's first argument for it.
source scripts/wine-env.sh "${WINEPREFIX:-$PWD/build/wineprefix}"
source scripts/xvfb.sh
if [ "$program" = brambletune ] && [ $# -eq 0 ]; then
  # The tool prints the album's Windows path (Z:\...); Wine ends the line with CR LF.
  album=$(wine build/win64/bin/MakeDemoAlbum.exe build/demo | tr -d '\r')
  set -- "$album"
fi
echo "Starting ${targets[0]}.exe on display $DISPLAY (Wine prefix $WINEPREFIX)"
wine "build/win64/bin/${targets[0]}.exe" "$@"
