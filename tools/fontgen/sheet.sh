#!/bin/sh
# Draws the sheet of all nine fonts into docs/fonts.png.
#   tools/fontgen/sheet.sh [BUILD_DIR]     (default: build)
# The sheet tool writes an uncompressed PNG; ImageMagick, when present, shrinks it for the repo.
set -e
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
ninja -C "$build" kdr7-fontsheet >/dev/null
mkdir -p "$root/docs"
if command -v convert >/dev/null 2>&1; then
    tmp=$(mktemp /tmp/fonts-sheet.XXXXXX.png)
    "$build/tools/fontgen/kdr7-fontsheet" "$tmp" 1
    convert "$tmp" -define png:compression-level=9 "PNG8:$root/docs/fonts.png"
    rm -f "$tmp"
else
    "$build/tools/fontgen/kdr7-fontsheet" "$root/docs/fonts.png" 1
fi
echo "wrote $root/docs/fonts.png"
