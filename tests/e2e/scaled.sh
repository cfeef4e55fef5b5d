#!/usr/bin/env bash
# The window at 150 % (a prefix of its own set to 144 dpi): the client area and every control's
# rectangle are the stored 96-dpi ones scaled by their edges, the window centred on the screen;
# the warning's button is scaled too (Start while the media player is open), and the face has the
# Polish letters at that resolution.
. "$(dirname "$0")/lib.sh"

zova_wine_prefix "$(dirname "$ZOVA_EXE")/../wine-e2e-144"
zova_wine_dpi 144
trap 'kill $app_pid 2>/dev/null || true; "$WINESERVER" -k 2>/dev/null || true; finish' EXIT

dir='C:\zova-e2e-scaled'
clean_slate "$dir"
sample create "$dir" --no-ini >/dev/null

start_helper /dev/null window "Media Player Classic" 120
driver wait "Media Player Classic" 30 >/dev/null || fail "the player window did not appear"
start_app
wait_window "$TITLE_DE"
dump=$(driver dump "$TITLE_DE" | tr -d '\r')
echo "$dump"

at144() { echo $((($1 * 144 + 48) / 96)); }
window=$(echo "$dump" | awk -F'\t' '$1=="window" {print $3" "$4" "$5}')
[ "$window" = "$(at144 375) $(at144 231) 1" ] || fail "window line: $window"

expect_scaled() {  # class, then left top width height as stored
  local left top right bottom want rect
  left=$(at144 "$2") top=$(at144 "$3") right=$(at144 $(($2 + $4))) bottom=$(at144 $(($3 + $5)))
  want="$left $top $((right - left)) $((bottom - top))"
  rect=$(echo "$dump" | C="$1" awk -F'\t' '$1=="control" && $2==ENVIRON["C"] {print $5" "$6" "$7" "$8}')
  echo "$rect" | grep -qx "$want" || fail "no $1 at [$want] among [$rect]"
}
expect_scaled Static 24 16 181 16     # Label1
expect_scaled Static 40 40 189 39     # Label2
expect_scaled Static 245 8 124 41     # Image2
expect_scaled Static 32 192 215 13    # Label3
expect_scaled Button 48 160 75 25     # Start
expect_scaled Button 240 160 75 25    # Abbrechen
expect_scaled msctls_statusbar32 0 212 375 19
expect_scaled SysAnimate32 32 88 304 60
expect_scaled ListBox 40 96 289 39

# From 120 dpi Wine names the Western edition of the bitmap face; the prefix names the Central
# European one again, which has the Polish letters.
font=$(driver font "MS Sans Serif" "-$(at144 11)" "Ścieżka AutuCAD" | tr -d '\r')
echo "$font" | awk -F'\t' '$1=="text" {print $3}' | grep -qx 0 || fail "letters missing: $font"

driver click "$TITLE_DE" Start >/dev/null || fail "cannot press Start"
driver dialog --of "$TITLE_DE" 20 >/dev/null || fail "no warning"
warning=$(driver dump "$APP_TITLE" | tr -d '\r')
echo "$warning" | awk -F'\t' '$1=="control" && $2=="Button" {print $7" "$8}' |
  grep -qx "$(at144 75) $(at144 25)" || fail "the warning's button is not scaled: $warning"
driver answer "$APP_TITLE" OK >/dev/null || fail "cannot answer the warning"
expect_exit_zero
echo "PASS"
