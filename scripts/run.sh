#!/usr/bin/env bash
# Builds the uninstaller, prepares a sample installation of the product in a private Wine prefix
# and opens uninstzova.exe on it. With a display it shows the window there; without one it starts
# a private X server, has the UI driver take the run through its stages and saves screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target uninstzova uidriver sampleinstall

export LC_ALL=C.UTF-8
. scripts/wine-env.sh
trap zova_wine_cleanup EXIT
headless=0
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  zova_start_xvfb
fi
zova_wine_prefix "$root/build/wine-run"

exe=$root/build/windows/app/uninstzova.exe
driver=$root/build/windows/tools/uidriver/uidriver.exe
sample=$root/build/windows/tools/sampleinstall/sampleinstall.exe
# A complete installation: the product's directories, the Start-menu folder and the temp files.
# ZOVA_LANG picks the window's language (0 German, 1 English, 2 Polish).
"$WINE" "$sample" create 'C:\Trelvia' ${ZOVA_LANG:+--lang "$ZOVA_LANG"}

shots=$root/build/screenshots
mkdir -p "$shots"
if [ "$headless" = 0 ]; then
  echo "run: opening uninstzova.exe on the display $DISPLAY (installation in C:\\Trelvia)"
  "$WINE" "$exe"
  echo "run: uninstzova.exe ended with exit code $?"
  exit 0
fi

"$WINE" "$exe" &
app=$!
title="Trelvia®plus Deinstaller"
"$WINE" "$driver" wait "$title" 30 >/dev/null
sleep 1
import -window root "$shots/window.png"
echo "run: the window as it opened: $shots/window.png"
"$WINE" "$driver" click "$title" "Start" >/dev/null || true
for i in 1 2 3 4 5 6; do
  sleep 0.4
  import -window root "$shots/stage-$i.png" 2>/dev/null || true
done
wait "$app" && status=0 || status=$?
echo "run: stages of the run: $shots/stage-*.png; uninstzova.exe ended with exit code $status"
