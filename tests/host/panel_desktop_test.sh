#!/usr/bin/env bash
# The floating panel at home on a desktop, in a fresh Wine prefix on an X display of its own: it
# opens, is dragged and outlives a change of the screens wholly within the work area; its menu's
# Reset position; a second start leaves one panel; what it types reaches a console, which reads
# keys rather than characters.
# Usage: panel_desktop_test.sh REPOSITORY HOST DLL PROBE CONSOLE_READER WINEARCH
set -u
cd "$1"
host=$2
dll=$3
probe=$4
reader=$5
arch=$6
source scripts/lib/wine_test.sh

probe() { vardeko_wine "$probe" "$@"; }
# reg.exe takes a DWORD's bits, as the panel stores a negative number.
store_place() {
    vardeko_wine reg add "$VARDEKO_HOST_KEY" /v PanelLeft /t REG_DWORD /d $(($1 & 0xFFFFFFFF)) /f \
        >/dev/null 2>&1 || fail "storing PanelLeft $1"
    vardeko_wine reg add "$VARDEKO_HOST_KEY" /v PanelTop /t REG_DWORD /d $(($2 & 0xFFFFFFFF)) /f \
        >/dev/null 2>&1 || fail "storing PanelTop $2"
}

# The interactive panel in the background, and its end.
open_panel() {
    vardeko_wine "$host" --panel >/dev/null 2>&1 &
    panel_pid=$!
}
close_panel() {
    local i
    probe close-panel >/dev/null || fail "no panel to close ($*)"
    for i in $(seq 1 $((wait_seconds * 10))); do
        kill -0 "$panel_pid" 2>/dev/null || break
        sleep 0.1
    done
    wait "$panel_pid" || fail "the panel ended with $? ($*)"
}

# Checks that the open panel lies wholly in its monitor's work area; seen is what the probe saw.
expect_on_screen() {
    probe panel-on-screen $wait_seconds >"$work/seen"
    local result=$?
    seen=$(tr -d '\r' <"$work/seen")
    [ $result = 0 ] || fail "$*: $seen"
}

start_desktop() {
    vardeko_start_display "$1" || exit 1
    vardeko_start_wine "$work/wineprefix" "$arch" >/dev/null || exit 1
}
stop_desktop() {
    vardeko_stop_wine
    vardeko_stop_display
}

start_desktop 1280x800
vardeko_wine regsvr32 /s "$(vardeko_wine winepath -w "$dll")" || { echo "regsvr32 failed"; exit 1; }

# The panel's size from what the probe saw.
size_of() {
    local l t r b
    IFS=' ,-' read -r _ l t r b _ <<<"$1"
    echo "$((r - l)) x $((b - t))"
}

# A stored place on the screen is kept; one past an edge, partly on the screen or with the grip
# above it becomes the nearest place where the panel is whole: moved, not resized.
store_place 300 300
open_panel
expect_on_screen "stored place 300 300"
[[ "$seen" == "panel 300,300-"* ]] || fail "a place on the screen was not kept: $seen"
size=$(size_of "$seen")
close_panel "stored place 300 300"
for place in "5000 5000" "-5000 -5000" "5000 -5000" "-5000 5000" "100 -90" "1200 300" "600 790" \
    "2147483647 -2147483648"; do
    store_place $place
    open_panel
    expect_on_screen "stored place $place"
    [ "$(size_of "$seen")" = "$size" ] || fail "stored place $place: resized to $seen"
    close_panel "stored place $place"
done

# A drag of the grip past the bottom edge stops at it; the place kept there opens whole again.
store_place 300 300
open_panel
probe drag-grip-far 0 2000 $wait_seconds >/dev/null || fail "dragging the grip down"
expect_on_screen "after a drag past the bottom edge"
[[ "$seen" == *-*,800\ in\ work\ area\ 0,0-1280,800 ]] ||
    fail "a drag past the bottom edge did not end at it: $seen"
dragged=$seen
close_panel "after the drag"
open_panel
expect_on_screen "reopened after the drag"
[ "$seen" = "$dragged" ] || fail "the panel reopened at $seen, not where the drag left it"

