#!/bin/sh
# Sets up the tests' private Wine prefix (WINEPREFIX): a new one takes some
# seconds the first time. Times New Roman is drawn with the metric-compatible
# Liberation Serif, as on the Linux window.
#   wine_prefix.sh WINE_DIRECTORY   (holding wine64 and wineserver)
set -e
"$1/wine64" wineboot -i
"$1/wine64" reg add 'HKCU\Software\Wine\Fonts\Replacements' \
  /v 'Times New Roman' /d 'Liberation Serif' /f
"$1/wineserver" -w
