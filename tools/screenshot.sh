#!/usr/bin/env bash
# Renders the Trovanel window under a private Xvfb, after the worked example
# (ending with the option "Тръс " and its description), to
# docs/screenshot.png for the README.
#   tools/screenshot.sh [BUILD_DIR]     (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
captures=$(mktemp -d)
trap 'rm -rf "$captures"' EXIT

python3 "$root/tests/support/xvfb_run.py" \
  --wm "$build/tests/support/trovanel_test_wm" -- \
  bash -c '"$1" & program=$!; "$2" --capture-dir "$3"; driven=$?; wait $program && exit $driven' \
  screenshot "$build/trovanel" "$build/tests/gui/trovanel_drive" "$captures"

mkdir -p "$root/docs"
python3 "$root/tests/support/reference_image.py" --update \
  "$captures/worked_example.ppm" "$root/docs/screenshot.png"
echo "wrote docs/screenshot.png"
