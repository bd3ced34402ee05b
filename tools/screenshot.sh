#!/usr/bin/env bash
# Renders the Trovanel window under a private Xvfb, after one answer (the
# option "Тръс " and its description), to docs/screenshot.png for the README.
#   tools/screenshot.sh [BUILD_DIR]     (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
ppm=$(mktemp --suffix=.ppm)
trap 'rm -f "$ppm"' EXIT

python3 "$root/tests/support/xvfb_run.py" \
  --wm "$build/tests/support/trovanel_test_wm" -- \
  bash -c '"$1" & program=$!; "$2" --capture "$3"; driven=$?; wait $program && exit $driven' \
  screenshot "$build/trovanel" "$build/tests/gui/trovanel_drive" "$ppm"

mkdir -p "$root/docs"
python3 - "$ppm" "$root/docs/screenshot.png" "$root/tools" <<'PY'
import re
import sys
sys.path.insert(0, sys.argv[3])
from icon_convert import png_bytes

data = open(sys.argv[1], "rb").read()
header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
assert header, "not an 8-bit PPM"
width, height = int(header.group(1)), int(header.group(2))
pixels = data[header.end():]
rows = [[tuple(pixels[(y * width + x) * 3:(y * width + x) * 3 + 3]) for x in range(width)]
        for y in range(height)]
with open(sys.argv[2], "wb") as out:
    out.write(png_bytes(width, height, rows))
PY
echo "wrote docs/screenshot.png"
