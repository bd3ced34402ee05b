#!/bin/sh
# Sets up a private Wine prefix for the tests (WINEPREFIX): a new one takes
# some seconds the first time. Times New Roman is drawn with the
# metric-compatible Liberation Serif, as on the Linux window (Wine would
# otherwise fall back to a sans-serif face); the caret does not blink, so
# that pictures of the window are the same from run to run.
#   wine_prefix.sh WINE_DIRECTORY [DPI]   (the directory of wine64, wineserver)
set -e
"$1/wine64" wineboot -i
"$1/wine64" reg add 'HKCU\Software\Wine\Fonts\Replacements' \
  /v 'Times New Roman' /d 'Liberation Serif' /f
"$1/wine64" reg add 'HKCU\Control Panel\Desktop' \
  /v LogPixels /t REG_DWORD /d "${2:-96}" /f
"$1/wine64" reg add 'HKCU\Control Panel\Desktop' \
  /v CursorBlinkRate /d -1 /f
"$1/wineserver" -w
