#!/usr/bin/env bash
# The window's fonts are drawn with the face the layout was made for: "MS Sans Serif" as the
# bitmap face with the metrics of Windows' 8 pt (13 px cell, 11 px ascent, 5 px average width),
# also in bold at 10 pt for Label1; and the scripts' report names it. Without Wine's own fonts in
# the prefix DejaVu Sans stands in, and the window's texts get cut.
. "$(dirname "$0")/lib.sh"
. "$here/../../scripts/window-font.sh"

while IFS='|' read -r height style want; do
  # shellcheck disable=SC2086
  got=$(driver font "MS Sans Serif" "$height" $style | tr -d '\r') || fail "no font $height $style"
  [[ "$got" == "$want"* ]] || fail "MS Sans Serif $height $style: [$got], expected [$want...]"
done <<'CASES'
-11||font	MS Sans Serif	bitmap	13	11	5
-13|bold|font	MS Sans Serif	bitmap	16	13
CASES

report=$(driver=$ZOVA_DRIVER zova_window_font run)
[[ "$report" == 'run: the window'\''s font "MS Sans Serif" -11 is drawn with MS Sans Serif (bitmap, 13 px high'* ]] ||
  fail "report: $report"
echo "PASS"
