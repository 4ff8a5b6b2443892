#!/usr/bin/env bash
# The zip and the installer for Windows players. The installer runs silently under Wine in a
# prefix of its own: by default for the user who runs it, with no administrator (its manifest asks
# for none; under Wine every user is an administrator, so the rest of that shows only on Windows),
# and with /AllUsers for the whole machine. Each time the installed game shows its window and the
# uninstaller its entry names leaves nothing behind.
#   package_test.sh BUILD-DIR VERSION PROBE.exe WINE-RUNNER-SCRIPT
set -uo pipefail
build=$1
version=$2
probe=$3
runner=$4
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

# Windows starts the installer as the user who opened it: no prompt for an administrator.
level=$(wrestool -x --type=24 --raw "$out/$name.exe" | grep -o 'requestedExecutionLevel level="[^"]*"')
[ "$level" = 'requestedExecutionLevel level="asInvoker"' ] || fail "the installer asks for $level"

rm -rf "$prefix"
cp "$out/$name.exe" "$out/setup.exe"
# unix PATH: where a Windows path of the prefix lies.
unix() { wine winepath -u "$1" 2>/dev/null; }
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\QUV'
value() { wine reg query "$1\\$key" /v "$2" 2>/dev/null | sed -n "s/^ *$2 *REG_[A-Z]* *//p" | tr -d '\r'; }

# check_install ROOT FOLDER START-MENU SWITCH: the game, its licence and uninstaller in FOLDER, a
# shortcut in START-MENU, the uninstall entry under ROOT (HKCU or HKLM), and the game's window.
check_install() {
    local root=$1 folder=$2 menu=$3 switch=$4 home
    home=$(unix "$folder")
    [ -f "$home/QUV.exe" ] || fail "nothing installed in $folder"
    [ -f "$home/LICENSE.txt" ] && [ -f "$home/Uninstall.exe" ] || fail "licence or uninstaller missing"
    [ -f "$(unix "$menu")/QUV.lnk" ] || fail "no shortcut in $menu"
    [ "$(value "$root" DisplayName)" = QUV ] || fail "no uninstall entry under $root"
    [ "$(value "$root" DisplayVersion)" = "$version" ] || fail "the entry's version: $(value "$root" DisplayVersion)"
    [ "$(value "$root" InstallLocation)" = "$folder" ] || fail "the entry names $(value "$root" InstallLocation)"
    [ "$(value "$root" QuietUninstallString)" = "\"$folder\\Uninstall.exe\" /S $switch" ] ||
        fail "the entry uninstalls with: $(value "$root" QuietUninstallString)"
    wine "$probe" QuvForm1 Quv "$folder\\QUV.exe" >"$out/shown" 2>&1 </dev/null ||
        fail "the installed game showed no window: $(cat "$out/shown")"
}
# uninstall ROOT FOLDER START-MENU SWITCH: the silent uninstall the entry names leaves nothing.
uninstall() {
    local root=$1 folder=$2 menu=$3 switch=$4 home
    home=$(unix "$folder")
    # The uninstaller copies itself away and returns at once; the prefix's server ends with it.
    wine "$folder\\Uninstall.exe" /S "$switch" >/dev/null 2>&1 || fail "the uninstaller failed"
    WINEPREFIX=$prefix /usr/lib/wine/wineserver -w
    [ ! -e "$home" ] || fail "left behind: $(ls -A "$home")"
    [ ! -e "$(unix "$menu")/QUV.lnk" ] || fail "left behind: the shortcut in $menu"
    ! wine reg query "$root\\$key" >/dev/null 2>&1 || fail "the uninstall entry under $root stayed"
}

# The folders of this user and of the machine, as the prefix names them.
folder() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
programs='\Microsoft\Windows\Start Menu\Programs'
mine=(HKCU "$(folder LOCALAPPDATA)\Programs\QUV" "$(folder APPDATA)$programs" /CurrentUser)
everyone=(HKLM "$(folder ProgramW6432)\QUV" "$(folder ProgramData)$programs" /AllUsers)
[[ ${mine[1]} == C:\\users\\* && ${everyone[1]} == C:\\* ]] || fail "no folders: ${mine[1]}, ${everyone[1]}"

# By default: for this user only, in the user's own folders and registry, and nothing for the
# machine. Run again, it installs over the first install.
wine "$out/setup.exe" /S >/dev/null 2>&1 || fail "the installer failed"
check_install "${mine[@]}"
[ ! -e "$(unix "${everyone[1]}")" ] || fail "the default install wrote to ${everyone[1]}"
! wine reg query "HKLM\\$key" >/dev/null 2>&1 || fail "the default install made an entry for all users"
wine "$out/setup.exe" /S >/dev/null 2>&1 || fail "the installer failed over an install"
check_install "${mine[@]}"
uninstall "${mine[@]}"

# For all users: Program Files, the machine's registry and the common Start menu.
wine "$out/setup.exe" /S /AllUsers >/dev/null 2>&1 || fail "the installer for all users failed"
check_install "${everyone[@]}"
! wine reg query "HKCU\\$key" >/dev/null 2>&1 || fail "the install for all users made an entry for this user"
uninstall "${everyone[@]}"
echo "Windows packages OK"
