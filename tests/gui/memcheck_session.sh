#!/usr/bin/env bash
# Runs the real program under valgrind's memcheck through one scripted
# session (a wrong and a right answer, then the close box) and fails on any
# memory error or any definite leak. Needs DISPLAY (run it under xvfb_run.py).
#   memcheck_session.sh PROGRAM DRIVER
set -u
program=$1
driver=$2
log=$(mktemp)
trap 'rm -f "$log"' EXIT

valgrind --tool=memcheck --error-exitcode=99 --leak-check=full \
  --show-leak-kinds=definite --errors-for-leak-kinds=definite \
  --track-origins=yes --num-callers=40 --suppressions="$(dirname "$0")/memcheck.supp" \
  --log-file="$log" "$program" &
pid=$!
"$driver"
driven=$?
wait "$pid"
status=$?

grep -E "ERROR SUMMARY|definitely lost" "$log"
if [ "$driven" -ne 0 ] || [ "$status" -ne 0 ]; then
  cat "$log"
  echo "memcheck_session: driver status $driven, program status $status" >&2
  exit 1
fi
