#!/usr/bin/env bash
# The component DLL imports nothing but Windows' own DLLs, exports exactly its four functions as
# ordinals 1 to 4, and stays small enough for a handheld: within LIMIT bytes stripped, resources
# included, with the unwind tables that faults need to pass through the DLL's frames on x86-64.
# Usage: dll_checks.sh OBJDUMP OBJCOPY DLL LIMIT
set -u
objdump=$1
objcopy=$2
dll=$3
limit=$4
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

# On x86-64 a fault must unwind through the DLL's frames: the unwind tables stay, whatever the size.
if "$objdump" -f "$dll" | grep -q 'pei-x86-64'; then
    "$objdump" -p "$dll" | grep -Eq '^Entry 3 [0-9a-f]+ 0*[1-9a-f][0-9a-f]* Exception Directory' ||
        fail "no unwind tables (an empty exception directory)"
fi

stripped=$(mktemp)
"$objcopy" --strip-all "$dll" "$stripped"
size=$(stat -c %s "$stripped")
echo "stripped size: $size bytes"
if [ "$size" -gt "$limit" ]; then
    fail "the stripped DLL has $size bytes, more than $limit; its sections (bytes used, each padded to 512 in the file):"
    "$objdump" -h "$stripped" | while read -r index name hex _; do
        [[ $index =~ ^[0-9]+$ ]] && printf '  %-8s %6d\n' "$name" $((16#$hex))
    done
fi
rm -f "$stripped"
exit $status
