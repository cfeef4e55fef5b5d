#!/usr/bin/env bash
# The example window, built against the installed package: each language chosen from its
# "Language" menu shows, in every control the window's table names, the texts of that language,
# and the controls with per-language positions stand where their records put them. Everything
# expected comes from the window's description; menus of another process cannot be read under
# Wine, so the menu items' own texts are left to the example's check.
. "$(dirname "$0")/lib.sh"
form=$here/../../examples/signup/signup.form
[ -f "$ZOVA_EXE" ] || fail "no example program $ZOVA_EXE: scripts/example.sh windows builds it"

# The table's lines as the driver escapes texts: the description's \" is a plain quote.
mapfile -t words < <(awk '/^ *Words = \($/ {on = 1; next} on && /^ *\)$/ {exit}
  on {sub(/^ *"/, ""); sub(/"$/, ""); gsub(/\\"/, "\""); print}' "$form")
languages=$(awk '$1 == "Languages" {print $3; exit}' "$form")
[ "${#words[@]}" -gt 0 ] && [ "$languages" -gt 0 ] || fail "no table in $form"
# The line of the window's entry, whose texts are the captions.
for ((caption = 0; caption < ${#words[@]}; caption += languages + 1)); do
  [ "${words[caption]}" = "%Form%" ] && break
done
[ "$caption" -lt "${#words[@]}" ] || fail "no %Form% entry in $form"

# object_field NAME FIELD: the class of the object (FIELD "class") or one of its properties.
object_field() {
  awk -v name="$1" -v field="$2" '
    $1 == "object" && $2 == name ":" {on = 1; depth = match($0, /[^ ]/); if (field == "class") {print $3; exit}; next}
    on && match($0, /[^ ]/) == depth + 2 && $1 == field {print $3; exit}
    on && match($0, /[^ ]/) <= depth {exit}' "$form"
}
# The control's place in language $2: its positions record for that language, else the
# description's Left.Top.Width.Height.
place() {
  local record
  record=$(awk -v key="$(echo "$1" | tr '[:upper:]' '[:lower:]')," '
    /^ *Positions = \($/ {on = 1; next} on && /^ *\)$/ {exit}
    on {sub(/^ *"/, ""); sub(/"$/, ""); if (index($0, key) == 1) line = $0} END {print line}' "$form")
  if [ -n "$record" ]; then
    echo "$record" | cut -d, -f"$(($2 + 2))" | tr . ' '
  else
    echo "$(object_field "$1" Left) $(object_field "$1" Top) $(object_field "$1" Width) $(object_field "$1" Height)"
  fi
}
# The position of the Language menu among the items of the menu bar.
language_menu=$(awk '/^  object [A-Za-z0-9_]+: TMainMenu$/ {on = 1; next} on && /^  end$/ {exit}
  on && /^    object [A-Za-z0-9_]+: TMenuItem$/ {if ($2 == "LanguageMenu:") {print n; exit}; n++}' "$form")
[ -n "$language_menu" ] || fail "no LanguageMenu in the menu bar of $form"

# The lines of the dump that show the control at this place: its own line and its items.
control_at() {
  echo "$dump" | P="$1" awk -F'\t' '
    $1 == "control" {on = ($5 " " $6 " " $7 " " $8 == ENVIRON["P"]); if (on) print; next}
    $1 == "item" && on {print}'
}

check_language() {
  local lang=$1 step=$((languages + 1)) i=0 key class at lines shown want
  for ((i = 0; i < ${#words[@]}; )); do
    key=${words[i]}
    want=()
    while :; do
      want+=("${words[i + 1 + lang]}")
      i=$((i + step))
      [ "$i" -lt "${#words[@]}" ] && [ "${words[i]}" = '"' ] || break
    done
    [ "$key" = "%Form%" ] && continue  # the caption the window was found by
    class=$(object_field "$key" class)
    # Menu items, those of the description and those made at run time, are not read here.
    case "$class" in TMenuItem | "") continue ;; esac
    at=$(place "$key" "$lang")
    lines=$(control_at "$at")
    [ -n "$lines" ] || fail "$key ($class) in language $lang: no control at $at in: $dump"
    case "$class" in
      TLabel | TButton | TCheckBox) shown=$(echo "$lines" | cut -f4) ;;
      TListBox | TComboBox) shown=$(echo "$lines" | awk -F'\t' '$1 == "item" {print $3}') ;;
      TStatusBar) shown=$(echo "$lines" | cut -f11) ;;
      *) fail "$key: no reading for class $class" ;;
    esac
    [ "$shown" = "$(printf '%s\n' "${want[@]}")" ] ||
      fail "$key ($class) in language $lang shows [$shown], the table gives [${want[*]}]"
  done
}

start_app
title=${words[caption + 1]}
wait_window "$title"
for ((lang = 0; lang < languages; lang++)); do
  driver menu "$title" "$language_menu" "$lang" >/dev/null || fail "cannot choose language $lang"
  title=${words[caption + 1 + lang]}
  wait_window "$title" 10
  dump=$(driver dump "$title" | tr -d '\r')
  check_language "$lang"
  echo "language $lang: $title"
done
driver close "$title" >/dev/null || fail "cannot close the window"
expect_exit_zero
echo "PASS"
