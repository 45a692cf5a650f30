#!/usr/bin/env bash
# The component DLL imports nothing but Windows' own DLLs, exports exactly its four functions as
# ordinals 1 to 4, and stays small enough for a handheld: within 64 KB stripped, resources
# included.
# Usage: dll_checks.sh OBJDUMP OBJCOPY DLL
set -u
objdump=$1
objcopy=$2
dll=$3
status=0
fail() { echo "FAIL: $*"; status=1; }

allowed='^(kernel32|user32|gdi32|advapi32|comctl32|ole32|msvcrt)\.dll$'
while read -r name; do
    echo "$name" | tr 'A-Z' 'a-z' | grep -Eq "$allowed" || fail "imports $name"
done < <("$objdump" -p "$dll" | sed -n 's/^\s*DLL Name: //p')

exports=$("$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | grep -o '\[ *[0-9]*\] .*' | tr -s ' ')
expected='[ 0] DllCanUnloadNow
[ 1] DllGetClassObject
[ 2] DllRegisterServer
[ 3] DllUnregisterServer'
[ "$exports" = "$expected" ] || fail "exports:
$exports"
base=$("$objdump" -p "$dll" | sed -n 's/^Ordinal Base\s*\([0-9]*\)$/\1/p')
[ "$base" = 1 ] || fail "the exports' ordinals start at $base, not 1"

stripped=$(mktemp)
"$objcopy" --strip-all "$dll" "$stripped"
size=$(stat -c %s "$stripped")
rm -f "$stripped"
echo "stripped size: $size bytes"
[ "$size" -le 65536 ] || fail "the stripped DLL has $size bytes, more than 65536"
exit $status
