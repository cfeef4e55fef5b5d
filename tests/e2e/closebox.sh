#!/usr/bin/env bash
# The close box ends the program with exit code 0 without touching any file.
. "$(dirname "$0")/lib.sh"

dir='C:\zova-e2e-closebox'
clean_slate "$dir"
sample create "$dir" >/dev/null
before=$(remaining "$dir")

start_app
wait_window "$TITLE_DE"
driver close "$TITLE_DE" >/dev/null || fail "cannot close"
expect_exit_zero
[ "$(remaining "$dir")" = "$before" ] || fail "files changed after the close box"
echo "PASS"
