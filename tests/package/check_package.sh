#!/usr/bin/env bash
# What a user gets: the release zip unpacked into an empty folder (names, checksums, texts), then the
# x86_64 build started from a copy of that layout under Wine, where the sample list and settings must
# show in the main window. The 32-bit exe itself cannot run on the 64-bit-only build machines.
set -euo pipefail
root=$1 e2e_tests=$2 quorvane64=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

QUORVANE_DIST="$work/dist" "$root/scripts/package" --no-build
python3 "$root/tests/package/check_package.py" "$work"/dist/Quorvane-*-win32.zip "$work/unpacked"

cp -r "$work/unpacked" "$work/layout"
cp "$quorvane64" "$work/layout/Quorvane.exe"
QUORVANE_PACKAGE_DIR="Z:${work//\//\\}\\layout" \
  /usr/lib/wine/wine64 "$e2e_tests" --gtest_filter='Package.*' > "$work/run.log" 2>&1 || true
# A file, not a pipe: Wine's background processes inherit the output and would hold a pipe open.
cat "$work/run.log"
grep -q '\[  PASSED  \] 1 test' "$work/run.log"
