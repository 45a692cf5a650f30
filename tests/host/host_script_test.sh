#!/usr/bin/env bash
# vardeko-host end to end under Wine: the registered component, found in the registry and driven
# through COM by the host's scripted mode; its transcripts, edit text, pictures, options dialog
# and refusals.
# Usage: host_script_test.sh WINE_RUN HOST DLL KEY VERSION
set -u
wine_run=$1
host=$2
dll=$3
key=$4
version=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }

# Each case starts from the registration alone: no pad state, no options.
fresh() {
    "$wine_run" reg delete "$key" /f >/dev/null 2>&1
    "$wine_run" regsvr32 /s "Z:${dll//\//\\}" || fail "regsvr32 returned $?"
}

store() { "$wine_run" reg add "$key" /v "$1" /t REG_DWORD /d "$2" /f >/dev/null 2>&1; }

# The stored number of a setting, or nothing when it is missing.
stored() {
    "$wine_run" reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/.*REG_DWORD *0x//p"
}

# Runs the host with the arguments, in the locale run_locale when it is set (each Wine program
# takes the user's language from LC_ALL); expects the exit status $1.
run_locale=
run() {
    local want=$1 what="${*:2}"
    shift
    env ${run_locale:+LC_ALL="$run_locale"} "$wine_run" "$host" "$@" >"$work/out" 2>"$work/err"
    local got=$?
    [ "$got" = "$want" ] || fail "vardeko-host $what: status $got, expected $want; stderr: $(cat "$work/err")"
}

expect_output() {
    local actual
    actual=$(cat "$work/out")
    [ "$actual" = "$1" ] || fail "$2: output
$actual
expected:
$1"
}

# Width and height from a PNG's IHDR chunk, after checking its signature and chunk name.
png_size() {
    [ "$(od -An -tx1 -N16 "$1" | tr -d ' \n')" = "89504e470d0a1a0a0000000d49484452" ] ||
        { echo "not a PNG"; return; }
    local w h
    w=$(od -An -tu4 --endian=big -j16 -N4 "$1" | tr -d ' ')
    h=$(od -An -tu4 --endian=big -j20 -N4 "$1" | tr -d ' ')
    echo "$w x $h"
}

# A calculation tapped on the pad and sent with Input arrives as text; = alone sends nothing.
fresh
run 0 --keys "2 + 3 * 4 = Input" --print
expect_output 'SendString "20" 2
text: "20"' "calculation sent with Input"
run 0 --keys "1 / 0 = Input" --print
expect_output 'SendString "Error" 5
text: "Error"' "the error state sent as it is shown"

# With EquelToInput stored, = sends the result itself; Input sends it again.
fresh
store EquelToInput 1
run 0 --keys "7 * 6 = Input" --print
expect_output 'SendString "42" 2
SendString "42" 2
text: "4242"' "EquelToInput"

# Direct mode: digits and operators as characters, the direct row as keys that edit the text.
fresh
run 0 --keys "direct 1 2 3 Left Backspace" --print
expect_output 'SendString "1" 1
SendString "2" 1
SendString "3" 1
SendVirtualKey 37 0x80
SendCharEvents 8 0x80 1 0 8
text: "13"' "direct mode editing"
run 0 --keys "direct 4 * Enter Tab Esc 5 Left Left Delete Up" --print
expect_output 'SendString "4" 1
SendString "*" 1
SendCharEvents 13 0x80 1 0 13
SendCharEvents 9 0x80 1 0 9
SendCharEvents 27 0x80 1 0 27
SendString "5" 1
SendVirtualKey 37 0x80
SendVirtualKey 37 0x80
SendVirtualKey 46 0x80
SendVirtualKey 38 0x80
text: "4*\r\n5"' "direct mode Enter, Tab, Esc and Delete"
# Keys without a character are greyed in direct mode: a tap on sin sends nothing.
run 0 --keys "direct sin 9" --print
expect_output 'SendString "9" 1
text: "9"' "a disabled key in direct mode"

# The pad state outlives the host: the programmer pad chosen in one run is there in the next.
fresh
run 0 --keys "pad HEX"
run 0 --keys "F F + 1 = Input" --print
expect_output 'SendString "100" 3
text: "100"' "the programmer pad in hex, restored"
[ "$(stored PadType)" = 1 ] || fail "PadType was not saved as 1"
[ "$(stored Radix)" = 1 ] || fail "Radix was not saved as 1"

# --reset clears the saved pad state and options before the run, keeping the registration.
store EquelToInput 1
run 0 --reset --keys "2 + 3 = Input" --print
expect_output 'SendString "5" 1
text: "5"' "a run after --reset"
[ "$(stored PadType)" = 0 ] || fail "PadType after --reset: $(stored PadType)"
[ "$(stored Radix)" = 0 ] || fail "Radix after --reset: $(stored Radix)"
[ -z "$(stored EquelToInput)" ] || fail "--reset left EquelToInput"

