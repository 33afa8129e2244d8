# Sourced by the run and test commands: a private Wine prefix under build/,
# quiet Wine, no Mono or Gecko installer, and a null ALSA device for sound.
# Usage: source scripts/wine-env.sh [prefix-folder]
repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${1:-${WINEPREFIX:-$repo_root/build/wineprefix}}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# ALSA sends sound to a null device, so MCI and the shell's players work without hardware.
export ALSA_CONFIG_PATH="$repo_root/build/asound.conf"
mkdir -p "$repo_root/build"
if [ ! -f "$ALSA_CONFIG_PATH" ]; then
  cat > "$ALSA_CONFIG_PATH" <<'ALSA'
pcm.!default { type plug slave.pcm "nullpcm" }
pcm.nullpcm { type null }
ctl.!default { type hw card 0 }
ALSA
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating Wine prefix $WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi
