#!/usr/bin/env bash
# Benchmark: uninstzova.exe from process start to its window shown and idle, under Wine on a
# private X server, side by side in the same run with the floor (bench/win32/StartupFloor.cpp: the
# same window and controls made directly with CreateWindowExW). bench/win32/StartupTiming.cpp
# starts the two in turns and stops each clock when the program has waited for input with none
# pending and its window is visible under the expected title. Prints each round, the medians and
# the median of the rounds' ratios.
#   bench/win32/startup-timing.sh [rounds]      (after the Windows build)
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
rounds=${1:-20}
build=$root/build/windows
for f in app/uninstzova.exe bench/win32/startup_floor.exe bench/win32/startup_timing.exe; do
  [ -x "$build/$f" ] || { echo "build the windows preset first ($f)" >&2; exit 1; }
done

. scripts/wine-env.sh
trap zova_wine_cleanup EXIT
zova_start_xvfb
zova_wine_prefix "$root/build/wine-startup"
# No settings file: the window opens in German, as its floor does.
find "$WINEPREFIX/drive_c/users" -iname vodere.ini -delete 2>/dev/null || true

"$WINE" "$build/bench/win32/startup_timing.exe" "$rounds" "Trelvia®plus Deinstaller" \
  "$build/app/uninstzova.exe" "$build/bench/win32/startup_floor.exe" | tr -d '\r' |
  awk -F'\t' '
    $1 == "round" {printf "round %d: uninstzova %.1f ms, floor %.1f ms, ratio %.2f (load %s)\n", $2, $3, $4, $5, load()}
    $1 == "program_ms" {printf "uninstzova:         %.1f ms (median)\n", $2}
    $1 == "floor_ms" {printf "floor:              %.1f ms (median)\n", $2}
    $1 == "ratio" {printf "uninstzova / floor = %.2f (median of the rounds'"'"' ratios; target <= 1.3)\n", $2}
    function load(   l) {getline l < "/proc/loadavg"; close("/proc/loadavg"); split(l, a, " "); return a[1]}'
