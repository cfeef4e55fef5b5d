#!/usr/bin/env bash
# A symbolic link inside VLC\plugins points to a directory outside the installation: the files
# there survive. (Wine cannot remove such a link, so its stage fails and the warning appears.)
. "$(dirname "$0")/lib.sh"

dir='C:\zova-e2e-symlink'
clean_slate "$dir"
sample create "$dir" >/dev/null
outside="$WINEPREFIX/drive_c/zova-e2e-outside"
rm -rf "$outside"
mkdir -p "$outside/sub"
echo keep > "$outside/keep.txt"
echo keep > "$outside/sub/deep.txt"
ln -s "$outside" "$(winpath_to_unix "$dir\\VLC\\plugins\\media")"

start_app
wait_window "$TITLE_DE"
driver click "$TITLE_DE" Start >/dev/null || fail "cannot press Start"
if driver dialog --of "$TITLE_DE" 20 >/dev/null 2>&1; then
  driver answer "$APP_TITLE" OK >/dev/null || fail "cannot answer the warning"
fi
expect_exit_zero
[ -f "$outside/keep.txt" ] && [ -f "$outside/sub/deep.txt" ] || fail "files outside were removed"
rm -rf "$outside"
echo "PASS"
