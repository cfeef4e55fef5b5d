#!/usr/bin/env bash
# A file inside zuduviv is held open without delete sharing by another program: the warning
# appears once, and the other stages still run (VLC, Start menu and temp files are gone).
. "$(dirname "$0")/lib.sh"

dir='C:\zova-e2e-heldfile'
clean_slate "$dir"
sample create "$dir" >/dev/null

out=$(mktemp)
start_helper "$out" hold "$dir\\zuduviv\\readme.txt" 120
for _ in $(seq 100); do grep -q holding "$out" && break; sleep 0.1; done
grep -q holding "$out" || fail "the file is not held"

start_app
wait_window "$TITLE_DE"
driver click "$TITLE_DE" Start >/dev/null || fail "cannot press Start"
expect_one_warning
stop_helpers
rm -f "$out"
left=$(remaining "$dir")
echo "$left" | grep -q 'zuduviv\\readme.txt$' || fail "the held file is gone"
echo "$left" | grep -q 'VLC' && fail "VLC directories left: $left"
echo "$left" | grep -q -E '^(temp|startmenu)	' && fail "Start menu or temp files left: $left"
echo "PASS"
