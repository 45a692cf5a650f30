#!/usr/bin/env bash
# The engine's math is its own: each binary imports no C math function from any DLL, and its
# link map shows none linked in statically (libmingwex has its own x87 sin, cos, pow, exp, log,
# sqrt and more), so that every build runs the same code.
# Usage: check_math_imports.sh OBJDUMP BINARY MAP [BINARY MAP ...]
set -u
objdump=$1
shift
status=0
fail() { echo "FAIL: $*"; status=1; }

math='sin cos tan asin acos atan atan2 sinh cosh tanh asinh acosh atanh exp exp2 expm1 log log10
log2 log1p logb ilogb pow sqrt cbrt hypot floor ceil trunc round lround llround rint lrint
nearbyint fmod remainder remquo frexp ldexp scalbn scalbln modf fabs copysign nextafter fdim
fmax fmin fma erf erfc tgamma lgamma'

[ $# -ge 2 ] || fail "no binary and link map given"
while [ $# -ge 2 ]; do
    binary=$1
    map=$2
    shift 2
    name=$(basename "$binary")
    if [ ! -f "$map" ]; then
        fail "$name: no link map $map"
        continue
    fi
    if ! imports=$("$objdump" -p "$binary"); then
        fail "$name: $objdump cannot read it"
        continue
    fi
    # The import table's entries: hint, then name, after each "DLL Name:" line.
    imports=$(awk '/DLL Name:/ { inDll = 1; next } inDll && $1 ~ /^[0-9a-f]+$/ && NF == 3 { print $3 }' \
        <<<"$imports")
    [ -n "$imports" ] || fail "$name: no imports found, so none checked"
    found=0
    for function in $math; do
        for variant in "$function" "${function}f" "${function}l"; do
            if grep -qx "$variant" <<<"$imports"; then
                fail "$name imports $variant"
                found=1
            fi
            # A function linked in is a symbol line of the map: an address, then the bare name.
            if grep -Eq "^\s+0x[0-9a-f]+\s+_?$variant\s*$" "$map"; then
                fail "$name links $variant in statically"
                found=1
            fi
        done
    done
    [ $found -eq 0 ] && echo "$name imports no math function and links none in"
done
exit $status
