#!/usr/bin/env bash
# Builds the uninstaller, prepares a sample installation of the product in a private Wine prefix
# and opens uninstzova.exe on it. With a display it shows the window there; without one it starts
# a private X server, has the UI driver press Start, answers any dialog that appears, saves
# screenshots, and ends within a time limit (ZOVA_RUN_LIMIT seconds, 180 unless given). Exits with
# the program's exit code (124 when it did not end in time).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

. scripts/app-build.sh

export LC_ALL=C.UTF-8
. scripts/wine-env.sh
. scripts/window-font.sh
. scripts/drive.sh
trap zova_wine_cleanup EXIT
headless=0
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  zova_start_xvfb
fi
zova_wine_prefix "$root/build/wine-run"
zova_window_font run

# A complete installation: the product's directories, the Start-menu folder and the temp files.
# ZOVA_LANG picks the window's language (0 German, 1 English, 2 Polish).
rm -rf "$WINEPREFIX/drive_c/Trelvia" "$root/build/screenshots"
"$WINE" "$sample" create 'C:\Trelvia' --bulk 4000 ${ZOVA_LANG:+--lang "$ZOVA_LANG"}

status=0
if [ "$headless" = 0 ]; then
  echo "run: opening uninstzova.exe on the display $DISPLAY (installation in C:\\Trelvia)"
  "$WINE" "$exe" || status=$?
  echo "run: uninstzova.exe ended with exit code $status"
else
  title="Trelvia®plus Deinstaller"
  [ "${ZOVA_LANG:-}" = 1 ] && title="Trelvia®plus Uninstaller"
  [ "${ZOVA_LANG:-}" = 2 ] && title="Deinstaluj Morlen"
  zova_drive "$title" Start "${ZOVA_RUN_LIMIT:-180}" "$root/build/screenshots" "$exe" || status=$?
fi
exit "$status"
