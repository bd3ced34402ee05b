#!/usr/bin/env bash
# Cross-compiles the Windows programs (and the Wine test driver) with
# mingw-w64 into build-windows/ARCH. `make windows` and the Wine tests both
# build through here, so the tests never run a stale executable.
#   tools/build-windows.sh [ARCH...]     (default: i686 x86_64)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
archs=("$@")
[ ${#archs[@]} -gt 0 ] || archs=(i686 x86_64)
for arch in "${archs[@]}"; do
  cmake -S "$root" -B "$root/build-windows/$arch" -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" >/dev/null
  cmake --build "$root/build-windows/$arch" -j "${JOBS:-$(nproc)}"
done
