#!/usr/bin/env bash
# A small sweep with 2 jobs, then its gallery checked in a real browser (gallery_check.mjs).
# Exit status 77 (skipped) where chromium, node, GNU parallel or playwright-core is missing.
#   gallery_browser.sh BUILD_DIR [SCREENSHOT]
set -euo pipefail
build=$(cd "$1" && pwd)
shot=${2:-$build/gallery-test/gallery.png}
here=$(cd "$(dirname "$0")" && pwd)
chromium=$(command -v chromium || command -v chromium-browser || true)
modules=$build/npm/node_modules
for need in "$chromium" "$(command -v node || true)" "$(command -v parallel || true)" \
  "$modules/playwright-core"; do
  [[ -n $need && -e $need ]] || { echo "gallery: skipped (chromium, node, parallel or playwright-core missing)"; exit 77; }
done
work=$build/gallery-test
rm -rf "$work" && mkdir -p "$work"
printf 'text TXn 40\ntext TXTOden 3\n' >"$work/base.sw4"
"$build/sw4-sweep" --vary "TXg(3)=10:40:4" --seeds 1:2 --ticks 100 --jobs 2 --out "$work/sweep" \
  "$work/base.sw4"
node "$here/gallery_check.mjs" "$modules" "$chromium" "$work/sweep/index.html" "$shot"
