#!/usr/bin/env bash
# clang-tidy over the product's sources that the Linux build compiles, with
# the rules in .clang-tidy; any finding fails.
#   tools/tidy.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: tidy.sh BUILD_DIR}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mapfile -t sources < <(/usr/bin/python3 - "$build/compile_commands.json" <<'PY'
import json, os, sys
root = os.getcwd()
for entry in json.load(open(sys.argv[1])):
    path = os.path.relpath(entry["file"], root)
    if path.split("/")[0] in ("forms", "quiz", "window"):
        print(path)
PY
)
[ ${#sources[@]} -gt 0 ] || { echo "tidy: no product sources in $build" >&2; exit 1; }
printf '%s\n' "${sources[@]}" | sort -u |
  xargs -P "$(nproc)" -n 3 clang-tidy -p "$build" --quiet 2>/dev/null
echo "tidy: ${#sources[@]} files clean"
