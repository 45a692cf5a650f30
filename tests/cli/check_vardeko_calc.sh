#!/bin/sh
# Runs vardeko-calc on every case in a folder and compares what it prints and its exit status:
#   NAME.args    its arguments, one line of shell words, quoted as in a shell (required)
#   NAME.in      its standard input (default: none)
#   NAME.out     the expected standard output (default: empty)
#   NAME.err     the expected standard error (default: empty)
#   NAME.status  the expected exit status (default: 0)
#   NAME.to      a file to send standard output to instead, such as /dev/full; NAME.out is then
#                not compared
# Usage: check_vardeko_calc.sh CASES_DIR PROGRAM [RUNNER], the runner being Wine's for the
# Windows build.
set -u
cases=$1
program=$2
runner=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run_case() {
    input=/dev/null
    [ -f "$cases/$1.in" ] && input="$cases/$1.in"
    output=$work/out
    [ -f "$cases/$1.to" ] && output=$(cat "$cases/$1.to")
    eval "set -- $(cat "$cases/$1.args")"
    $runner "$program" "$@" <"$input" >"$output" 2>"$work/err"
}

passed=0
failed=0
for argsfile in "$cases"/*.args; do
    name=$(basename "$argsfile" .args)
    : >"$work/out"
    run_case "$name"
    status=$?
    expected_status=0
    [ -f "$cases/$name.status" ] && expected_status=$(cat "$cases/$name.status")
    ok=1
    if [ "$status" != "$expected_status" ]; then
        echo "$name: exit status $status, expected $expected_status"
        ok=0
    fi
    for stream in out err; do
        expected=/dev/null
        [ -f "$cases/$name.$stream" ] && expected="$cases/$name.$stream"
        if ! cmp -s "$expected" "$work/$stream"; then
            echo "$name: standard $stream differs (- expected, + actual):"
            diff -u "$expected" "$work/$stream" | tail -n +3 | sed 's/^/    /'
            ok=0
        fi
    done
    if [ $ok = 1 ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
    fi
done
echo "vardeko-calc cases: $passed passed, $failed failed"
[ $passed -gt 0 ] && [ $failed -eq 0 ]
