#!/usr/bin/env bash
# Without a settings file the installation directory stays empty: Start removes nothing of the
# installation and says so with the warning, once, and still cleans the Start-menu folder and the
# temp files.
. "$(dirname "$0")/lib.sh"

dir='C:\zova-e2e-nosettings'
clean_slate "$dir"
sample create "$dir" --no-ini >/dev/null
installed=$(remaining "$dir" | grep -v -E '^(temp|startmenu)	' | grep -v 'ORX Vuvavoredir')

start_app
wait_window "$TITLE_DE"
driver click "$TITLE_DE" Start >/dev/null || fail "cannot press Start"
expect_one_warning
left=$(remaining "$dir")
[ "$left" = "$installed" ] || fail "the installation changed: $(diff <(echo "$installed") <(echo "$left"))"
echo "PASS"
