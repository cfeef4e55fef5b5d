#!/usr/bin/env bash
# The run command's screenshots never wait: a window that closed after it was found gives no
# picture and an answer at once, where "import -window" waited for a mouse click that never comes
# (how the run command once stayed on a stage until it was stopped).
. "$(dirname "$0")/lib.sh"
. "$here/../../scripts/drive.sh"

shots=$(mktemp -d)
trap 'rm -rf "$shots"; finish' EXIT
title="zova-e2e-runshot"

start_helper "$shots/helper.out" window "$title" 3
wait_window "$title" 20
id=$(xdotool search --name "^$title\$" | head -n 1)
[ -n "$id" ] || fail "no X window titled $title"
zova_drive_capture "$id" "$shots/open.png" || fail "no picture of the open window"
[ "$(identify -format '%w %h' "$shots/open.png")" = "$(xdotool getwindowgeometry --shell "$id" |
  awk -F= '$1 == "WIDTH" {w = $2} $1 == "HEIGHT" {h = $2} END {print w " " h}')" ] ||
  fail "the picture is not the window's size"

wait "${helper_pids[@]}"
helper_pids=()
zova_drive_capture "$id" "$shots/gone.png" && fail "a picture of a window that is gone"
[ ! -e "$shots/gone.png" ] || fail "a file for a window that is gone"
zova_drive_shot "$title" "$shots/gone.png" && fail "a picture by the title of a window that is gone"
echo "PASS"
