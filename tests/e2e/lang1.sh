#!/usr/bin/env bash
# "Lang" 1: the English texts, the caption "Trelvia®plus Uninstaller", an empty status line.
. "$(dirname "$0")/lib.sh"
write_settings 'C:\zova-e2e-lang' 1
start_app
wait_window "$TITLE_EN"
expect_texts "$TITLE_EN" "$TITLE_EN" 'Uninstall\r\n    Vuvavoredir Menu\r\n    Vuvavoredir planning programme 6.1' \
  Cancel 'Please all Vuvavoredir application close!'
[ -z "$(status_text "$TITLE_EN")" ] || fail "status line not empty"
driver click "$TITLE_EN" Cancel >/dev/null || fail "cannot press Cancel"
expect_exit_zero
echo "PASS"
