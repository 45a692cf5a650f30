#!/usr/bin/env bash
# The keypad on a 192 DPI screen: a fresh Wine prefix of the build's word size, its LogPixels set
# to 192 in both places Wine reads it before any program of it starts, the component registered,
# then the test program (panel_dpi_test.cpp) on an X display of its own.
# Usage: panel_dpi_test.sh REPOSITORY PROGRAM DLL WINEARCH
set -u
cd "$1"
program=$2
dll=$3
arch=$4
source scripts/lib/wine_test.sh

vardeko_start_display || exit 1
vardeko_start_wine "$work/wineprefix" "$arch" >/dev/null ||
    { echo "the Wine prefix $work/wineprefix could not be readied"; exit 1; }
for key in 'HKCU\Control Panel\Desktop' \
    'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts'; do
    vardeko_wine reg add "$key" /v LogPixels /t REG_DWORD /d 192 /f >/dev/null ||
        { echo "cannot set LogPixels in $key"; exit 1; }
done
# The programs started from now on read the new DPI.
vardeko_stop_wine
vardeko_start_wine "$work/wineprefix" "$arch" >/dev/null ||
    { echo "the Wine prefix $work/wineprefix did not start again"; exit 1; }
vardeko_wine regsvr32 /s "$(vardeko_wine winepath -w "$dll")" || { echo "regsvr32 failed"; exit 1; }
vardeko_wine "$program"
