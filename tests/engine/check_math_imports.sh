#!/usr/bin/env bash
# Every math function the engine uses comes from msvcrt.dll: each binary imports from it all the
# functions that msvcrt_math.def names, and its link map shows no C math function linked in
# statically (libmingwex has its own x87 sin, cos, pow, exp, log, sqrt and more).
# Usage: check_math_imports.sh OBJDUMP DEF BINARY MAP [BINARY MAP ...]
set -u
objdump=$1
def=$2
shift 2
status=0
fail() { echo "FAIL: $*"; status=1; }

# The names after "==" in the .def: what msvcrt.dll exports.
mapfile -t used < <(sed -n 's/^\s*\w\+\s*==\s*\(\w\+\)\s*$/\1/p' "$def")
[ ${#used[@]} -gt 0 ] || fail "no functions named in $def"

math='sin cos tan asin acos atan atan2 sinh cosh tanh asinh acosh atanh exp exp2 expm1 log log10
log2 log1p logb ilogb pow sqrt cbrt hypot floor ceil trunc round lround llround rint lrint
nearbyint fmod remainder remquo frexp ldexp scalbn scalbln modf fabs copysign nextafter fdim
fmax fmin fma erf erfc tgamma lgamma'

while [ $# -ge 2 ]; do
    binary=$1
    map=$2
    shift 2
    name=$(basename "$binary")
    if [ ! -f "$map" ]; then
        fail "$name: no link map $map"
        continue
    fi
    imports=$("$objdump" -p "$binary" | awk '
        /DLL Name:/ { inMsvcrt = tolower($3) == "msvcrt.dll"; next }
        inMsvcrt && $1 ~ /^[0-9a-f]+$/ && NF == 3 { print $3 }')
    for function in "${used[@]}"; do
        grep -qx "$function" <<<"$imports" || fail "$name does not import $function from msvcrt.dll"
    done
    # A function linked in is a symbol line of the map: an address, then the bare name.
    for function in $math; do
        for variant in "$function" "${function}f" "${function}l"; do
            grep -Eq "^\s+0x[0-9a-f]+\s+$variant\s*$" "$map" &&
                fail "$name links $variant in statically"
        done
    done
    [ $status -eq 0 ] && echo "$name imports ${#used[@]} math functions from msvcrt.dll and links none in"
done
exit $status
