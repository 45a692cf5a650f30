#!/usr/bin/env bash
# vardeko-calc-agreement compare: what it lets through and what it catches.
# Usage: check_agreement_rules.sh AGREEMENT
set -u
agreement=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

# Expects the comparison of the reference lines with the other lines to pass (0) or fail (1).
expect() {
    local expected=$1 what=$2 reference=$3 other=$4
    printf '%b' "$reference" >"$work/reference"
    printf '%b' "$other" >"$work/other"
    "$agreement" compare "$work/reference" "$work/other" >"$work/out"
    local actual=$?
    [ "$actual" -eq "$expected" ] || { echo "FAIL: $what (status $actual)"; cat "$work/out"; status=1; }
}

calc='AC\t0\n2\t2\nsin\t'
expect 0 "identical" "${calc}0.9092974268256817\n" "${calc}0.9092974268256817\n"
expect 0 "a Windows line end" "${calc}0.9092974268256817\n" "${calc}0.9092974268256817\r\n"
expect 1 "a last digit after a function" "${calc}0.9092974268256817\n" "${calc}0.9092974268256818\n"
expect 1 "a last digit in exponential notation" "AC\t0\ne^x\t1.01423205473500e+304\n" "AC\t0\ne^x\t1.01423205473501e+304\n"
expect 1 "a last digit in arithmetic" "AC\t0\n/\t0.3333333333333333\n" "AC\t0\n/\t0.3333333333333334\n"
expect 1 "Error against a number" "${calc}Error\n" "${calc}1e+308\n"
expect 1 "a beep" "${calc}0.5\tbeep\n" "${calc}0.5\n"
expect 1 "a missing line" "${calc}0.5\n=\t0.5\n" "${calc}0.5\n"
expect 1 "nothing at all" "" ""
exit $status
