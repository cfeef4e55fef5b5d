#!/usr/bin/env bash
# Benchmark: a full language switch of the localization component under Wine on windows of 1,000
# and 10,000 real labels, side by side with SetWindowTextW alone on the same controls, on a
# private X server. Prints the medians and the ratios (about seven minutes).
#   bench/win32/switch-timing.sh [rounds] [labels...]      (after the Windows build)
# The windows are 6,400 pixels wide (a hundred labels of 60 x 13 to a row) and up to 1,600 high,
# so the X server's screen is made large enough to show them whole. ZOVA_WINEPREFIX and
# ZOVA_DISPLAY choose a prefix and an X server already running (with a screen that large) instead
# of build/wine-bench and a fresh Xvfb.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
bench=$root/build/windows/bench/win32/switch_timing.exe
[ -f "$bench" ] || { echo "build the windows preset first" >&2; exit 1; }

. scripts/wine-env.sh
trap zova_wine_cleanup EXIT
if [ -n "${ZOVA_DISPLAY:-}" ]; then
  export DISPLAY=$ZOVA_DISPLAY
else
  zova_start_xvfb 6600x1800x24
fi
zova_wine_prefix "${ZOVA_WINEPREFIX:-$root/build/wine-bench}"

# Progress on stderr, the table on stdout.
"$WINE" "$bench" "$@" 2> >(tr -d '\r' >&2) | tr -d '\r'
