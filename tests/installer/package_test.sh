#!/usr/bin/env bash
# The installer package of the build's word size under Wine, in a fresh prefix of that word size
# on an X display of its own: a per-user install and what it puts where, the panel started from
# its Start-menu shortcut typing into notepad, the options dialog saving into the per-user
# registration, a per-machine install, an upgrade from an older version, each uninstall leaving
# nothing of ours; and the portable zip registered by hand. The installer's registration is
# compared value by value with what regsvr32 writes.
# Usage: package_test.sh REPOSITORY PACKAGE OLDER_PACKAGE ZIP PROBE WINEARCH CLSID
set -u
cd "$1"
package=$2
older=$3
zip=$4
probe=$5
arch=$6
clsid=$7
source scripts/lib/wine_test.sh

# Shortcuts would otherwise become desktop entries in the user's home.
export WINEDLLOVERRIDES=winemenubuilder.exe=d
vardeko_start_display || exit 1
vardeko_start_wine "$work/wineprefix" "$arch" >/dev/null ||
    { echo "the Wine prefix $work/wineprefix could not be readied"; exit 1; }
probe() { vardeko_wine "$probe" "$@"; }
windows_path() { vardeko_wine winepath -w "$1" 2>/dev/null | tr -d '\r'; }
unix_path() { vardeko_wine winepath -u "$1" 2>/dev/null | tr -d '\r'; }
folder() { unix_path "$(vardeko_wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r')"; }
product_code() { msiinfo export "$1" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p'; }
msi() { vardeko_wine msiexec "$@" /qn; }

package_win=$(windows_path "$package")
older_win=$(windows_path "$older")
code=$(product_code "$package")
older_code=$(product_code "$older")
[ -n "$code" ] && [ -n "$older_code" ] || { echo "no product codes in the packages"; exit 1; }
user_folder=$(folder LOCALAPPDATA)/Programs/Vardeko
machine_folder=$(folder ProgramFiles)/Vardeko
shortcut=$(folder APPDATA)/Microsoft/Windows/Start\ Menu/Programs/Vardeko\ keypad.lnk
user_class="HKEY_CURRENT_USER\\Software\\Classes\\CLSID\\$clsid"
machine_class="HKEY_LOCAL_MACHINE\\Software\\Classes\\CLSID\\$clsid"
user_vardeko='HKEY_CURRENT_USER\Software\Vardeko'
machine_vardeko='HKEY_LOCAL_MACHINE\Software\Vardeko'
uninstall='Software\Microsoft\Windows\CurrentVersion\Uninstall'

# One line per key, each followed by a "name type data" line per value; nothing for a missing key.
dump() {
    local text
    text=$(vardeko_wine reg query "$1" /s 2>/dev/null) || return 0
    printf '%s\n' "$text" | tr -d '\r' | sed -e 's/^ *//' -e '/^$/d'
}
# The stored number of a value of KEY, or nothing when it is missing.
stored() {
    vardeko_wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/.*REG_DWORD *0x//p"
}
installed() {
    [ -n "$(dump "HKEY_LOCAL_MACHINE\\$uninstall\\$1")$(dump "HKEY_CURRENT_USER\\$uninstall\\$1")" ]
}

expect_files() {
    local file
    for file in vardeko.dll vardeko-host.exe vardeko-calc.exe; do
        [ -f "$1/$file" ] || fail "$2: no $1/$file"
    done
    [ -f "$shortcut" ] || fail "$2: no shortcut $shortcut"
}

# After an uninstall: no file, folder, shortcut, key or product of ours.
expect_nothing_left() {
    local path key
    for path in "$user_folder" "$machine_folder" "$shortcut"; do
        [ ! -e "$path" ] || fail "$1 left $path: $(ls -A "$path" 2>/dev/null | tr '\n' ' ')"
    done
    for key in "$user_class" "$machine_class" "$user_vardeko" "$machine_vardeko"; do
        [ -z "$(dump "$key")" ] || fail "$1 left $key:
$(dump "$key")"
    done
    installed "$code" && fail "$1 left the product $code registered"
    installed "$older_code" && fail "$1 left the product $older_code registered"
}

# What regsvr32 writes for the installed DLL $1, in the machine's classes, as the installer's
# registration $2 of key $3 would read there.
compare_with_regsvr32() {
    local installer=$2 ours
    vardeko_wine reg delete "$machine_class" /f >/dev/null 2>&1
    vardeko_wine regsvr32 /s "$(windows_path "$1")" || fail "regsvr32 $1 returned $?"
    ours=$(dump "$machine_class")
    [ -n "$installer" ] || fail "$4: the installer wrote no registration"
    [ "${installer//"$3"/"$machine_class"}" = "$ours" ] || fail "$4: the installer's registration:
$installer
differs from regsvr32's:
$ours"
}

# 1. Per user, the default: no administrator rights asked, the user's own folders and classes.
msi /i "$package_win" || fail "the per-user install returned $?"
expect_files "$user_folder" "the per-user install"
[ ! -e "$machine_folder" ] || fail "the per-user install wrote $machine_folder"
[ -z "$(dump "$machine_class")" ] || fail "the per-user install registered for the machine"
registration=$(dump "$user_class")
grep -Fqx "(Default)    REG_SZ    $(windows_path "$user_folder/vardeko.dll")" <<<"$registration" ||
    fail "the per-user registration does not name the installed DLL:
$registration"
compare_with_regsvr32 "$user_folder/vardeko.dll" "$registration" "$user_class" "per user"
vardeko_wine regsvr32 /u /s "$(windows_path "$user_folder/vardeko.dll")"

# The Start menu's shortcut: its target, started with its arguments in its folder, opens the panel
# beside notepad, which gets what it types.
link=$(probe shortcut "$(windows_path "$shortcut")" | tr -d '\r')
{ read -r target && read -r arguments && read -r start_in; } <<<"$link"
[ "$target" = "$(windows_path "$user_folder/vardeko-host.exe")" ] && [ "$arguments" = --panel ] ||
    fail "the shortcut starts $link"
"$WINELOADER" notepad >/dev/null 2>&1 &
notepad_pid=$!
probe wait-foreground Notepad $wait_seconds || fail "notepad never became the foreground window"
(cd "$(unix_path "$start_in")" && vardeko_wine "$(unix_path "$target")" $arguments) &
panel_pid=$!
probe click-keys "1 2 + 3 = Input" $wait_seconds || fail "clicking the keys of the shortcut's panel"
probe wait-text Notepad 15 $wait_seconds || fail "notepad after the shortcut's panel"
# Moved, the panel remembers its place in HKCU\Software\Vardeko, which the uninstall removes.
probe drag-grip -40 -30 $wait_seconds || fail "dragging the panel's grip"
probe close-panel || fail "closing the shortcut's panel"
wait_for $panel_pid
[ "$result" = 0 ] || fail "the shortcut's panel ended with $result"
kill "$notepad_pid" 2>/dev/null
# Opened by the shell, as from the Start menu, the panel keeps no console window: it would take
# the activation from the application typed into.
vardeko_wine start "$(windows_path "$shortcut")" || fail "the shell could not open the shortcut"
probe panel-place $wait_seconds >/dev/null || fail "the shell's shortcut opened no panel"
probe no-window WineConsoleClass 20 || fail "the shell's shortcut left a console window"
probe close-panel || fail "closing the shell's panel"
for _ in $(seq 1 $((wait_seconds * 5))); do
    probe panel-place 0 >/dev/null || break
    sleep 0.2
done
# The pad state went into the per-user registration, as Windows' merged classes would have it.
[ "$(stored "$user_class" PadType)" = 0 ] || fail "no pad state in $user_class after the panel"
[ -z "$(dump "$machine_class")" ] || fail "the panel wrote into $machine_class"
[ -n "$(dump "$user_vardeko\\Host")" ] || fail "the panel kept no place in $user_vardeko"

# The options dialog saves into the per-user registration too.
vardeko_wine "$user_folder/vardeko-host.exe" --options &
host_pid=$!
# "=" also sends the result (1000), then OK (1).
probe click-dialog 1000 $wait_seconds || fail "ticking the options dialog's first box"
probe click-dialog 1 $wait_seconds || fail "confirming the options dialog"
wait_for $host_pid
[ "$result" = 0 ] || fail "vardeko-host --options ended with $result"
[ "$(stored "$user_class" EquelToInput)" = 1 ] || fail "the option was not saved in $user_class"
[ -z "$(dump "$machine_class")" ] || fail "the options dialog wrote into $machine_class"

msi /x "$package_win" || fail "the per-user uninstall returned $?"
expect_nothing_left "the per-user uninstall"

# 2. For the machine: Program Files and the machine's classes. Removed by the package, as one
# installed for the user is, and then by the product code alone, as Add/Remove Programs does.
msi /i "$package_win" ALLUSERS=1 || fail "the per-machine install returned $?"
expect_files "$machine_folder" "the per-machine install"
[ ! -e "$user_folder" ] || fail "the per-machine install wrote $user_folder"
[ -z "$(dump "$user_class")" ] || fail "the per-machine install registered for the user"
compare_with_regsvr32 "$machine_folder/vardeko.dll" "$(dump "$machine_class")" "$machine_class" \
    "per machine"
vardeko_wine "$machine_folder/vardeko-host.exe" --keys "pad" || fail "the installed host returned $?"
[ "$(stored "$machine_class" PadType)" = 1 ] || fail "no pad state in $machine_class"
msi /x "$package_win" || fail "the per-machine uninstall returned $?"
expect_nothing_left "the per-machine uninstall"
msi /i "$package_win" ALLUSERS=1 || fail "the second per-machine install returned $?"
expect_files "$machine_folder" "the second per-machine install"
msi /x "$code" || fail "the per-machine uninstall by product code returned $?"
expect_nothing_left "the per-machine uninstall by product code"

# 3. An upgrade from an older version keeps what the keypad stored and leaves one registration.
msi /i "$older_win" || fail "installing the older version returned $?"
vardeko_wine "$user_folder/vardeko-host.exe" --keys "pad" || fail "the older host returned $?"
vardeko_wine reg add "$user_class" /v EquelToInput /t REG_DWORD /d 1 /f >/dev/null 2>&1
msi /i "$package_win" || fail "the upgrade returned $?"
expect_files "$user_folder" "the upgrade"
installed "$older_code" && fail "the older version is still installed after the upgrade"
installed "$code" || fail "the upgrade is not installed"
[ "$(stored "$user_class" PadType)" = 1 ] || fail "the upgrade lost the pad state"
[ "$(stored "$user_class" EquelToInput)" = 1 ] || fail "the upgrade lost the options"
[ -z "$(dump "$machine_class")" ] || fail "the upgrade registered for the machine"
upgraded=$(vardeko_wine "$user_folder/vardeko-host.exe" --keys "2 + 3 =" --print | tr -d '\r')
[ "$upgraded" = 'SendString "5" 1
text: "5"' ] || fail "the upgraded keypad sent: $upgraded"
msi /x "$package_win" || fail "uninstalling the upgrade returned $?"
expect_nothing_left "uninstalling the upgrade"

# 4. A folder given at the install is found again by the uninstall, for either scope.
for scope in ALLUSERS= ALLUSERS=1; do
    msi /i "$package_win" 'INSTALLFOLDER=C:\Vardeko elsewhere\' $scope ||
        fail "the install into a folder of one's own ($scope) returned $?"
    expect_files "$(unix_path 'C:\Vardeko elsewhere')" "the install into a folder of one's own ($scope)"
    msi /x "$package_win" || fail "the uninstall from a folder of one's own ($scope) returned $?"
    [ ! -e "$(unix_path 'C:\Vardeko elsewhere')" ] ||
        fail "the uninstall ($scope) left $(unix_path 'C:\Vardeko elsewhere')"
    expect_nothing_left "the uninstall from a folder of one's own ($scope)"
done

# 5. The portable zip, registered by hand.
mkdir "$work/zip"
(cd "$work/zip" && cmake -E tar xf "$zip") || fail "cannot unpack $zip"
portable=$work/zip/$(basename "$zip" .zip)
vardeko_wine regsvr32 /s "$(windows_path "$portable/vardeko.dll")" ||
    fail "regsvr32 of the portable DLL returned $?"
ran=$(vardeko_wine "$portable/vardeko-host.exe" --reset --keys "2 + 3 = Input" --print | tr -d '\r')
[ "$ran" = 'SendString "5" 1
text: "5"' ] || fail "the portable keypad sent: $ran"
vardeko_wine regsvr32 /u /s "$(windows_path "$portable/vardeko.dll")" ||
    fail "regsvr32 /u of the portable DLL returned $?"
[ -z "$(dump "$machine_class")" ] || fail "regsvr32 /u left $machine_class"
exit $status
