#!/usr/bin/env bash
# make bench: Trovanel's start-up (exec to first complete paint), processor
# time and resident memory, medians of RUNS interleaved runs (default 25),
# against the cheapest FLTK window of the same size and that window with one
# line of text in the same font; for reference, the text window with FLTK's
# back buffer and the text window without the compose table.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${RUNS:-25}
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$root/build/CMakeCache.txt")

cmake -S "$root/bench" -B "$root/build-bench" -DCMAKE_BUILD_TYPE="$build_type" >/dev/null
cmake --build "$root/build-bench" -j "$(nproc)" >/dev/null

echo "make bench: $runs runs each, $build_type, $(date -u +%Y-%m-%d)"
/usr/bin/python3 "$root/tests/support/xvfb_run.py" -- "$root/build-bench/startup_probe" "$runs" \
  "trovanel=$root/build/trovanel" \
  "trovanel_8_pairs=$root/build/trovanel $root/exercises/cell-organelles.trovanel" \
  "floor_empty=$root/build-bench/floor_empty" \
  "floor_text=$root/build-bench/floor_text" \
  "floor_text_back_buffer=$root/build-bench/floor_text_back_buffer" \
  "floor_text_no_compose=$root/build-bench/floor_text_no_compose"
bash "$root/bench/run_web.sh"
