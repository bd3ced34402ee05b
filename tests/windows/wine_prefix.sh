#!/bin/sh
# Sets up a private Wine prefix for the tests (WINEPREFIX, a 64-bit Windows):
# Times New Roman is drawn with the metric-compatible Liberation Serif, as on
# the Linux window (Wine would otherwise fall back to a sans-serif face); the
# caret does not blink, so that pictures of the window are the same from run
# to run; the screen has DPI dots per inch. Under wine32.sh the prefix gets
# its 32-bit half too, for 32-bit programs.
# Wine's own set-up of a new prefix is slow (minutes where the 32-bit half
# runs under qemu-user): it is kept in ~/.cache/trovanel, one for each Wine
# version and way of running 32-bit programs, and unpacked for the next runs;
# the settings follow in one registry import.
#   wine_prefix.sh WINE_DIRECTORY [DPI]   (the directory of wine64, wineserver)
set -eu
: "${WINEPREFIX:?}"
wine=$1/wine64
dpi=${2:-96}

# Wine reads its own options only when WINELOADERNOEXEC is unset. wine32.sh
# names how it runs 32-bit programs; a prefix set up under it has its 32-bit
# half.
version=$(env -u WINELOADERNOEXEC "$wine" --version)
key=$({ echo "$version ${TROVANEL_WINE32_RUN:-} ${WINEDLLOVERRIDES:-}"
  cat "$0"; } | sha256sum | cut -c1-16)
cache=${XDG_CACHE_HOME:-${HOME:-/root}/.cache}/trovanel
tarball=$cache/wine-prefix-$key.tar.zst

if [ -d "$WINEPREFIX" ]; then
  "$1/wineserver" -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
fi
mkdir -p "$cache"
exec 9>"$tarball.lock"
flock 9
mkdir -p "$WINEPREFIX"
if [ -s "$tarball" ] && tar -C "$WINEPREFIX" -I zstd -xf "$tarball"; then
  touch "$tarball"
else
  rm -rf "$WINEPREFIX"
  "$wine" wineboot --init
  "$1/wineserver" -w
  if [ ! -s "$WINEPREFIX/system.reg" ] || { [ -n "${TROVANEL_WINE32_RUN:-}" ] &&
    [ ! -s "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; }; then
    echo "wine_prefix: Wine left $WINEPREFIX incomplete" >&2
    exit 1
  fi
  tar -C "$WINEPREFIX" -I 'zstd -T0' -cf "$tarball.new" .
  mv "$tarball.new" "$tarball"
  # Prefixes of other Wine versions, unused for a month.
  find "$cache" -maxdepth 1 -name 'wine-prefix-*.tar.zst' -mtime +30 -delete
fi
flock -u 9

settings=$(mktemp)
trap 'rm -f "$settings"' EXIT
printf '%s\r\n' REGEDIT4 '' \
  '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
  '"Times New Roman"="Liberation Serif"' '' \
  '[HKEY_CURRENT_USER\Control Panel\Desktop]' \
  "\"LogPixels\"=dword:$(printf %08x "$dpi")" '"CursorBlinkRate"="-1"' \
  >"$settings"
"$wine" regedit /S "Z:$settings"
"$1/wineserver" -w
grep -q '^"CursorBlinkRate"="-1"' "$WINEPREFIX/user.reg" || {
  echo "wine_prefix: the settings did not reach $WINEPREFIX/user.reg" >&2
  exit 1
}
