#!/usr/bin/env bash
# A complete installation: after Start everything listed is gone (nested product directories,
# every directory of the VLC list with read-only and hidden files, the Start-menu folder with both
# shortcut sets, the three temp files), no warning appears, the window closes, exit code 0. The
# settings file names the directory as it is, and once with forward slashes (a valid Windows path).
. "$(dirname "$0")/lib.sh"

for spelled in 'C:\zova-e2e-complete|C:\zova-e2e-complete' 'C:\Programme\Trelvia|C:/Programme/Trelvia'; do
  dir=${spelled%%|*}
  clean_slate "$dir"
  sample create "$dir" --dir "${spelled#*|}" >/dev/null
  [ "$(remaining "$dir" | grep -c '^dir')" -gt 100 ] || fail "sample installation incomplete"

  start_app
  wait_window "$TITLE_DE"
  driver click "$TITLE_DE" Start >/dev/null || fail "cannot press Start"
  expect_exit_without_warning
  left=$(remaining "$dir")
  [ -z "$left" ] || fail "${spelled#*|}: left behind: $left"
done
echo "PASS"
