#!/usr/bin/env bash
# No label's text runs into its right edge, as the screen shows the window in German, English and
# Polish: in a screenshot of the window, the right-most columns inside each visible label's
# rectangle (from the UI driver's dump) hold only the window's background colour. Each label must
# also show some text, so that a blank picture cannot pass.
. "$(dirname "$0")/lib.sh"
. "$here/../../scripts/drive.sh"

shots=$(mktemp -d)
trap 'rm -rf "$shots"; finish' EXIT
dir='C:\zova-e2e-labelfit'
# The columns at a label's right edge that must stay empty.
edge=2

# The unique colours of the region WIDTHxHEIGHT+X+Y of a picture, one a line.
colours() { convert "$1" -crop "$2" +repage -unique-colors txt:- | awk 'NR > 1 {print $3}'; }

check_language() {
  local lang=$1 title=$2 cancel=$3
  write_settings "$dir" "$lang"
  start_app
  wait_window "$title"
  sleep 1  # the first paint
  local shot=$shots/window-${lang:-0}.png dump
  zova_drive_shot "$title" "$shot" || fail "no screenshot of $title"
  dump=$(driver dump "$title" | tr -d '\r')

  # The client area lies inside the frame: borders alike left, right and bottom, the caption on top.
  local width height client_w client_h x0 y0 background
  read -r width height < <(identify -format '%w %h\n' "$shot")
  read -r client_w client_h < <(awk -F'\t' '$1 == "window" {print $3, $4}' <<<"$dump")
  x0=$(((width - client_w) / 2))
  y0=$((height - client_h - x0))
  # The client area's top left shows nothing but the window's background.
  background=$(colours "$shot" "1x1+$x0+$y0")

  local labels=0 text left top w h
  while IFS=$'\t' read -r text left top w h; do
    labels=$((labels + 1))
    [ "$(colours "$shot" "${w}x$h+$((x0 + left))+$((y0 + top))" | wc -l)" -gt 1 ] ||
      fail "language ${lang:-0}: label [$text] shows no text"
    local at_edge
    at_edge=$(colours "$shot" "${edge}x$h+$((x0 + left + w - edge))+$((y0 + top))")
    [ "$at_edge" = "$background" ] ||
      fail "language ${lang:-0}: the text of label [$text] runs into its right edge" \
        "(colours $(echo $at_edge) in its last $edge columns at $left,$top ${w}x$h; background $background)"
  done < <(awk -F'\t' '$1 == "control" && $2 == "Static" && $4 != "" && $9 == "1" {print $4 "\t" $5 "\t" $6 "\t" $7 "\t" $8}' <<<"$dump")
  [ "$labels" = 3 ] || fail "language ${lang:-0}: $labels labels with text, expected 3: $dump"
  echo "language ${lang:-0}: $labels labels clear of their right edges"

  driver click "$title" "$cancel" >/dev/null || fail "cannot press $cancel"
  expect_exit_zero
}

check_language "" "$TITLE_DE" Abbrechen
check_language 1 "$TITLE_EN" Cancel
check_language 2 "$TITLE_PL" "Wyjście"
echo "PASS"
