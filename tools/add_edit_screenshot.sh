#!/usr/bin/env bash
# Takes docs/add_edit_window.png: the add/edit window under Wine with "确认" hovered.
# Usage: tools/add_edit_screenshot.sh [win64 build dir]
set -euo pipefail
source "$(dirname "$0")/../scripts/environment.sh"
build="${1:-$QUORVANE_ROOT/build/win64}"
[ -f "$build/CMakeCache.txt" ] || cmake --preset win64 >/dev/null
cmake --build "$build" --target add_edit_preview >/dev/null
start_display
trap stop_environment EXIT
use_wine
out="$build/add_edit_preview.txt"
"$WINE" "$build/add_edit_preview.exe" > "$out" 2>/dev/null &
preview=$!
for _ in $(seq 50); do [ -s "$out" ] && break; sleep 0.1; done
sleep 1.5  # the hover repaint and the caret
read -r left top width height < "$out"
import -window root -crop "${width}x${height}+${left}+${top}" +repage "$QUORVANE_ROOT/docs/add_edit_window.png"
wait "$preview" || true
echo "docs/add_edit_window.png: ${width}x${height}"
