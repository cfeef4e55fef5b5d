#!/usr/bin/env bash
# The run command's headless driving gives up on a program that never ends: a window of the
# uninstaller's title without a Start button, open for ten minutes. The drive stops it at its
# limit, says so, and answers 124.
. "$(dirname "$0")/lib.sh"
. "$here/../../scripts/drive.sh"

shots=$(mktemp -d)
trap 'rm -rf "$shots"; finish' EXIT

rc=0
out=$(driver=$ZOVA_DRIVER zova_drive "$TITLE_DE" Start 8 "$shots" "$ZOVA_SAMPLE" window "$TITLE_DE" 600) ||
  rc=$?
echo "$out"
[ "$rc" -eq 124 ] || fail "the run ended with $rc, not the time-out's 124"
grep -q "did not end within 8 s" <<<"$out" || fail "the time-out was not reported"
grep -q "no button Start" <<<"$out" || fail "the missing button was not reported"
driver exists "$TITLE_DE" && fail "the program still runs"
echo "PASS"
