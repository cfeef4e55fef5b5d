#!/usr/bin/env bash
# The run command's headless driving when the warning appears (a file lies directly in the
# installation directory): the dialog is saved, reported and answered, and the run ends with the
# program's exit code; the Start-menu and temp steps still ran.
. "$(dirname "$0")/lib.sh"
. "$here/../../scripts/drive.sh"

dir='C:\zova-e2e-rundialog'
clean_slate "$dir"
sample create "$dir" --stray-file >/dev/null
shots=$(mktemp -d)
trap 'rm -rf "$shots"; finish' EXIT

rc=0
out=$(driver=$ZOVA_DRIVER zova_drive "$TITLE_DE" Start 120 "$shots" "$ZOVA_EXE") || rc=$?
echo "$out"
[ "$rc" -eq 0 ] || fail "the run ended with $rc"
grep -qF "a dialog \"$APP_TITLE\" said \"Bitte, alle Vuvavoredir programm abbrechen!\"" <<<"$out" ||
  fail "the warning was not reported"
[ -s "$shots/dialog-1.png" ] || fail "no screenshot of the warning"
[ -s "$shots/window.png" ] || fail "no screenshot of the window"
left=$(remaining "$dir")
[ "$left" = "$(printf 'dir\t%s\nfile\t%s\\stray.txt' "$dir" "$dir")" ] || fail "left: $left"
echo "PASS"
