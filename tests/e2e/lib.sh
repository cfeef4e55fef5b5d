# Shared by the end-to-end tests: runs uninstzova.exe under Wine on a sample installation and
# drives it through the UI driver. Expects ZOVA_EXE, ZOVA_DRIVER and ZOVA_SAMPLE (set by ctest);
# uses the WINEPREFIX and DISPLAY of the test command, or makes its own.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../scripts/wine-env.sh"
own_display=0
if [ -z "${DISPLAY:-}" ]; then
  zova_start_xvfb
  own_display=1
fi
zova_wine_prefix "${WINEPREFIX:-$(dirname "$ZOVA_EXE")/../wine-e2e}"

TITLE_DE="Trelvia®plus Deinstaller"
TITLE_EN="Trelvia®plus Uninstaller"
TITLE_PL="Deinstaluj Morlen"
APP_TITLE="uninstzova"
app_pid=""
helper_pids=()

# A failed test leaves no program behind: anything still open would change the next test.
finish() {
  local pid
  for pid in $app_pid "${helper_pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  # The X server of our own is a child too: it goes first, or the wait would never end.
  [ "$own_display" = 1 ] && zova_wine_cleanup
  wait 2>/dev/null || true
  return 0
}
trap finish EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

driver() { "$WINE" "$ZOVA_DRIVER" "$@"; }
sample() { "$WINE" "$ZOVA_SAMPLE" "$@"; }

# What is left of an installation, the Start-menu folder and the temp files, sorted.
remaining() { sample remaining "$1" | tr -d '\r' | sort; }

# Removes whatever an earlier test left: the installation, temp files, the Start-menu folder.
clean_slate() {
  local dir=$1
  local unix
  unix=$(winpath_to_unix "$dir")
  [ "$unix" != "$WINEPREFIX/drive_c/" ] || fail "clean_slate would empty drive C: ($dir)"
  chmod -R u+w "$unix" 2>/dev/null || true
  rm -rf "$unix"
  clean_installer_files
}

# Removes the installer's temp files and the Start-menu folder.
clean_installer_files() {
  local temp programs
  temp=$(sample paths | tr -d '\r' | awk -F'\t' '$1=="temp"{print $2}')
  programs=$(sample paths | tr -d '\r' | awk -F'\t' '$1=="programs"{print $2}')
  for f in vodere.ini control.ini uninstzova.exe; do
    rm -f "$(winpath_to_unix "$temp$f")"
  done
  rm -rf "$(winpath_to_unix "$programs\\ORX Vuvavoredir")"
}

# C:\x\y -> $WINEPREFIX/drive_c/x/y (the prefix's own drive only).
winpath_to_unix() {
  local p=${1#C:\\}
  p=${p#c:\\}
  echo "$WINEPREFIX/drive_c/${p//\\//}"
}

start_app() {
  "$WINE" "$ZOVA_EXE" >/dev/null 2>&1 &
  app_pid=$!
}

# Runs the sample tool in the background (a window, a held file); its output goes to file $1.
start_helper() {
  local out=$1
  shift
  "$WINE" "$ZOVA_SAMPLE" "$@" >"$out" 2>/dev/null &
  helper_pids+=($!)
}
stop_helpers() {
  local pid
  for pid in "${helper_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  helper_pids=()
}

# Waits for the program to end and checks its exit code.
expect_exit_zero() {
  local rc=0
  wait "$app_pid" || rc=$?
  app_pid=""
  [ "$rc" -eq 0 ] || fail "uninstzova.exe ended with exit code $rc"
}

wait_window() { driver wait "$1" "${2:-30}" >/dev/null || fail "no window titled $1"; }

# After Start: the warning (the German text of Label3) comes exactly once, is answered, and the
# program ends with exit code 0.
expect_one_warning() {
  local box
  box=$(driver dialog --of "$TITLE_DE" 30 | tr -d '\r') || fail "no warning"
  echo "$box" | grep -q "^static	Bitte, alle Vuvavoredir programm abbrechen!\$" || fail "warning text: $box"
  driver answer "$APP_TITLE" OK >/dev/null || fail "cannot answer the warning"
  if driver dialog --of "$TITLE_DE" 2 >/dev/null 2>&1; then fail "a second warning"; fi
  expect_exit_zero
}

# After Start: the program ends with exit code 0 and no warning appears on the way.
expect_exit_without_warning() {
  while kill -0 "$app_pid" 2>/dev/null; do
    if driver dialog --of "$TITLE_DE" 1 >/dev/null 2>&1; then fail "a warning appeared"; fi
  done
  expect_exit_zero
}

# The status line of the window titled $1, as it shows now.
status_text() {
  local field
  field=$(driver dump "$1" | tr -d '\r' | awk -F'\t' '$1=="control" && $2=="msctls_statusbar32" {print $11}')
  printf '%b' "$field"
}

# Checks the texts the real controls of the window titled $1 show: label 1, label 2 (with \r\n),
# the Start and cancel buttons and label 3.
expect_texts() {
  local title=$1 label1=$2 label2=$3 button2=$4 label3=$5
  local dump
  dump=$(driver dump "$title" | tr -d '\r')
  for want in "Static	$label1" "Static	$label2" "Button	Start" "Button	$button2" "Static	$label3"; do
    echo "$dump" | W="$want" awk -F'\t' '$1=="control" && ($2"\t"$4)==ENVIRON["W"] {found=1} END {exit !found}' ||
      fail "no control [$want] in: $dump"
  done
}

# Writes a settings file with the given "Lang" line (or none) and an installation directory.
write_settings() {
  local dir=$1 lang=${2:-}
  clean_slate "$dir"
  if [ -n "$lang" ]; then
    sample create "$dir" --lang "$lang" >/dev/null
  else
    sample create "$dir" >/dev/null
  fi
}
