#!/usr/bin/env bash
# "Lang" 3: the information dialog once (caption "Information", a Cancel button), then German.
. "$(dirname "$0")/lib.sh"
write_settings 'C:\zova-e2e-lang' 3
start_app
box=$(driver dialog 30 | tr -d '\r') || fail "no information dialog"
echo "$box"
[ "$box" = "$(printf 'caption\tInformation\nstatic\tValue must not be higher than\\r\\nnumber of available languages.\nbutton\tCancel')" ] ||
  fail "dialog: $box"
driver answer Information Cancel >/dev/null || fail "cannot answer"
wait_window "$TITLE_DE"
if driver dialog 2 >/dev/null 2>&1; then fail "a second dialog"; fi
expect_texts "$TITLE_DE" "$TITLE_DE" 'Deinstallieren\r\n     Vuvavoredir Menü 6.1\r\n     Vuvavoredir Planungsprogramm 6.1' \
  Abbrechen 'Bitte, alle Vuvavoredir programm abbrechen!'
driver close "$TITLE_DE" >/dev/null
expect_exit_zero
echo "PASS"
