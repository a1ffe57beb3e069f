#!/usr/bin/env bash
# Builds the text-form fuzz target with clang and runs it for the given seconds (default 120).
# Exits 77 when clang or its libFuzzer runtime is missing, so ctest can skip it.
set -euo pipefail
seconds="${1:-120}"
root=$(cd "$(dirname "$0")/.." && pwd)
work="${2:-$root/build/fuzz}"
mkdir -p "$work" && work=$(cd "$work" && pwd)
mkdir -p "$work/corpus"

command -v clang++ >/dev/null || { echo "clang++ not found"; exit 77; }
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' > "$work/probe.cpp"
clang++ -fsanitize=fuzzer "$work/probe.cpp" -o "$work/probe" 2>/dev/null || { echo "no libFuzzer runtime"; exit 77; }

exe="$work/fuzz_channel_text"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I"$root/src" -I"$root/tests/fakes" \
  "$root/tools/fuzz_channel_text.cpp" "$root/src/channels/channel_text.cpp" "$root/src/channels/gbk_scan.cpp" \
  -o "$exe"

# Starting inputs: the shapes that once mattered (marker tails, trail bytes that are '|', cut lead bytes).
printf '\x00a\r\nb\r\n' > "$work/corpus/lines"
printf '\x01x|\xcb\xf8|\r\n|\xcb\xf8|' > "$work/corpus/locked"
printf '\x04\x83|\xcb\xf8|\r\n\x83\x7c\xcb\xf8\x7c' > "$work/corpus/trail-bar"
printf '\x06a\r\nb\x81' > "$work/corpus/cut-lead"

cd "$work"
"$exe" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" 2>&1 | tail -n 25
