#!/usr/bin/env bash
# Benchmark: the uninstaller's DeleteFiles under Wine on a tree of 20,000 files in 2,000
# directories, side by side with Wine's own "cmd /c rd /s /q" and the native "rm -rf" on identical
# trees. Prints the times (median of the rounds) and both ratios.
#   bench/win32/deletefiles.sh [rounds]      (after the Windows build)
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
rounds=${1:-3}
bench=$root/build/windows/bench/win32/deletefiles_bench.exe
[ -x "$bench" ] || { echo "build the windows preset first" >&2; exit 1; }

. scripts/wine-env.sh
zova_wine_prefix "$root/build/wine-bench"
trap 'WINEPREFIX=$WINEPREFIX wineserver -k >/dev/null 2>&1 || true' EXIT
drive=$WINEPREFIX/drive_c

# 40 directories of 49 sub-directories each: 2,000 directories with 10 files apiece.
make_tree() {
  local t=$1 a b f
  mkdir -p "$t"
  for a in $(seq 40); do
    for b in $(seq 0 49); do
      local d=$t/d$a
      [ "$b" -gt 0 ] && d=$d/s$b
      mkdir -p "$d"
      for f in $(seq 10); do : > "$d/f$f.dat"; done
    done
  done
}

declare -a mine rd native
for r in $(seq "$rounds"); do
  for t in a b c; do rm -rf "$drive/bench-$t"; make_tree "$drive/bench-$t"; done
  [ "$(find "$drive/bench-a" -type f | wc -l)" = 20000 ] || { echo "tree is wrong" >&2; exit 1; }
  [ "$(find "$drive/bench-a" -type d | wc -l)" = 2001 ] || { echo "tree is wrong" >&2; exit 1; }
  sync
  out=$("$WINE" "$bench" 'C:\bench-a' 'C:\bench-b' | tr -d '\r')
  mine+=("$(echo "$out" | awk -F'\t' '$1=="deletefiles_ms"{print $2}')")
  rd+=("$(echo "$out" | awk -F'\t' '$1=="rd_ms"{print $2}')")
  start=$(date +%s%N)
  rm -rf "$drive/bench-c"
  native+=("$(( ($(date +%s%N) - start) / 1000 ))")  # microseconds
done

median() { printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
m=$(median "${mine[@]}")
d=$(median "${rd[@]}")
n=$(awk -v us="$(median "${native[@]}")" 'BEGIN {printf "%.1f", us / 1000}')
echo "DeleteFiles:   $m ms"
echo "rd /s /q:      $d ms"
echo "rm -rf:        $n ms"
awk -v m="$m" -v d="$d" -v n="$n" 'BEGIN {
  printf "DeleteFiles / rd /s /q = %.2f (target <= 0.5)\n", m / d
  printf "DeleteFiles / rm -rf   = %.2f (target <= 2.5)\n", m / n
}'
