#!/usr/bin/env bash
# clang-tidy over the product's sources, with the rules in .clang-tidy; any
# finding fails. The Linux build's compile database gives all but the Windows
# backend, which the x86_64 mingw build's gives (read as that target, with
# mingw's C++ library).
#   tools/tidy.sh BUILD_DIR [WINDOWS_BUILD_DIR]
set -euo pipefail
build=${1:?usage: tidy.sh BUILD_DIR [WINDOWS_BUILD_DIR]}
windows_build=${2:-}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

# The product's sources in a compile database, below the given folders.
sources() {
  /usr/bin/python3 - "$1/compile_commands.json" "${@:2}" <<'PY'
import json, os, sys
root = os.getcwd()
for entry in json.load(open(sys.argv[1])):
    path = os.path.relpath(entry["file"], root)
    if any(path.startswith(folder + "/") for folder in sys.argv[2:]):
        print(path)
PY
}

tidy() {  # DATABASE_DIR EXTRA_ARGS... < sources
  sort -u | xargs -P "$(nproc)" -n 3 clang-tidy -p "$@" --quiet 2>/dev/null
}

mapfile -t linux < <(sources "$build" forms quiz app pages editor programs)
[ ${#linux[@]} -gt 0 ] || { echo "tidy: no product sources in $build" >&2; exit 1; }
printf '%s\n' "${linux[@]}" | tidy "$build"
count=${#linux[@]}

if [ -n "$windows_build" ]; then
  mapfile -t windows < <(sources "$windows_build" forms/win32)
  [ ${#windows[@]} -gt 0 ] || { echo "tidy: no forms/win32 in $windows_build" >&2; exit 1; }
  cxx=$(ls -d /usr/lib/gcc/x86_64-w64-mingw32/*-win32/include/c++ | head -n 1)
  printf '%s\n' "${windows[@]}" | tidy "$windows_build" \
    --extra-arg=--target=x86_64-w64-mingw32 --extra-arg=-isystem"$cxx" \
    --extra-arg=-isystem"$cxx/x86_64-w64-mingw32"
  count=$((count + ${#windows[@]}))
fi
echo "tidy: $count files clean"
