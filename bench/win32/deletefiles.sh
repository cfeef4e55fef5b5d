#!/usr/bin/env bash
# Benchmark: the uninstaller's DeleteFiles under Wine on a tree of 20,000 files in 2,000
# directories, side by side on identical trees with the floor (a bare DeleteFileW and
# RemoveDirectoryW loop over a list made beforehand, in the same process, the two taking the
# top-level directories in turns), Wine's own "cmd /c rd /s /q" and the native "rm -rf". Prints
# each round, the median times and the medians of the rounds' ratios.
#   bench/win32/deletefiles.sh [rounds]      (after the Windows build)
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
rounds=${1:-3}
bench=$root/build/windows/bench/win32/deletefiles_bench.exe
[ -x "$bench" ] || { echo "build the windows preset first" >&2; exit 1; }

. scripts/wine-env.sh
zova_wine_prefix "$root/build/wine-bench"
trap 'WINEPREFIX=$WINEPREFIX "$WINESERVER" -k >/dev/null 2>&1 || true' EXIT
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

declare -a mine floor rd native r_floor r_rd r_native r_wine
for r in $(seq "$rounds"); do
  for t in a b c d; do rm -rf "$drive/bench-$t"; make_tree "$drive/bench-$t"; done
  [ "$(find "$drive/bench-a" -type f | wc -l)" = 20000 ] || { echo "tree is wrong" >&2; exit 1; }
  [ "$(find "$drive/bench-a" -type d | wc -l)" = 2001 ] || { echo "tree is wrong" >&2; exit 1; }
  sync
  out=$("$WINE" "$bench" 'C:\bench-a' 'C:\bench-d' 'C:\bench-b' | tr -d '\r')
  echo "$out" | grep -q '^all_removed	1$' || { echo "a tree was not removed: $out" >&2; exit 1; }
  m=$(echo "$out" | awk -F'\t' '$1=="deletefiles_ms"{print $2}')
  f=$(echo "$out" | awk -F'\t' '$1=="floor_ms"{print $2}')
  d=$(echo "$out" | awk -F'\t' '$1=="rd_ms"{print $2}')
  start=$(date +%s%N)
  rm -rf "$drive/bench-c"
  n=$(awk -v ns="$(( $(date +%s%N) - start ))" 'BEGIN {printf "%.1f", ns / 1e6}')
  mine+=("$m"); floor+=("$f"); rd+=("$d"); native+=("$n")
  r_floor+=("$(awk -v a="$m" -v b="$f" 'BEGIN {printf "%.3f", a / b}')")
  r_rd+=("$(awk -v a="$m" -v b="$d" 'BEGIN {printf "%.3f", a / b}')")
  r_native+=("$(awk -v a="$m" -v b="$n" 'BEGIN {printf "%.3f", a / b}')")
  r_wine+=("$(awk -v a="$f" -v b="$n" 'BEGIN {printf "%.3f", a / b}')")
  echo "round $r: DeleteFiles $m ms, floor $f ms, rd $d ms, rm -rf $n ms (load $(cut -d' ' -f1 /proc/loadavg))"
done

median() { printf '%s\n' "$@" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "DeleteFiles:   $(median "${mine[@]}") ms"
echo "floor:         $(median "${floor[@]}") ms"
echo "rd /s /q:      $(median "${rd[@]}") ms"
echo "rm -rf:        $(median "${native[@]}") ms"
printf 'DeleteFiles / floor    = %.2f (target <= 1.5)\n' "$(median "${r_floor[@]}")"
printf 'DeleteFiles / rd /s /q = %.2f (target <= 0.5)\n' "$(median "${r_rd[@]}")"
printf 'DeleteFiles / rm -rf   = %.2f (target <= 2.5)\n' "$(median "${r_native[@]}")"
printf '(floor / rm -rf        = %.2f: what Wine adds to the file system)\n' "$(median "${r_wine[@]}")"
