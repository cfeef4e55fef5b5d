#!/usr/bin/env bash
# Sourced by the run command and its test: runs a Windows program under Wine where nobody watches
# the display, presses a button of its window, and sees the run through to its end within a time
# limit. A dialog that appears is saved as a screenshot, reported and answered (OK, else Close,
# else Cancel, else its first button), so no modal box can hold the run; the window is saved
# whenever it changes. Expects WINE and DISPLAY (scripts/wine-env.sh) and the UI driver's path in
# driver.

# Each helper call has a time limit of its own, so that none can hold the loop past its deadline.
zova_drive_driver() { timeout 20 "$WINE" "$driver" "$@" 2>/dev/null; }

# zova_drive TITLE BUTTON LIMIT SHOTS PROGRAM [ARGS...]
# Answers the program's exit code, or 124 when it had not ended within LIMIT seconds (it is then
# stopped). Screenshots: SHOTS/window.png as the window opened, SHOTS/stage-N.png while it ran
# (at most 12), SHOTS/dialog-N.png for each dialog, SHOTS/timeout.png at a time-out.
zova_drive() {
  local title=$1 button=$2 limit=$3 shots=$4
  shift 4
  local program=${1##*/}
  mkdir -p "$shots"
  "$WINE" "$@" >/dev/null 2>&1 &
  local app=$! deadline=$((SECONDS + limit)) pressed=0 stages=0 dialogs=0 last="" sum status
  # Asking for dialogs starts a Wine process: once a second leaves time for the screenshots.
  local look=0
  while kill -0 "$app" 2>/dev/null; do
    if ((SECONDS >= deadline)); then
      timeout 20 import -window root "$shots/timeout.png" 2>/dev/null || true
      echo "run: $program did not end within $limit s; stopping it (the screen as it was:" \
        "$shots/timeout.png)"
      kill "$app" 2>/dev/null
      wait "$app" 2>/dev/null || true
      return 124
    fi
    if ((SECONDS >= look)); then
      look=$((SECONDS + 1))
      if zova_drive_dialog "$shots/dialog-$((dialogs + 1)).png"; then
        dialogs=$((dialogs + 1))
        continue
      fi
    fi
    if [ "$pressed" = 0 ]; then
      if zova_drive_driver exists "$title" >/dev/null; then
        sleep 1  # the first paint
        zova_drive_shot "$title" "$shots/window.png" &&
          echo "run: the window as it opened: $shots/window.png"
        if zova_drive_driver click "$title" "$button" >/dev/null; then
          echo "run: pressed $button"
        else
          echo "run: no button $button in the window"
        fi
        pressed=1
      fi
    elif ((stages < 12)) && zova_drive_shot "$title" "$shots/.frame.png"; then
      sum=$(md5sum <"$shots/.frame.png")
      if [ "$sum" != "$last" ]; then
        stages=$((stages + 1))
        mv "$shots/.frame.png" "$shots/stage-$stages.png"
        last=$sum
      fi
    fi
    sleep 0.2
  done
  rm -f "$shots/.frame.png"
  wait "$app" && status=0 || status=$?
  echo "run: $stages screenshots of the run: $shots/stage-*.png"
  echo "run: $program ended with exit code $status"
  return "$status"
}

# zova_drive_shot TITLE FILE: the screen where the top-level window of that title lies, found by
# its X window (Wine's windows carry their titles there too). The shot is cut from the whole
# screen: "import -window ID" waits for someone to pick a window with the mouse when that window
# is gone by the time it looks, as the program's own window is at the end of a run, and on a
# private X server nobody ever does.
zova_drive_shot() {
  local pattern id
  pattern="^$(printf '%s' "$1" | sed 's/[][\.*^$+?(){}|/]/\\&/g')\$"
  id=$(timeout 20 xdotool search --name "$pattern" 2>/dev/null | head -n 1)
  [ -n "$id" ] && zova_drive_capture "$id" "$2"
}

# zova_drive_capture ID FILE: the screen where X window ID lies; false when it is gone.
zova_drive_capture() {
  local box
  # WIDTHxHEIGHT+X+Y from the lines X=, Y=, WIDTH=, HEIGHT=.
  box=$(timeout 20 xdotool getwindowgeometry --shell "$1" 2>/dev/null |
    awk -F= '{v[$1] = $2} END {if (v["WIDTH"] != "") print v["WIDTH"] "x" v["HEIGHT"] "+" v["X"] "+" v["Y"]}')
  [ -n "$box" ] || return 1
  timeout 20 import -window root -crop "$box" +repage "$2" 2>/dev/null
}

# zova_drive_dialog FILE: when a dialog of any program is open, saves it to FILE, reports it and
# answers it; false when there is none.
zova_drive_dialog() {
  local report caption text answer
  report=$(zova_drive_driver dialog 0 | tr -d '\r')
  [ -n "$report" ] || return 1
  caption=$(awk -F'\t' '$1 == "caption" {print $2; exit}' <<<"$report")
  text=$(awk -F'\t' '$1 == "static" && $2 != "" {print $2}' <<<"$report" | paste -sd ' ')
  answer=$(awk -F'\t' '$1 == "button" {
      gsub(/&/, "", $2)
      rank = ($2 == "OK") ? 1 : ($2 == "Close") ? 2 : ($2 == "Cancel") ? 3 : 9
      if (!best || rank < best) { best = rank; pick = $2 }
    } END {print pick}' <<<"$report")
  zova_drive_shot "$caption" "$1" || true
  echo "run: a dialog \"$caption\" said \"$text\" ($1); answering $answer"
  zova_drive_driver answer "$caption" "$answer" 5 >/dev/null ||
    echo "run: could not answer the dialog \"$caption\""
  return 0
}
