#!/usr/bin/env bash
# The window as it opens without a settings file: caption, texts and control rectangles from the
# stored layout, client area 375 x 231, centred; then "Abbrechen" ends it with exit code 0 and no
# file of the installation is touched.
. "$(dirname "$0")/lib.sh"

dir='C:\zova-e2e-layout'
clean_slate "$dir"
sample create "$dir" --no-ini >/dev/null
before=$(remaining "$dir")

start_app
wait_window "$TITLE_DE"
dump=$(driver dump "$TITLE_DE" | tr -d '\r')
echo "$dump"

window=$(echo "$dump" | awk -F'\t' '$1=="window" {print $1"\t"$2"\t"$3"\t"$4"\t"$5}')
[ "$window" = "window	$TITLE_DE	375	231	1" ] || fail "window line: $window"

expect_control() {  # class text left top width height visible
  local line
  line=$(echo "$dump" | C="$1" T="$2" awk -F'\t' '$1=="control" && $2==ENVIRON["C"] && $4==ENVIRON["T"]')
  [ -n "$line" ] || fail "no $1 with text [$2]"
  local rect
  rect=$(echo "$line" | awk -F'\t' '{print $5" "$6" "$7" "$8" "$9}')
  [ "$rect" = "$3 $4 $5 $6 $7" ] || fail "$1 [$2] at [$rect], expected [$3 $4 $5 $6 $7]"
}
expect_control Static "$TITLE_DE" 24 16 181 16 1
expect_control Static 'Deinstallieren\r\n     Vuvavoredir Menü 6.1\r\n     Vuvavoredir Planungsprogramm 6.1' 40 40 189 39 1
expect_control Static 'Bitte, alle Vuvavoredir programm abbrechen!' 32 192 215 13 1
expect_control Button Start 48 160 75 25 1
expect_control Button Abbrechen 240 160 75 25 1

bar=$(echo "$dump" | awk -F'\t' '$1=="control" && $2=="msctls_statusbar32"')
[ "$(echo "$bar" | awk -F'\t' '{print $5" "$6" "$7" "$8" "$9}')" = "0 212 375 19 1" ] || fail "status bar: $bar"
[ -z "$(echo "$bar" | awk -F'\t' '{print $11}')" ] || fail "status bar not empty: $bar"
anim=$(echo "$dump" | awk -F'\t' '$1=="control" && $2=="SysAnimate32"')
[ "$(echo "$anim" | awk -F'\t' '{print $5" "$6" "$7" "$8}')" = "32 88 304 60" ] || fail "animation: $anim"
list=$(echo "$dump" | awk -F'\t' '$1=="control" && $2=="ListBox"')
[ "$(echo "$list" | awk -F'\t' '{print $5" "$6" "$7" "$8" "$9" "$11}')" = "40 96 289 39 0 109" ] || fail "list box: $list"

driver click "$TITLE_DE" Abbrechen >/dev/null || fail "cannot press Abbrechen"
expect_exit_zero
[ "$(remaining "$dir")" = "$before" ] || fail "files changed after Abbrechen"
echo "PASS"
