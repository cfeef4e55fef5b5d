#!/usr/bin/env bash
# Installation directories that Windows resolves to the root of drive C: ("C:\." and
# "C:\Programme\..") with the product's directory names planted there: nothing of them is removed,
# the warning comes once, and the Start-menu folder and the temp files still go.
. "$(dirname "$0")/lib.sh"

planted=("$WINEPREFIX/drive_c/morlencat" "$WINEPREFIX/drive_c/zuduviv" "$WINEPREFIX/drive_c/VLC")
unplant() {
  chmod -R u+w "${planted[@]}" 2>/dev/null || true
  rm -rf "${planted[@]}"
}
listing() { find "${planted[@]}" | sort; }

for value in 'C:\.' 'C:\Programme\..'; do
  unplant
  clean_installer_files
  sample create 'C:\' --dir "$value" >/dev/null
  before=$(listing)
  [ "$(echo "$before" | wc -l)" -gt 100 ] || fail "planting at the root failed"

  start_app
  wait_window "$TITLE_DE"
  driver click "$TITLE_DE" Start >/dev/null || fail "cannot press Start"
  expect_one_warning
  [ "$(listing)" = "$before" ] || fail "$value: removed at the root: $(diff <(echo "$before") <(listing))"
  left=$(remaining 'C:\zova-e2e-none')
  [ -z "$left" ] || fail "$value: Start menu or temp files left: $left"
done
unplant
echo "PASS"