# Reset position (the menu's command) forgets the place: the panel goes where a first run puts it.
store_place 300 300
probe command-panel 102 >/dev/null || fail "Reset position"
sleep 1
expect_on_screen "after Reset position"
reset=$seen
close_panel "after Reset position"
vardeko_wine reg query "$VARDEKO_HOST_KEY" /v PanelLeft >/dev/null 2>&1 &&
    fail "Reset position kept the stored place"
open_panel
expect_on_screen "a first run"
[ "$seen" = "$reset" ] || fail "Reset position put the panel at $reset, not at $seen as a first run"

# A second start without script options leaves the one panel and ends at once.
timeout 60 "$WINELOADER" "$host" --panel >/dev/null 2>&1
second=$?
[ $second = 0 ] || fail "a second --panel ended with $second"
[ "$(probe count-panels | tr -d '\r')" = 1 ] ||
    fail "two starts left $(probe count-panels | tr -d '\r') panels"
close_panel "after the second start"

# The panel types into a console: its characters go as the keys that type them. A result that
# Input sends has the decimal separator of the user's locale, direct mode's key its own ".".
# Wine keeps the user's number format in the prefix, written by each program that starts with
# another locale, so the panel is the last program started before it sends.
# Usage: type_into_console LOCALE TEXT TRANSCRIPT PANEL_ARGUMENT...
type_into_console() {
    local locale=$1 text=$2 transcript=$3
    shift 3
    rm -f "$work/console.txt"
    vardeko_wine wineconsole "$reader" "$(vardeko_wine winepath -w "$work/console.txt")" "$text" \
        $wait_seconds >/dev/null 2>&1 &
    local console_pid=$!
    probe wait-foreground WineConsoleClass $wait_seconds ||
        fail "the console never became the foreground window"
    env ${locale:+LC_ALL=$locale} "$WINELOADER" "$host" --panel --print "$@" >"$work/transcript" \
        2>&1 || fail "the panel's run into the console ended with $?"
    wait "$console_pid" || fail "in ${locale:-the default locale} the console read" \
        "\"$(cat "$work/console.txt" 2>/dev/null)\", not \"$text\""
    [ "$(tr -d '\r' <"$work/transcript")" = "$transcript" ] ||
        fail "in ${locale:-the default locale} the panel sent $(tr -d '\r' <"$work/transcript")"
}
type_into_console "" 15 'SendString "15" 2' --reset --keys "1 2 + 3 = Input"
for locale in de_DE.UTF-8 en_US.UTF-8 ja_JP.UTF-8; do
    point=.
    [ $locale = de_DE.UTF-8 ] && point=,
    type_into_console $locale "3${point}5." "SendString \"3${point}5\" 3
SendString \".\" 1" --reset --keys "1 . 5 + 2 = Input direct . direct"
done
# = with EquelToInput sends the result as Input does.
vardeko_wine reg add "$VARDEKO_CLSID_KEY" /v EquelToInput /t REG_DWORD /d 1 /f >/dev/null 2>&1
type_into_console de_DE.UTF-8 5-0,25 'SendString "5" 1
SendString "-0,25" 5' --keys "1 . 2 5 * 4 = 2 sign / 8 ="

# A place kept on a 1280 x 800 screen, opened on a 640 x 480 one.
store_place 630 470
stop_desktop
start_desktop 640x480
open_panel
expect_on_screen "a place kept at 1280 x 800 opened at 640 x 480"
close_panel "at 640 x 480"

# The screen shrinks under the open panel: a Wine virtual desktop, which the next start of Wine
# makes, can change its size.
vardeko_wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
vardeko_wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x800 /f >/dev/null 2>&1
store_place 1030 690
stop_desktop
start_desktop 1280x800
open_panel
expect_on_screen "in the virtual desktop"
probe change-display 640 480 || fail "the virtual desktop did not shrink"
for _ in $(seq 1 50); do
    probe panel-on-screen 1 >/dev/null && break
    sleep 0.1
done
expect_on_screen "after the screen shrank to 640 x 480"
close_panel "after the screen shrank"
exit $status
