#!/bin/sh
# vardeko-calc --batch on input that standard input's blocks cut anywhere: 20,000 short lines,
# one line of 30,000 terms, CR LF endings and a last line without a newline; every result must
# come out as computed here. Then an input that cannot be read (a directory): a failure with a
# message, not an empty input.
# Usage: check_input_reading.sh PROGRAM [RUNNER], the runner being Wine's for the Windows build.
set -u
program=$1
runner=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk 'BEGIN {
    for (i = 1; i <= 20000; ++i) {
        printf "%d + %d =%s\n", i, i % 7, i % 3 == 0 ? "\r" : ""
        print i + i % 7 >"/dev/stderr"
    }
    for (i = 0; i < 30000; ++i)
        printf "1 + "
    print "1 ="
    print 30001 >"/dev/stderr"
    printf "7 * 6 ="
    print 42 >"/dev/stderr"
}' >"$work/in" 2>"$work/expected"
$runner "$program" --batch <"$work/in" >"$work/out" || { echo "exit status $?"; exit 1; }
if ! cmp -s "$work/out" "$work/expected"; then
    echo "results differ from the computed ones:"
    diff "$work/expected" "$work/out" | head -20
    exit 1
fi
echo "$(wc -l <"$work/expected") results as computed"

$runner "$program" --batch </ >"$work/out" 2>"$work/err"
status=$?
if [ $status -ne 1 ] || ! grep -q '^vardeko-calc: cannot read standard input: ' "$work/err"; then
    echo "unreadable input: exit status $status, standard error:"
    cat "$work/err"
    exit 1
fi
echo "unreadable input reported"
