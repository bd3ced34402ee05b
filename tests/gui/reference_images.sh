#!/usr/bin/env bash
# The shipped program's window, driven from outside by real input, against
# its reviewed reference images in tests/reference/linux: at start, with the
# start text scrolled to its end, and after the worked example. Needs DISPLAY
# at 96 dpi (run it under xvfb_run.py).
#   reference_images.sh PROGRAM DRIVER OUT_DIR [--update]
# A mismatch leaves the actual and a difference image in OUT_DIR; --update
# makes the pictures taken now the references (`make reference-images`).
# With TROVANEL_EXERCISE=FILE the program opens that exercise file, held to
# the pictures in TROVANEL_REFERENCES (a folder; default the built-in's).
set -u
program=$1
driver=$2
out=$3
update=${4:-}
root=$(cd "$(dirname "$0")/../.." && pwd)
captures=$(mktemp -d)
trap 'rm -rf "$captures"' EXIT

references=${TROVANEL_REFERENCES:-$root/tests/reference/linux}
exercise=() driven_exercise=()
if [ -n "${TROVANEL_EXERCISE:-}" ]; then
  exercise=("$TROVANEL_EXERCISE")
  driven_exercise=(--exercise "$TROVANEL_EXERCISE")
fi
"$program" "${exercise[@]}" &
pid=$!
"$driver" --capture-dir "$captures" "${driven_exercise[@]}"
driven=$?
wait "$pid"
status=$?
if [ "$driven" -ne 0 ] || [ "$status" -ne 0 ]; then
  echo "reference_images: driver status $driven, program status $status" >&2
  exit 1
fi

failed=0
for name in start start_end worked_example; do
  reference=$references/$name.png
  if [ "$update" = --update ]; then
    python3 "$root/tests/support/reference_image.py" "$captures/$name.ppm" \
      "$reference" --update && echo "wrote $reference"
  else
    python3 "$root/tests/support/reference_image.py" "$captures/$name.ppm" \
      "$reference" --out "$out" || failed=1
  fi
done
exit $failed
