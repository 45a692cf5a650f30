#!/usr/bin/env bash
# The component DLL imports nothing but Windows' own DLLs, exports exactly its four functions as
# ordinals 1 to 4, and stays small enough for a handheld: within LIMIT bytes stripped, resources
# included, with the unwind tables that faults need to pass through the DLL's frames on x86-64.
# Every run prints the stripped DLL's sections, so that a change shows where its bytes go.
# Usage: dll_checks.sh OBJDUMP OBJCOPY DLL LIMIT
set -euo pipefail
objdump=$1
objcopy=$2
dll=$3
limit=$4
status=0
fail() { echo "FAIL: $*"; status=1; }

# The headers, read once: objdump's failure ends the check with its own message.
headers=$("$objdump" -p "$dll") || { echo "FAIL: $objdump cannot read $dll"; exit 1; }
format=$("$objdump" -f "$dll") || { echo "FAIL: $objdump cannot read $dll"; exit 1; }

allowed='^(kernel32|user32|gdi32|advapi32|comctl32|ole32|msvcrt)\.dll$'
while read -r name; do
    [[ ${name,,} =~ $allowed ]] || fail "imports $name"
done < <(sed -n 's/^\s*DLL Name: //p' <<<"$headers")

exports=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$headers" |
    sed -n 's/^.*\(\[ *[0-9]*\] .*\)$/\1/p' | tr -s ' ')
expected='[ 0] DllCanUnloadNow
[ 1] DllGetClassObject
[ 2] DllRegisterServer
[ 3] DllUnregisterServer'
[ "$exports" = "$expected" ] || fail "exports:
$exports"
base=$(sed -n 's/^Ordinal Base\s*\([0-9]*\)$/\1/p' <<<"$headers")
[ "$base" = 1 ] || fail "the exports' ordinals start at '$base', not 1"

# On x86-64 a fault must unwind through the DLL's frames: the unwind tables stay, whatever the size.
if [[ $format == *pei-x86-64* ]] &&
    ! grep -Eq '^Entry 3 [0-9a-f]+ 0*[1-9a-f][0-9a-f]* Exception Directory' <<<"$headers"; then
    fail "no unwind tables (an empty exception directory)"
fi

stripped=$(mktemp) || { echo "FAIL: no temporary file for the stripped DLL"; exit 1; }
trap 'rm -f "$stripped"' EXIT
"$objcopy" --strip-all "$dll" "$stripped" || { echo "FAIL: $objcopy cannot strip $dll"; exit 1; }
size=$(stat -c %s "$stripped") || { echo "FAIL: no size for the stripped $dll"; exit 1; }
sections=$("$objdump" -h "$stripped") || { echo "FAIL: $objdump cannot list the sections"; exit 1; }
echo "stripped size: $size bytes of $limit; its sections (bytes used, each padded to 512 in the file):"
while read -r index name hex _; do
    if [[ $index =~ ^[0-9]+$ ]]; then
        printf '  %-8s %6d\n' "$name" $((16#$hex))
    fi
done <<<"$sections"
[ "$size" -le "$limit" ] || fail "the stripped DLL has $size bytes, more than $limit"
exit $status
