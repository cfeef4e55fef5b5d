#!/usr/bin/env bash
# The keyboard, as X delivers it to the window: focus starts on Start, Tab and Shift+Tab follow
# the tab order, and Escape closes the window (exit code 0) without touching any file. Also the
# window's place on the X screen: its centre on the screen's centre.
. "$(dirname "$0")/lib.sh"

dir='C:\zova-e2e-keyboard'
clean_slate "$dir"
sample create "$dir" >/dev/null
before=$(remaining "$dir")

start_app
wait_window "$TITLE_DE"
id=$(xdotool search --name "^$TITLE_DE\$" | head -n 1)
[ -n "$id" ] || fail "no X window titled $TITLE_DE"

# Without a window manager X gives the keys to the window under the pointer.
eval "$(xdotool getwindowgeometry --shell "$id")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + 5))
read -r screen_w screen_h < <(xdotool getdisplaygeometry)
[ $((2 * X + WIDTH - screen_w)) -ge -1 ] && [ $((2 * X + WIDTH - screen_w)) -le 1 ] &&
  [ $((2 * Y + HEIGHT - screen_h)) -ge -1 ] && [ $((2 * Y + HEIGHT - screen_h)) -le 1 ] ||
  fail "window at $X,$Y ($WIDTH x $HEIGHT) is not centred on the $screen_w x $screen_h screen"

focused() { driver focus "$TITLE_DE" | tr -d '\r' | cut -f3; }
expect_focus() {  # text; the keys reach the program a little later
  local now=""
  for _ in $(seq 20); do
    now=$(focused) || true
    [ "$now" = "$1" ] && return 0
    sleep 0.2
  done
  fail "focus on [$now], not on [$1]"
}

expect_focus "Start"
xdotool key Tab
expect_focus "Abbrechen"
xdotool key shift+Tab
expect_focus "Start"
xdotool key Escape
expect_exit_zero
[ "$(remaining "$dir")" = "$before" ] || fail "files changed after Escape"
echo "PASS"
