#!/usr/bin/env bash
# The Windows program's window, pictured by the Wine driver in its own
# process, against the reviewed reference images in tests/reference/windows:
# at start, with the start text scrolled to its end, after the worked example;
# each example exercise's in a folder of its name.
# Needs DISPLAY and a Wine prefix at 96 dpi (WINEPREFIX).
#   reference_images.sh WINE DRIVER OUT_DIR [FILTER]
# FILTER (GoogleTest's, default Looks.*) names the driver's tests that run in
# the same process: the i686 driver, slow to start under qemu-user, takes its
# pictures in its scenario run. A failing test fails this too.
# A mismatch leaves the actual and a difference image in OUT_DIR. With
# TROVANEL_UPDATE_REFERENCES=1 in the environment the pictures taken now
# become the references (`make reference-images`).
set -u
wine=$1
driver=$2
out=$3
filter=${4:-Looks.*}
root=$(cd "$(dirname "$0")/../.." && pwd)
captures=$(mktemp -d)
trap 'rm -rf "$captures"' EXIT

TROVANEL_CAPTURE_DIR="Z:$captures" "$wine" "$driver" --gtest_filter="$filter"
failed=$(($? != 0))
references=$root/tests/reference/windows
if [ "${TROVANEL_UPDATE_REFERENCES:-}" = 1 ]; then
  [ "$failed" = 0 ] || exit 1
  names=$(cd "$captures" && find . -name '*.ppm' | sed 's/\.ppm$//')
else
  # Every reference needs its picture: a missing one fails.
  names=$(cd "$references" && find . -name '*.png' | sed 's/\.png$//')
fi
for name in $names; do
  name=${name#./}
  if [ "${TROVANEL_UPDATE_REFERENCES:-}" = 1 ]; then
    mkdir -p "$(dirname "$references/$name")"
    python3 "$root/tests/support/reference_image.py" "$captures/$name.ppm" \
      "$references/$name.png" --update && echo "wrote $references/$name.png" ||
      failed=1
  else
    python3 "$root/tests/support/reference_image.py" "$captures/$name.ppm" \
      "$references/$name.png" --out "$out/$(dirname "$name")" || failed=1
  fi
done
[ -n "$names" ] || failed=1
exit $failed
