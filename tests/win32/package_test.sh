#!/usr/bin/env bash
# The zip and the installer for Windows players. The installer runs silently under Wine in a
# prefix of its own, the installed game starts, and the uninstaller leaves nothing behind.
#   package_test.sh BUILD-DIR VERSION WINE-RUNNER-SCRIPT
set -uo pipefail
build=$1
version=$2
runner=$3
out=$(mktemp -d)
prefix=$build/wine-install
trap 'rm -rf "$out"; "$runner" "$prefix" --stop; rm -rf "$prefix" "$prefix.lock"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
wine() { "$runner" "$prefix" "$@"; }

cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null || fail "cpack failed"
name=quv-$version-windows-x64
[ -f "$out/$name.zip" ] || fail "no $name.zip"
[ -f "$out/$name.exe" ] || fail "no $name.exe"
listing=$(unzip -Z1 "$out/$name.zip" | sort | tr '\n' ' ')
[ "$listing" = "$name/ $name/LICENSE.txt $name/QUV.exe $name/README.txt " ] ||
    [ "$listing" = "$name/LICENSE.txt $name/QUV.exe $name/README.txt " ] ||
    fail "the zip holds: $listing"

rm -rf "$prefix"
drive=$prefix/drive_c
home=$drive/Program\ Files/QUV
menu=$drive/ProgramData/Microsoft/Windows/Start\ Menu/Programs/QUV
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\QUV'
cp "$out/$name.exe" "$out/setup.exe"
wine "$out/setup.exe" /S >/dev/null 2>&1 || fail "the installer failed"
[ -f "$home/QUV.exe" ] || fail "nothing installed in Program Files\\QUV"
[ -f "$home/LICENSE.txt" ] && [ -f "$home/Uninstall.exe" ] || fail "licence or uninstaller missing"
[ -f "$menu/QUV.lnk" ] || fail "no Start-menu shortcut"
wine reg query "$key" /v UninstallString >/dev/null 2>&1 || fail "no uninstall entry"
wine reg query "$key" /v DisplayName 2>/dev/null | grep -q 'QUV' || fail "the uninstall entry has no name"

timeout 10 "$runner" "$prefix" "C:\\Program Files\\QUV\\QUV.exe" >/dev/null 2>&1 </dev/null
[ $? = 124 ] || fail "the installed game did not keep running"

# The uninstaller copies itself away and returns at once; the prefix's server ends with it.
wine "C:\\Program Files\\QUV\\Uninstall.exe" /S >/dev/null 2>&1 || fail "the uninstaller failed"
WINEPREFIX=$prefix /usr/lib/wine/wineserver -w
[ ! -e "$home" ] || fail "left behind: $(ls -A "$home")"
[ ! -e "$menu" ] || fail "left behind in the Start menu: $(ls -A "$menu")"
! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstall entry stayed"
! wine reg query 'HKLM\Software\The QUV developers' >/dev/null 2>&1 || fail "the vendor key stayed"
echo "Windows packages OK"
