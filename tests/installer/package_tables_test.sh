#!/usr/bin/env bash
# What the package's tables say, read with msiinfo: the product's version, manufacturer and
# upgrade code (which must never change, or upgrades would install beside the older version),
# the word size, a per-user install without elevation, and what the build sets after wixl; the
# older package the upgrade test starts from; the portable zip's files, which are the package's
# and ship without debugging symbols.
# Usage: package_tables_test.sh PACKAGE OLDER_PACKAGE ZIP VERSION MANUFACTURER ARCH FILE_VERSION
#        OBJDUMP
set -u
package=$1
older=$2
zip=$3
version=$4
manufacturer=$5
arch=$6
file_version=$7
objdump=$8
status=0
fail() { echo "FAIL: $*"; status=1; }
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT

case $arch in
x64) upgrade_code='{D269002A-02BD-4627-85DB-FA26B2136D57}' other='{7A437495-7C12-417A-9E07-B80AD6F379A2}' template='x64;1033' ;;
x86) upgrade_code='{7A437495-7C12-417A-9E07-B80AD6F379A2}' other='{D269002A-02BD-4627-85DB-FA26B2136D57}' template='Intel;1033' ;;
*) echo "unknown architecture $arch"; exit 2 ;;
esac
[ "$(basename "$package")" = "Vardeko-$version-$arch.msi" ] || fail "the package is named $package"
[ "$(basename "$zip")" = "Vardeko-$version-$arch.zip" ] || fail "the zip is named $zip"

# The rows of TABLE in PACKAGE, tab-separated, without the three header lines.
table() {
    local text
    text=$(msiinfo export "$1" "$2") || { fail "msiinfo cannot read $2 of $1"; return; }
    printf '%s\n' "$text" | tr -d '\r' | tail -n +4
}
property() { table "$1" Property | sed -n "s/^$2\t//p"; }

[ "$(property "$package" ProductVersion)" = "$version" ] ||
    fail "ProductVersion $(property "$package" ProductVersion), not $version"
[ "$(property "$package" Manufacturer)" = "$manufacturer" ] ||
    fail "Manufacturer $(property "$package" Manufacturer), not $manufacturer"
[ "$(property "$package" UpgradeCode)" = "$upgrade_code" ] ||
    fail "UpgradeCode $(property "$package" UpgradeCode), not $upgrade_code"
[ "$(property "$package" ProductName)" = Vardeko ] || fail "ProductName $(property "$package" ProductName)"
summary=$(msiinfo suminfo "$package" | tr -d '\r')
grep -qx "Template: $template" <<<"$summary" || fail "not a $arch package: $summary"
# Word count bit 3: elevated privileges are not required.
words=$(sed -n 's/^Source: \([0-9]*\).*/\1/p' <<<"$summary")
[ -n "$words" ] && (((words & 8) != 0)) || fail "the package asks for elevation: $summary"

# The older package: the same product, a lower version, another product code.
[ "$(property "$older" UpgradeCode)" = "$upgrade_code" ] || fail "the older package has another upgrade code"
[ "$(property "$older" ProductCode)" != "$(property "$package" ProductCode)" ] ||
    fail "the older package has the same product code"
older_version=$(property "$older" ProductVersion)
[ "$(printf '%s\n%s\n' "$older_version" "$version" | sort -V | head -1)" = "$older_version" ] &&
    [ "$older_version" != "$version" ] || fail "the older package's version is $older_version"

# What the build sets after wixl.
registry=$(table "$package" Registry)
cut -f2 <<<"$registry" | grep -qvx -- '-1\|1' && fail "registry rows outside HKMU and HKCU:
$registry"
grep -q "^RemoveClassKey	-1	Software\\\\Classes\\\\CLSID\\\\{[-0-9a-f]*}	-		Dll$" <<<"$registry" ||
    fail "the component's key is not removed on uninstall"
grep -q "^RemovePanelPlace	1	Software\\\\Vardeko	-		StartMenu$" <<<"$registry" ||
    fail "the panel's place is not removed on uninstall"
[ "$(table "$package" File | cut -f5 | sort -u)" = "$file_version" ] ||
    fail "the files' versions are not all $file_version: $(table "$package" File | cut -f1,5)"
sequence=$(table "$package" InstallExecuteSequence)
finalize=$(sed -n 's/^InstallFinalize\t\t//p' <<<"$sequence")
remove=$(sed -n 's/^RemoveExistingProducts\t\t//p' <<<"$sequence")
[ -n "$remove" ] && [ "$remove" -gt "$finalize" ] ||
    fail "the older version is removed at $remove, before InstallFinalize ($finalize)"
grep -qF "$other	0.0.0	" <<<"$(table "$package" Upgrade)" ||
    fail "the other word size's package is not detected"

listing=$(cmake -E tar tf "$zip" | sort | tr '\n' ' ')
name=Vardeko-$version-$arch
[ "$listing" = "$name/ $name/README.txt $name/vardeko-calc.exe $name/vardeko-host.exe $name/vardeko.dll " ] ||
    fail "the zip holds $listing"
(cd "$unpacked" && cmake -E tar xf "$zip") || fail "cannot unpack $zip"
files=$(table "$package" File)
for file in vardeko.dll vardeko-host.exe vardeko-calc.exe; do
    "$objdump" -h "$unpacked/$name/$file" | grep -q '\.debug' &&
        fail "$file ships with debugging symbols"
    [ "$(awk -F '\t' -v name="$file" '$3 ~ "(^|[|])" name "$" { print $4 }' <<<"$files")" = \
        "$(stat -c %s "$unpacked/$name/$file")" ] || fail "the package's $file is not the zip's"
done
exit $status
