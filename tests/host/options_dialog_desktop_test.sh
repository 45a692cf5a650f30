#!/usr/bin/env bash
# The keypad's options dialog, opened from the floating panel's menu, confirmed and cancelled with
# the mouse and the keyboard on every kind of desktop: Wine drawing the captions itself (Managed),
# Wine's default window management with no window manager at all and with openbox running, there
# also at 192 DPI. In a fresh Wine prefix on an X display of its own.
# Usage: options_dialog_desktop_test.sh REPOSITORY HOST DLL PROBE WINEARCH
set -u
cd "$1"
host=$2
dll=$3
probe=$4
arch=$5
source scripts/lib/wine_test.sh
key=$VARDEKO_CLSID_KEY
x11_key='HKCU\Software\Wine\X11 Driver'

vardeko_start_display || exit 1
vardeko_start_wine "$work/wineprefix" "$arch" >/dev/null || exit 1
vardeko_wine regsvr32 /s "$(vardeko_wine winepath -w "$dll")" || { echo "regsvr32 failed"; exit 1; }
probe() { vardeko_wine "$probe" "$@"; }

# The stored number of an option, or nothing when it is missing.
stored() {
    vardeko_wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/.*REG_DWORD *0x//p"
}

# Opens the dialog from the panel, ticks box $1 with the mouse, then ends the dialog with the
# probe's command in the rest of the arguments; the panel must end with status 0.
# Usage: tick_and_end WHAT BOX PROBE_COMMAND...
tick_and_end() {
    local what=$1 box=$2 i
    shift 2
    "$WINELOADER" "$host" --panel --options >/dev/null 2>"$work/err" &
    local panel_pid=$!
    probe click-dialog "$box" $wait_seconds || fail "$what: ticking box $box"
    probe "$@" $wait_seconds || fail "$what: $*"
    for i in $(seq 1 $((wait_seconds * 10))); do
        kill -0 "$panel_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$panel_pid" 2>/dev/null; then
        fail "$what: the dialog stayed open"
        kill "$panel_pid"
    fi
    wait "$panel_pid" || fail "$what: the panel ended with $? ($(cat "$work/err"))"
}

# Each kind of desktop from no stored options: OK and Enter save the ticked box (OK stores all
# four options), Cancel and Esc leave the store as it was.
check_desktop() {
    local desktop=$1 name
    for name in EquelToInput InputToClear DirectInEx DirectOutEx; do
        vardeko_wine reg delete "$key" /v "$name" /f >/dev/null 2>&1
    done
    tick_and_end "$desktop, OK" 1000 click-dialog 1
    [ "$(stored EquelToInput)" = 1 ] || fail "$desktop: OK did not save the ticked box"
    tick_and_end "$desktop, Cancel" 1001 click-dialog 2
    [ "$(stored InputToClear)" = 0 ] || fail "$desktop: Cancel saved"
    [ "$(stored EquelToInput)" = 1 ] || fail "$desktop: Cancel changed what OK saved"
    tick_and_end "$desktop, Enter" 1002 press-key 13
    [ "$(stored DirectInEx)" = 1 ] || fail "$desktop: Enter did not save the ticked box"
    tick_and_end "$desktop, Esc" 1003 press-key 27
    [ "$(stored DirectOutEx)" = 0 ] || fail "$desktop: Esc saved"
}

check_desktop "Wine's own captions"

vardeko_wine reg delete "$x11_key" /v Managed /f >/dev/null 2>&1
check_desktop "no window manager"

openbox --sm-disable >/dev/null 2>&1 &
own_pids+=("$!")
for _ in $(seq 1 $((wait_seconds * 10))); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
    { echo "openbox did not start"; exit 1; }
check_desktop "openbox"

# Twice the pixels to the inch: a bigger dialog, kept within the screen all the same.
vardeko_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null 2>&1
vardeko_wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
    /v LogPixels /t REG_DWORD /d 192 /f >/dev/null 2>&1
check_desktop "openbox at 192 DPI"
exit $status
