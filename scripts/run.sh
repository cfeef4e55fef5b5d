#!/usr/bin/env bash
# Builds the uninstaller, prepares a sample installation of the product in a private Wine prefix
# and opens uninstzova.exe on it. With a display it shows the window there; without one it starts
# a private X server, has the UI driver take the run through its stages and saves screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

. scripts/app-build.sh

export LC_ALL=C.UTF-8
. scripts/wine-env.sh
trap zova_wine_cleanup EXIT
headless=0
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  zova_start_xvfb
fi
zova_wine_prefix "$root/build/wine-run"

# A complete installation: the product's directories, the Start-menu folder and the temp files.
# ZOVA_LANG picks the window's language (0 German, 1 English, 2 Polish).
rm -rf "$WINEPREFIX/drive_c/Trelvia" "$root/build/screenshots"
"$WINE" "$sample" create 'C:\Trelvia' --bulk 4000 ${ZOVA_LANG:+--lang "$ZOVA_LANG"}

shots=$root/build/screenshots
mkdir -p "$shots"
if [ "$headless" = 0 ]; then
  echo "run: opening uninstzova.exe on the display $DISPLAY (installation in C:\\Trelvia)"
  "$WINE" "$exe"
  echo "run: uninstzova.exe ended with exit code $?"
  exit 0
fi

"$WINE" "$exe" >/dev/null 2>&1 &
app=$!
title="Trelvia®plus Deinstaller"
[ -n "${ZOVA_LANG:-}" ] && [ "$ZOVA_LANG" = 1 ] && title="Trelvia®plus Uninstaller"
[ -n "${ZOVA_LANG:-}" ] && [ "$ZOVA_LANG" = 2 ] && title="Deinstaluj Morlen"
"$WINE" "$driver" wait "$title" 30 >/dev/null
sleep 1
# The window alone, by its X window (Wine's windows carry their titles there too).
shot() { import -window "$(xdotool search --name "$title" | head -n 1)" "$1" 2>/dev/null; }
shot "$shots/window.png"
echo "run: the window as it opened: $shots/window.png"
"$WINE" "$driver" click "$title" "Start" >/dev/null || true
# Screenshots while the run goes on; only those that differ from the one before are kept.
n=0
last=""
while kill -0 "$app" 2>/dev/null && [ "$n" -lt 12 ]; do
  shot "$shots/.frame.png" || break
  sum=$(md5sum < "$shots/.frame.png")
  if [ "$sum" != "$last" ]; then
    n=$((n + 1))
    mv "$shots/.frame.png" "$shots/stage-$n.png"
    last=$sum
  fi
  sleep 0.2
done
rm -f "$shots/.frame.png"
wait "$app" && status=0 || status=$?
echo "run: $n screenshots of the run: $shots/stage-*.png; uninstzova.exe ended with exit code $status"
