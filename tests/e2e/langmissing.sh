#!/usr/bin/env bash
# A settings file without "Lang": the German texts.
. "$(dirname "$0")/lib.sh"
write_settings 'C:\zova-e2e-lang'
start_app
wait_window "$TITLE_DE"
expect_texts "$TITLE_DE" "$TITLE_DE" 'Deinstallieren\r\n     Vuvavoredir Menü 6.1\r\n     Vuvavoredir Planungsprogramm 6.1' \
  Abbrechen 'Bitte, alle Vuvavoredir programm abbrechen!'
driver close "$TITLE_DE" >/dev/null
expect_exit_zero
echo "PASS"
