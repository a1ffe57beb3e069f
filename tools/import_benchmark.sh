#!/usr/bin/env bash
# Builds the import benchmark for win64 and runs it under Wine on a private display.
# Usage: tools/import_benchmark.sh [build dir] [lines] [lines without suspended redrawing]
set -euo pipefail
source "$(dirname "$0")/../scripts/environment.sh"
build="${1:-$QUORVANE_ROOT/build/win64}"
[ -f "$build/CMakeCache.txt" ] || cmake --preset win64 >/dev/null
cmake --build "$build" --target import_benchmark >/dev/null
start_display
trap stop_environment EXIT
use_wine
"$WINE" "$build/import_benchmark.exe" "${2:-100000}" "${3:-1000}" > "$build/import_benchmark.txt" 2>&1 || true
cat "$build/import_benchmark.txt"
