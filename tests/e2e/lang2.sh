#!/usr/bin/env bash
# "Lang" 2: the Polish texts with their letters intact, and the warning of Start in Polish.
. "$(dirname "$0")/lib.sh"
dir='C:\zova-e2e-lang'
write_settings "$dir" 2
start_helper /dev/null window "Media Player Classic" 120
driver wait "Media Player Classic" 30 >/dev/null || fail "the player window did not appear"
start_app
wait_window "$TITLE_PL"
expect_texts "$TITLE_PL" "$TITLE_PL" 'Deinstaluj\r\n  Morlen-Katalog\r\n  ZOVA Planning' \
  'Wyjście' 'Ścieżka AutuCAD'
driver click "$TITLE_PL" Start >/dev/null || fail "cannot press Start"
box=$(driver dialog --of "$TITLE_PL" 20 | tr -d '\r') || fail "no warning"
echo "$box" | grep -q "^static	Ścieżka AutuCAD\$" || fail "warning text: $box"
driver answer "$APP_TITLE" OK >/dev/null || fail "cannot answer the warning"
expect_exit_zero
stop_helpers
echo "PASS"
