#!/usr/bin/env bash
# Another program's window titled "Media Player Classic" is open: Start shows the warning (the
# text of Label3, captioned with the application title), removes nothing and ends the program.
. "$(dirname "$0")/lib.sh"

dir='C:\zova-e2e-mediaplayer'
clean_slate "$dir"
sample create "$dir" >/dev/null
before=$(remaining "$dir")

start_helper /dev/null window "Media Player Classic" 120
driver wait "Media Player Classic" 30 >/dev/null || fail "the player window did not appear"

start_app
wait_window "$TITLE_DE"
driver click "$TITLE_DE" Start >/dev/null || fail "cannot press Start"
box=$(driver dialog --of "$TITLE_DE" 20 | tr -d '\r') || fail "no warning"
echo "$box"
echo "$box" | grep -q "^caption	$APP_TITLE\$" || fail "warning caption"
echo "$box" | grep -q "^static	Bitte, alle Vuvavoredir programm abbrechen!\$" || fail "warning text"
driver answer "$APP_TITLE" OK >/dev/null || fail "cannot answer the warning"
expect_exit_zero
stop_helpers
[ "$(remaining "$dir")" = "$before" ] || fail "something was removed"
echo "PASS"
