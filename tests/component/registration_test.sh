#!/usr/bin/env bash
# regsvr32 registers the DLL and reg query shows exactly the registration values; regsvr32 /u
# removes the key again, with whatever others put in it, and a second /u reports the failure.
# Usage: registration_test.sh WINE_RUN DLL KEY
set -u
wine_run=$1
dll=$2
key=$3
windows_dll="Z:${dll//\//\\}"
status=0
fail() { echo "FAIL: $*"; status=1; }

# One "name type data" line per value, each after the line of its key; nothing for a missing key.
query() {
    local text
    text=$("$wine_run" reg query "$key" /s 2>/dev/null) || return 0
    printf '%s\n' "$text" | tr -d '\r' | sed -e 's/^ *//' -e '/^$/d'
}

"$wine_run" reg delete "$key" /f >/dev/null 2>&1
"$wine_run" regsvr32 /s "$windows_dll" || fail "regsvr32 returned $?"
expected="$key
(Default)    REG_SZ    Vardeko
$key\\DefaultIcon
(Default)    REG_SZ    $windows_dll,0
$key\\InprocServer32
(Default)    REG_SZ    $windows_dll
$key\\IsSIPInputMethod
(Default)    REG_SZ    1"
actual=$(query)
[ "$actual" = "$expected" ] || fail "registry after registration:
$actual
expected:
$expected"

# Settings stored in the key go with it.
"$wine_run" reg add "$key" /v PadType /t REG_DWORD /d 1 /f >/dev/null 2>&1
"$wine_run" regsvr32 /u /s "$windows_dll" || fail "regsvr32 /u returned $?"
[ -z "$(query)" ] || fail "the key is still there after regsvr32 /u"
"$wine_run" regsvr32 /u /s "$windows_dll" && fail "a second regsvr32 /u reported success"

# A subkey the component never wrote, with a subkey of its own, goes with the rest.
"$wine_run" regsvr32 /s "$windows_dll" || fail "regsvr32 returned $?"
"$wine_run" reg add "$key\\Junk\\Deeper" /v Data /d x /f >/dev/null 2>&1
"$wine_run" regsvr32 /u /s "$windows_dll" || fail "regsvr32 /u with a foreign subkey returned $?"
[ -z "$(query)" ] || fail "the key is still there after regsvr32 /u with a foreign subkey:
$(query)"
"$wine_run" regsvr32 /u /s "$windows_dll" && fail "a second regsvr32 /u reported success"
exit $status
