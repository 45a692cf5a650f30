#!/usr/bin/env bash
# Two builds of vardeko-calc show the same: the seeded key sequences of vardeko-calc-agreement go
# through the reference build's program (the native one) and through another build's, which runs
# through RUNNER (that build's wine-run) when one is given; then the outputs are compared.
# Usage: check_agreement.sh AGREEMENT REFERENCE_CALC OTHER_CALC [RUNNER ...]
# VARDEKO_AGREEMENT_SEED (default 1) and VARDEKO_AGREEMENT_KEYS (default 120000) choose the keys.
set -u
agreement=$1
reference=$2
other=$3
shift 3
for program in "$agreement" "$reference"; do
    [ -x "$program" ] || { echo "missing $program: build the native build first" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$agreement" keys "${VARDEKO_AGREEMENT_SEED:-1}" "${VARDEKO_AGREEMENT_KEYS:-120000}" >"$work/keys" ||
    exit 1
"$reference" <"$work/keys" >"$work/reference" || { echo "$reference failed" >&2; exit 1; }
"$@" "$other" <"$work/keys" >"$work/other" || { echo "$other failed" >&2; exit 1; }
"$agreement" compare "$work/reference" "$work/other"
