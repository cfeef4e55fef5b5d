#!/usr/bin/env bash
# Sourced by the scripts that show the uninstaller's window: zova_window_font PREFIX says which
# face Wine draws the window's font with. The font is the one the stored description gives the
# window (resources/uninst1.form); the UI driver asks the system for it inside the prefix.
# Expects WINE, WINEPREFIX and the driver's path in driver.

zova_window_font() {
  local prefix=$1 form face height line used kind cell width
  form=$(dirname "${BASH_SOURCE[0]}")/../resources/uninst1.form
  # The window's own properties come before its first control.
  face=$(awk -F' = ' '/^  object /{exit} /^  Font\.Name = /{gsub(/"/, "", $2); print $2}' "$form")
  height=$(awk -F' = ' '/^  object /{exit} /^  Font\.Height = /{print $2}' "$form")
  if ! line=$("$WINE" "$driver" font "$face" "$height" 2>/dev/null | tr -d '\r'); then
    echo "$prefix: could not ask which face draws \"$face\""
    return 0
  fi
  IFS=$'\t' read -r _ used kind cell _ width <<<"$line"
  echo "$prefix: the window's font \"$face\" $height is drawn with $used ($kind, $cell px high," \
    "$width px average character width)"
  if [ "$used" != "$face" ]; then
    echo "$prefix: that is not the face the window's layout was made for, so texts may be cut;" \
      "bash scripts/setup.sh installs fonts-wine, which brings it"
  fi
}
