#!/usr/bin/env bash
# Takes the README's screenshots of the window in German, English and Polish (docs/window-*.png),
# each opened on a private X server from a settings file with that language.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

. scripts/app-build.sh

. scripts/wine-env.sh
. scripts/window-font.sh
trap zova_wine_cleanup EXIT
zova_start_xvfb
zova_wine_prefix "$root/build/wine-run"
zova_window_font screenshots

for entry in "de 0 Trelvia®plus Deinstaller" "en 1 Trelvia®plus Uninstaller" "pl 2 Deinstaluj Morlen"; do
  read -r code lang title <<<"$entry"
  "$WINE" "$sample" create 'C:\Trelvia' --lang "$lang" >/dev/null
  "$WINE" "$exe" >/dev/null 2>&1 &
  app=$!
  "$WINE" "$driver" wait "$title" 30 >/dev/null
  sleep 1
  import -window "$(xdotool search --name "$title" | head -n 1)" "docs/window-$code.png"
  "$WINE" "$driver" close "$title" >/dev/null
  wait "$app" || true
  echo "screenshots: docs/window-$code.png"
done
