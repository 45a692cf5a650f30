#!/usr/bin/env bash
# The floating panel typing into an application we did not write: Wine's notepad, in a fresh
# Wine prefix on an X display of its own, so that no other test's window can take the
# foreground. Two scripted runs of the panel, then mouse clicks on a panel left open; notepad
# must hold exactly what was typed and stay the foreground window throughout.
# Usage: notepad_test.sh REPOSITORY HOST DLL PROBE WINEARCH
set -u
cd "$1"
host=$2
dll=$3
probe=$4
arch=$5
source scripts/lib/wine_test.sh

vardeko_start_display || exit 1
vardeko_start_wine "$work/wineprefix" "$arch" >/dev/null ||
    { echo "the Wine prefix $work/wineprefix could not be readied"; exit 1; }
vardeko_wine regsvr32 /s "$(vardeko_wine winepath -w "$dll")" || { echo "regsvr32 failed"; exit 1; }
probe() { vardeko_wine "$probe" "$@"; }
panel() { vardeko_wine "$host" --panel "$@"; }

"$WINELOADER" notepad >/dev/null 2>&1 &
notepad_pid=$!
probe wait-foreground Notepad $wait_seconds || { echo "notepad never became the foreground window"; exit 1; }

probe watch-foreground Notepad >"$work/watch" &
watch_pid=$!
own_pids+=("$watch_pid")
for _ in $(seq 1 $((wait_seconds * 10))); do
    grep -q '^watching' "$work/watch" && break
    kill -0 "$watch_pid" 2>/dev/null || break
    sleep 0.1
done
grep -q '^watching' "$work/watch" || { echo "the foreground watch did not start"; exit 1; }

# Scripted runs from a cleared pad: a calculation sent with Input, then direct-mode keys.
panel --reset --keys "1 2 + 3 = Input" || fail "the first scripted run exited with $?"
panel --keys "direct 4 5 Backspace direct" --print >"$work/transcript" ||
    fail "the second scripted run exited with $?"
[ "$(tr -d '\r' <"$work/transcript")" = 'SendString "4" 1
SendString "5" 1
SendCharEvents 8 0x80 1 0 8' ] || fail "transcript of the second run: $(cat "$work/transcript")"
probe wait-text Notepad 154 $wait_seconds || fail "after the scripted runs"

# The panel left open, clicked with the mouse, moved by its grip, then closed as a window is.
panel &
panel_pid=$!
probe click-keys "7 + 8 = Input" $wait_seconds || fail "clicking the panel's keys"
probe wait-text Notepad 15415 $wait_seconds || fail "after the clicks"
probe drag-grip -40 -30 $wait_seconds || fail "dragging the panel's grip"
moved=$(probe panel-place $wait_seconds | tr -d '\r')
probe close-panel || fail "closing the panel"
wait_for "$panel_pid"
[ "$result" = 0 ] || fail "the panel ended with $result after WM_CLOSE"

# It opens where it was left; its menu, on the right mouse button, ends it with Exit, and nothing
# reaches notepad.
panel &
panel_pid=$!
place=$(probe panel-place $wait_seconds | tr -d '\r')
[ "$place" = "$moved" ] || fail "the panel opened at $place, not at $moved where it was left"
probe menu-exit $wait_seconds || fail "choosing Exit from the panel's menu"
wait_for "$panel_pid"
[ "$result" = 0 ] || fail "the panel ended with $result after Exit"
probe wait-text Notepad 15415 1 || fail "after Exit"

probe stop-watch >/dev/null
wait "$watch_pid"
watch_status=$?
own_pids=()
[ $watch_status = 0 ] || fail "notepad lost the foreground: $(tr -d '\r' <"$work/watch" | grep '^foreground' | tr '\n' ' ')"
kill "$notepad_pid" 2>/dev/null
exit $status
