#!/usr/bin/env bash
# Builds the fuzz preset and runs its libFuzzer targets, each for a while on a copy of its seed
# corpus (tests/fuzz/corpus/<target>: the run never adds to the committed corpus). Fails on any
# crash, leak, timeout or sanitizer report, and leaves the input at fault in
# build/fuzz/findings/<target>/.
#
#   bash scripts/fuzz.sh [seconds per target (30)] [target...]   (default: every target)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
shift $(($# > 0 ? 1 : 0))
targets=("$@")
if ((${#targets[@]} == 0)); then
  for corpus in tests/fuzz/corpus/*/; do targets+=("$(basename "$corpus")"); done
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

export UBSAN_OPTIONS=print_stacktrace=1
status=0
for target in "${targets[@]}"; do
  work=build/fuzz/run/$target
  findings=build/fuzz/findings/$target
  log=build/fuzz/run/$target.log
  rm -rf "$work" "$findings"
  mkdir -p "$work" "$findings"
  cp tests/fuzz/corpus/"$target"/* "$work"/
  if build/fuzz/tests/fuzz/"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$findings/" "$work" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz $target: ${runs:-?} runs in $seconds s, no failure"
  else
    echo "fuzz $target: FAILED (input in $findings/, log in $log)"
    grep -m 5 -E '^broken:|ERROR: |runtime error|SUMMARY:' "$log" || true
    grep -v -E '^ *#[0-9]|^0x' "$log" | tail -15
    status=1
  fi
done
exit $status
