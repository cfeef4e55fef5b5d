#!/usr/bin/env bash
# A file lying directly in the installation directory: the warning appears (while the status line
# still shows the VLC stage), and the Start-menu and temp steps still run.
. "$(dirname "$0")/lib.sh"

dir='C:\zova-e2e-strayfile'
clean_slate "$dir"
sample create "$dir" --stray-file >/dev/null

start_app
wait_window "$TITLE_DE"
driver click "$TITLE_DE" Start >/dev/null || fail "cannot press Start"
driver dialog --of "$TITLE_DE" 30 >/dev/null || fail "no warning"
status=$(status_text "$TITLE_DE")
[ "$status" = "Remove $dir\\vlc directory" ] || fail "status line during the warning: [$status]"
driver answer "$APP_TITLE" OK >/dev/null || fail "cannot answer the warning"
expect_exit_zero
left=$(remaining "$dir")
[ "$left" = "$(printf 'dir\t%s\nfile\t%s\\stray.txt' "$dir" "$dir")" ] || fail "left: $left"
echo "PASS"
