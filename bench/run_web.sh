#!/usr/bin/env bash
# make bench, the page: its first paint and its working controls against a
# floor page, the same of the examples' one-file pages opened from disk, and
# the size of what the browser downloads for the module.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ ! -d "$root/tests/web/node_modules/playwright-core" ]; then
  (cd "$root/tests/web" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund)
fi
dist="$root/build-web/dist"
size=$(cat "$dist/trovanel.js" "$dist/trovanel.wasm" | gzip -9 | wc -c)
echo "page: trovanel.js + trovanel.wasm, $((size / 1024)) KiB gzip-compressed (goal at most 60 KiB)"
# The one-file pages of the 3-pair and the 8-pair example.
pages=()
for example in states-of-water cell-organelles; do
  pages+=("$root/build-web/bench-$example.html")
  "$root/build-web/host/programs/trovanel-page" "$root/exercises/$example.trovanel" \
    -o "${pages[-1]}"
done
node "$root/bench/web/page_bench.mjs" "${WEB_RUNS:-21}" "${pages[@]}"
node "$root/bench/web/editor_bench.mjs" "${EDITOR_RUNS:-101}"
