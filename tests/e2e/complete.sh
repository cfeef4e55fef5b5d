#!/usr/bin/env bash
# A complete installation: after Start everything listed is gone (nested product directories,
# every directory of the VLC list with read-only and hidden files, the Start-menu folder with both
# shortcut sets, the three temp files), no warning appears, the window closes, exit code 0.
. "$(dirname "$0")/lib.sh"

dir='C:\zova-e2e-complete'
clean_slate "$dir"
sample create "$dir" >/dev/null
[ "$(remaining "$dir" | grep -c '^dir')" -gt 100 ] || fail "sample installation incomplete"

start_app
wait_window "$TITLE_DE"
driver click "$TITLE_DE" Start >/dev/null || fail "cannot press Start"
expect_exit_zero
left=$(remaining "$dir")
[ -z "$left" ] || fail "left behind: $left"
echo "PASS"
