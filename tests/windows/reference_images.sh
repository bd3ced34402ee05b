#!/usr/bin/env bash
# The Windows program's window, pictured by the Wine driver in its own
# process, against the reviewed reference images in tests/reference/windows:
# at start, with the start text scrolled to its end, after the worked example.
# Needs DISPLAY and a Wine prefix at 96 dpi (WINEPREFIX).
#   reference_images.sh WINE DRIVER OUT_DIR
# A mismatch leaves the actual and a difference image in OUT_DIR. With
# TROVANEL_UPDATE_REFERENCES=1 in the environment the pictures taken now
# become the references (`make reference-images`).
set -u
wine=$1
driver=$2
out=$3
root=$(cd "$(dirname "$0")/../.." && pwd)
captures=$(mktemp -d)
trap 'rm -rf "$captures"' EXIT

TROVANEL_CAPTURE_DIR="Z:$captures" "$wine" "$driver" --gtest_filter='Looks.*' ||
  exit 1
failed=0
references=$root/tests/reference/windows
for name in start start_end worked_example; do
  if [ "${TROVANEL_UPDATE_REFERENCES:-}" = 1 ]; then
    mkdir -p "$references"
    python3 "$root/tests/support/reference_image.py" "$captures/$name.ppm" \
      "$references/$name.png" --update && echo "wrote $references/$name.png" ||
      failed=1
  else
    python3 "$root/tests/support/reference_image.py" "$captures/$name.ppm" \
      "$references/$name.png" --out "$out" || failed=1
  fi
done
exit $failed
