#!/usr/bin/env bash
# "Lang" 257: only its low 8 bits count, so the English texts.
. "$(dirname "$0")/lib.sh"
write_settings 'C:\zova-e2e-lang' 257
start_app
wait_window "$TITLE_EN"
expect_texts "$TITLE_EN" "$TITLE_EN" 'Uninstall\r\n    Vuvavoredir Menu\r\n    Vuvavoredir planning programme 6.1' \
  Cancel 'Please all Vuvavoredir application close!'
driver close "$TITLE_EN" >/dev/null
expect_exit_zero
echo "PASS"
