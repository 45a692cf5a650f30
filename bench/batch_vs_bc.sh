#!/usr/bin/env bash
# vardeko-calc --batch against bc -l on the same calculations: a seeded mix of positive numbers,
# addition, multiplication, division, square roots and squares, written as keys for vardeko-calc
# and, with the parentheses that its left-to-right order needs, as bc expressions. Subtraction is
# left out: its cancellation loses digits in any binary floating point, and the check is that
# every result agrees with bc's to 14 digits; bc keeps 50 decimals, as its default 20 would cut
# small quotients to fewer digits than that. Prints the keys pressed and the CPU time of
# vardeko-calc as a fraction of bc's.
# Usage: batch_vs_bc.sh VARDEKO_CALC [CALCULATIONS] [SEED]; also writes the calculations to
# $BENCH_KEYS_FILE when that is set.
set -uo pipefail
calc=$1
count=${2:-10000}
seed=${3:-11}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One calculation per line: keys on the first line of each pair, the bc expression on the second.
awk -v n="$count" -v seed="$seed" '
function number(    v) {
    if (rand() < 0.5)
        v = int(rand() * 99999) + 1
    else
        v = sprintf("%d.%0" (1 + int(rand() * 3)) "d", int(rand() * 999), int(rand() * 999) + 1)
    return v
}
BEGIN {
    srand(seed)
    split("+ * /", ops, " ")
    for (i = 0; i < n; ++i) {
        x = number(); keys = x; expr = x
        terms = 2 + int(rand() * 5)
        for (t = 1; t < terms; ++t) {
            op = ops[1 + int(rand() * 3)]
            y = number(); ey = y
            r = rand()
            if (r < 0.15) { y = y " sqrt"; ey = "sqrt(" ey ")" }
            else if (r < 0.25) { y = y " x^2"; ey = "(" ey ")^2" }
            keys = keys " " op " " y
            expr = "(" expr ")" op ey
        }
        print keys " ="
        print expr
    }
}' >"$work/pairs"
awk 'NR % 2 == 1' "$work/pairs" >"$work/keys"
{ echo "scale=50"; awk 'NR % 2 == 0' "$work/pairs"; } >"$work/bc"
[ -n "${BENCH_KEYS_FILE:-}" ] && cp "$work/keys" "$BENCH_KEYS_FILE"

cpu() { # CPU seconds (user + system) of the command, its output to $work/out.$1
    local name=$1 t
    shift
    t=$( { TIMEFORMAT='%U %S'; time "$@" >"$work/out.$name"; } 2>&1 ) || return 1
    awk '{ print $1 + $2 }' <<<"$t"
}
tcalc=$(cpu calc "$calc" --batch <"$work/keys") || { echo "vardeko-calc failed" >&2; exit 1; }
tbc=$(BC_LINE_LENGTH=0 cpu bc bc -l "$work/bc") || { echo "bc failed" >&2; exit 1; }

paste -d ' ' "$work/out.calc" "$work/out.bc" | awk '
function abs(x) { return x < 0 ? -x : x }
{
    scale = abs($2) > 1 ? abs($2) : 1
    if (NF != 2 || abs($1 - $2) > 1e-14 * scale) {
        print "disagree on calculation " NR ": vardeko-calc " $1 ", bc " $2 > "/dev/stderr"
        bad = 1
    }
}
END { exit bad }' || exit 1
[ "$(wc -l <"$work/out.calc")" -eq "$count" ] || { echo "missing results" >&2; exit 1; }

keys=$(awk '{ for (i = 1; i <= NF; ++i) n += $i ~ /^[0-9.]+$/ ? length($i) : 1 } END { print n }' \
    "$work/keys")
echo "calculations $count keys $keys"
awk -v a="$tcalc" -v b="$tbc" 'BEGIN { printf "batch_vs_bc %.4f\n", a / b }'