# The options dialog through the menu's command: the stored options, and cancel changes nothing.
# A Japanese user interface has the Japanese texts, every other the English ones, which are
# plain ASCII.
fresh
store EquelToInput 1
run_locale=ja_JP.UTF-8
run 0 --options-shot "$work/options.png" --print
expect_output 'dialog "Vardekoのｵﾌﾟｼｮﾝ"
button 1000 "'"'"'='"'"' でﾃﾞｰﾀをｲﾝﾌﾟｯﾄする" checked
button 1001 "ｲﾝﾌﾟｯﾄ後ﾃﾞｰﾀをｵｰﾙｸﾘｱ（AC）する" unchecked
static -1 "Vardeko for Palm-size PC v'"$version"'"
static -1 "Calculator keypad input method"
button 1002 "演算結果ｳｲﾝﾄﾞｳ･ﾀｯﾌﾟでﾀﾞｲﾚｸﾄﾓｰﾄﾞ" unchecked
button 1003 "ﾀﾞｲﾚｸﾄﾓｰﾄﾞから無効ﾎﾞﾀﾝでぬける" unchecked
static -1 ""
button 1 "OK"
button 2 "ｷｬﾝｾﾙ"
text: ""' "the options dialog in Japanese"
[ "$(png_size "$work/options.png")" = "not a PNG" ] && fail "the options picture is not a PNG"
english='dialog "Vardeko Options"
button 1000 "The = key also sends the result" checked
button 1001 "Clear all (AC) after sending" unchecked
static -1 "Vardeko for Palm-size PC v'"$version"'"
static -1 "Calculator keypad input method"
button 1002 "Tap the display to enter direct mode" unchecked
button 1003 "Tap a disabled key to leave direct mode" unchecked
static -1 ""
button 1 "OK"
button 2 "Cancel"
text: ""'
for run_locale in en_US.UTF-8 de_DE.UTF-8; do
    run 0 --options-shot "$work/options.png" --print
    expect_output "$english" "the options dialog in $run_locale"
    LC_ALL=C grep -q '[^ -~]' "$work/out" && fail "the dialog's texts in $run_locale are not ASCII"
done
run_locale=
[ "$(stored EquelToInput)" = 1 ] || fail "cancel changed EquelToInput"
[ -z "$(stored InputToClear)" ] || fail "cancel stored InputToClear"

# Pictures: the simulated screen is 240 x 320; the pad's client area is 238 x 78, enlarged on
# request.
run 0 --keys "1" --shot "$work/screen.png" --scale 3 --pad-shot "$work/pad.png"
[ "$(png_size "$work/screen.png")" = "240 x 320" ] ||
    fail "screen picture: $(png_size "$work/screen.png")"
[ "$(png_size "$work/pad.png")" = "714 x 234" ] || fail "pad picture: $(png_size "$work/pad.png")"
run 1 --shot "$work/no/such/folder/screen.png"
grep -q "cannot write" "$work/err" || fail "no message for a picture that cannot be written"

# Refusals: nothing runs, nothing is printed, a message names the fault and the status is 2.
# Usage: refuse MESSAGE ARGUMENT...
refuse() {
    local message=$1
    shift
    run 2 "$@"
    [ -s "$work/out" ] && fail "vardeko-host $* printed output"
    grep -qF "vardeko-host: $message" "$work/err" ||
        fail "vardeko-host $*: message $(head -1 "$work/err")"
}
refuse "unknown key 'nope'" --keys "1 nope"
refuse "unknown key 'Sine'" --keys "1 Sine"
refuse "key 'asin' has no place" --keys "1 asin"
refuse "--tap needs X,Y" --tap 5
refuse "--tap needs X,Y" --tap 5,x
refuse "--scale needs" --scale 0
refuse "unknown option '--bogus'" --bogus
refuse "--shot needs a value" --keys 1 --shot
refuse "unexpected argument 'extra'" extra
run 0 --help
grep -q "^usage: vardeko-host" "$work/out" || fail "--help shows no usage"

# Without the component registered, a script says so and fails.
"$wine_run" regsvr32 /u /s "Z:${dll//\//\\}"
run 1 --keys "1" --print
grep -q "no input method is registered: register one with regsvr32" "$work/err" ||
    fail "no message without an input method: $(cat "$work/err")"

# An input method registered with a DLL that cannot be loaded, missing or not a DLL at all: the
# script fails and names the input method, the call, its result and the DLL.
broken='HKEY_CLASSES_ROOT\CLSID\{6b1f0c2e-3d4a-4e5b-8c6d-7e8f9a0b1c2d}'
"$wine_run" reg add "$broken" /ve /d "Broken pad" /f >/dev/null 2>&1
"$wine_run" reg add "$broken\\IsSIPInputMethod" /ve /d 1 /f >/dev/null 2>&1
echo "not a DLL" >"$work/text.dll"
for server in "$work/missing.dll" "$work/text.dll"; do
    "$wine_run" reg add "$broken\\InprocServer32" /ve /d "Z:${server//\//\\}" /f >/dev/null 2>&1
    run 1 --method "broken PAD" --keys "1" --print
    [ -s "$work/out" ] && fail "a run with ${server##*/} printed output"
    grep -qF "cannot create the input method Broken pad: CoCreateInstance failed with HRESULT 0x" \
        "$work/err" && grep -qF "its DLL Z:${server//\//\\} could not be loaded" "$work/err" ||
        fail "message for ${server##*/}: $(cat "$work/err")"
done
"$wine_run" reg delete "$broken" /f >/dev/null 2>&1
fresh
exit $status
