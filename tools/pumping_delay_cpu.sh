#!/usr/bin/env bash
# Processor time of one long PumpingDelay under Wine, as a share of its wall time, read from
# /proc of the Linux process (GetProcessTimes of another process reports none under Wine).
# Usage: tools/pumping_delay_cpu.sh [build dir=build/win64] [ms=20000] [--spin]
set -euo pipefail
source "$(dirname "$0")/../scripts/environment.sh"
cd "$QUORVANE_ROOT"
build=${1:-build/win64}
ms=${2:-20000}
spin=${3:-}
exe="$build/standin/pumping_delay_benchmark.exe"
[ -f "$exe" ] || { echo "no $exe: build the win64 preset first" >&2; exit 1; }

[ -n "${DISPLAY:-}" ] || { start_display; trap stop_environment EXIT; }
use_wine

# utime + stime in clock ticks; the name in field 2 may hold spaces, so cut after its ')'.
cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'; }

# This prefix's wineserver works in a directory named after the prefix's device and inode.
server_pid() {
  local dir pid
  dir=$(printf 'server-%x-%x' $(stat -c '%d %i' "$WINEPREFIX"))
  for pid in $(pgrep -x wineserver64 || pgrep -x wineserver || true); do
    [[ "$(readlink "/proc/$pid/cwd" 2>/dev/null)" == */$dir ]] && { echo "$pid"; return 0; }
  done
  return 0
}

out=$(mktemp)
"$WINE" "$exe" "$ms" $spin >"$out" 2>&1 &
launched=$!
until grep -q '^start' "$out"; do sleep 0.05; done
# Wine's loader execs into the program, which keeps the pid and takes the exe's name as its
# comm (the first 15 bytes); other engineers' copies of the same exe are not ours.
pid=$launched
name=$(basename "$exe" | cut -c1-15)
[ "$(cat "/proc/$pid/comm")" = "$name" ] || { echo "process $pid is $(cat "/proc/$pid/comm"), not $name" >&2; exit 1; }
server=$(server_pid)
before=$(cpu_ticks "$pid")
server_before=$([ -n "$server" ] && cpu_ticks "$server" || echo 0)
until grep -q '^end' "$out"; do sleep 0.05; done
after=$(cpu_ticks "$pid")
server_after=$([ -n "$server" ] && cpu_ticks "$server" || echo 0)
wall=$(awk '/^end/ {print $2}' "$out")
wait
rm -f "$out"

hz=$(getconf CLK_TCK)
awk -v t=$((after - before)) -v s=$((server_after - server_before)) -v hz="$hz" -v wall="$wall" -v mode="${spin:-blocking}" 'BEGIN {
  printf "delay (%s): %d ms wall\n", mode, wall
  printf "process:    %.2f s processor time, %.2f %% of wall time\n", t / hz, 100 * t / hz / (wall / 1000)
  printf "wineserver: %.2f s processor time, %.2f %% of wall time\n", s / hz, 100 * s / hz / (wall / 1000)
}'
