#!/bin/sh
# Sets up a private Wine prefix for the tests (WINEPREFIX): a new one takes
# some seconds the first time. Times New Roman is drawn with the
# metric-compatible Liberation Serif, as on the Linux window (Wine would
# otherwise fall back to a sans-serif face); the caret does not blink, so
# that pictures of the window are the same from run to run.
#   wine_prefix.sh WINE_DIRECTORY [DPI [LOADER]]   (the directory of wine64,
#   wineserver; LOADER runs Wine's programs, wine64 by default)
set -e
wine=${3:-$1/wine64}
# A slow loader (qemu-user) gives up waiting for a new prefix before it is
# complete: wait for Wine to finish it; a broken one fails the next step.
"$wine" wineboot -i || true
"$1/wineserver" -w
"$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' \
  /v 'Times New Roman' /d 'Liberation Serif' /f
"$wine" reg add 'HKCU\Control Panel\Desktop' \
  /v LogPixels /t REG_DWORD /d "${2:-96}" /f
"$wine" reg add 'HKCU\Control Panel\Desktop' \
  /v CursorBlinkRate /d -1 /f
"$1/wineserver" -w
