#!/usr/bin/env bash
# Start-up time (exec to the first painted board) and peak memory of the program against a bare Qt
# window showing the same photograph, measured side by side, alternating, in one virtual display.
#   bash bench/startup/run.sh [build-folder] [runs]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
runs=${2:-7}
cmake --build "$build" --target Settings bare_qt_window firstpaint >/dev/null
source scripts/xsession.sh
start_virtual_display
export -n WAYLAND_DISPLAY 2>/dev/null || true

# The block sampled lies on the board's left end, which the instructions window (opening just after
# start-up over the middle of the main window) leaves uncovered.
measure() { "$build/bench/startup/firstpaint" --dx -280 "$@" 2>/dev/null | tail -1; }
declare -a prog_ms prog_kb bare_ms bare_kb
for _ in $(seq "$runs"); do
  read -r ms kb < <(measure "$build/app/Settings" | sed 's/first_paint_ms=//; s/peak_kb=//')
  prog_ms+=("$ms"); prog_kb+=("$kb")
  read -r ms kb < <(measure "$build/bench/startup/bare_qt_window" app/pictures/board.jpg | sed 's/first_paint_ms=//; s/peak_kb=//')
  bare_ms+=("$ms"); bare_kb+=("$kb")
done
median() { printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
pm=$(median "${prog_ms[@]}"); bm=$(median "${bare_ms[@]}")
pk=$(median "${prog_kb[@]}"); bk=$(median "${bare_kb[@]}")
printf 'first paint  Settings %8.1f ms   bare Qt window %8.1f ms   ratio %.2f\n' "$pm" "$bm" "$(echo "$pm / $bm" | bc -l)"
printf 'peak memory  Settings %8d kB   bare Qt window %8d kB   ratio %.2f\n' "$pk" "$bk" "$(echo "$pk / $bk" | bc -l)"
