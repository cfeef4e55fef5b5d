#!/usr/bin/env bash
# The window's fonts are drawn with the face the layout was made for: "MS Sans Serif" as the
# bitmap face with the metrics of Windows' 8 pt (13 px cell, 11 px ascent, 5 px average width),
# also in bold at 10 pt for Label1, and at the heights of 120, 144 and 192 dpi (the face's 16 px
# cell, doubled for the bold of 192 dpi: what the truncation check measures there), with a letter
# for every character of the window's German, English and Polish texts; and the scripts' report
# names it. Without Wine's own fonts in the prefix DejaVu Sans stands in and the window's texts
# get cut; with the Western edition of the face the Polish letters are missing.
. "$(dirname "$0")/lib.sh"
. "$here/../../scripts/window-font.sh"

texts=("Trelvia®plus Deinstaller" "     Vuvavoredir Menü 6.1" "Wyjście" "Ścieżka AutuCAD")
while IFS='|' read -r height style want; do
  # shellcheck disable=SC2086
  out=$(driver font "MS Sans Serif" "$height" $style "${texts[@]}" | tr -d '\r') ||
    fail "no font $height $style"
  [[ "$(head -n 1 <<<"$out")" == "$want"* ]] || fail "MS Sans Serif $height $style: $out"
  lacking=$(awk -F'\t' '$1 == "text" && $3 != 0' <<<"$out")
  [ -z "$lacking" ] || fail "MS Sans Serif $height $style lacks letters: $lacking"
done <<'CASES'
-11||font	MS Sans Serif	bitmap	13	11	5
-13|bold|font	MS Sans Serif	bitmap	16	13
-14||font	MS Sans Serif	bitmap	16	13	7
-17||font	MS Sans Serif	bitmap	16	13	7
-22||font	MS Sans Serif	bitmap	16	13	7
-16|bold|font	MS Sans Serif	bitmap	16	13
-20|bold|font	MS Sans Serif	bitmap	16	13
-26|bold|font	MS Sans Serif	bitmap	32	26
CASES

report=$(driver=$ZOVA_DRIVER zova_window_font run)
[[ "$report" == 'run: the window'\''s font "MS Sans Serif" -11 is drawn with MS Sans Serif (bitmap, 13 px high'* ]] ||
  fail "report: $report"
echo "PASS"
