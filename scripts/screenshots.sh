#!/usr/bin/env bash
# Takes the README's screenshots on a private X server: the window in German, English and Polish
# (docs/window-*.png), each opened from a settings file with that language and closed by its
# cancel button, a run through its stages (docs/run-stages.png: the window, then the first
# stages the status line shows after Start), as the run command records them; the window at
# 150 % (docs/window-de-150.png: 144 dpi, in a prefix of its own set to that resolution); and the
# example window in English and Polish (docs/example-*.png), each chosen from its Language menu.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

. scripts/app-build.sh

. scripts/wine-env.sh
. scripts/window-font.sh
. scripts/drive.sh
trap zova_wine_cleanup EXIT
zova_start_xvfb
zova_wine_prefix "$root/build/wine-run"
zova_window_font screenshots

shots=$root/build/screenshots
for entry in "de 0 Abbrechen Trelvia®plus Deinstaller" "en 1 Cancel Trelvia®plus Uninstaller" \
  "pl 2 Wyjście Deinstaluj Morlen"; do
  read -r code lang cancel title <<<"$entry"
  rm -rf "$shots"
  "$WINE" "$sample" create 'C:\Trelvia' --lang "$lang" >/dev/null
  zova_drive "$title" "$cancel" 60 "$shots" "$exe" >/dev/null
  cp "$shots/window.png" "docs/window-$code.png"
  echo "screenshots: docs/window-$code.png"
done

run_prefix=$WINEPREFIX
zova_wine_prefix "$root/build/wine-run-144"
zova_wine_dpi 144
rm -rf "$shots"
"$WINE" "$sample" create 'C:\Trelvia' --lang 0 >/dev/null
zova_drive "Trelvia®plus Deinstaller" Abbrechen 60 "$shots" "$exe" >/dev/null
cp "$shots/window.png" docs/window-de-150.png
echo "screenshots: docs/window-de-150.png"
"$WINESERVER" -k 2>/dev/null || true
zova_wine_prefix "$run_prefix"

rm -rf "$shots" "$WINEPREFIX/drive_c/Trelvia"
"$WINE" "$sample" create 'C:\Trelvia' --bulk 4000 >/dev/null
zova_drive "Trelvia®plus Deinstaller" Start 180 "$shots" "$exe" >/dev/null
mapfile -t stages < <(ls -v "$shots"/stage-*.png | head -n 4)
convert "$shots/window.png" "${stages[@]}" +append docs/run-stages.png
echo "screenshots: docs/run-stages.png (${#stages[@]} stages)"

bash scripts/example.sh windows >/dev/null
"$WINE" "$root/build/example-windows/signup.exe" >/dev/null 2>&1 &
example=$!
title="Newsletter-Anmeldung"
# The Language menu is the second of the menu bar; its items follow the languages.
for entry in "en|1|Newsletter sign-up" "pl|2|Zapis do newslettera"; do
  IFS='|' read -r code lang next <<<"$entry"
  "$WINE" "$driver" wait "$title" 30 >/dev/null
  "$WINE" "$driver" menu "$title" 1 "$lang" >/dev/null
  title=$next
  "$WINE" "$driver" wait "$title" 30 >/dev/null
  sleep 1  # the paint
  zova_drive_shot "$title" "docs/example-$code.png"
  echo "screenshots: docs/example-$code.png"
done
"$WINE" "$driver" close "$title" >/dev/null
wait "$example" || true
