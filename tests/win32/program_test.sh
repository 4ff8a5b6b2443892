#!/usr/bin/env bash
# QUV.exe as a Windows user gets it: one file that needs no DLL beyond Windows' own, its icon,
# version information and manifest, its answers to --help and --version, and a start that shows
# the game's window. The benchmark's probe looks for that window; the bare window of the
# benchmark shows that the probe tells another program's window from the game's.
#   program_test.sh QUV.exe VERSION PROBE.exe BARE-WINDOW.exe WINE-RUNNER...
set -uo pipefail
exe=$1
version=$2
probe=$3
bare=$4
shift 4
wine=("$@")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Only DLLs that every Windows has; nothing of GCC's runtime or of winpthread. COM, oleacc and
# UI Automation wait for a screen reader's first question, Common Controls for the dialog: the
# start does without them, and without shell32.
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print toupper($3)}' | sort)
for dll in $dlls; do
    case $dll in
    KERNEL32.DLL | USER32.DLL | GDI32.DLL | MSVCRT.DLL) ;;
    OLE32.DLL | OLEAUT32.DLL | OLEACC.DLL | UIAUTOMATIONCORE.DLL | COMCTL32.DLL | SHELL32.DLL)
        fail "QUV.exe loads $dll at every start" ;;
    *) fail "QUV.exe imports $dll, beyond kernel32, user32, gdi32 and msvcrt" ;;
    esac
done

x86_64-w64-mingw32-strip -o "$out/stripped.exe" "$exe"
size=$(stat -c %s "$out/stripped.exe")
[ "$size" -lt 1048576 ] || fail "stripped QUV.exe is $size bytes, over 1 MiB"

# The version information: its block and translation are Japanese, and so is every resource;
# the strings come from the build (the version, CPack's vendor, the licence's copyright line).
x86_64-w64-mingw32-windres -i "$exe" -O rc -o "$out/back.rc" || fail "no resources"
for expected in 'BLOCK "041104B0"' 'VALUE "Translation", 0x411, 1200'; do
    grep -qF -- "$expected" "$out/back.rc" || fail "QUV.exe's version information lacks: $expected"
done
languages=$(wrestool -l "$exe" | sed 's/.* --language=\([0-9]*\) .*/\1/' | sort -u | tr '\n' ' ')
[ "$languages" = "1041 " ] || fail "QUV.exe's resources are in the languages $languages, not 1041"
# Decoded from UTF-16, each string ends a line of its own; a key's value is the next one.
wrestool -x --type=16 --raw "$exe" | iconv -c -f UTF-16LE -t UTF-8 | tr '\0' '\n' >"$out/strings"
value() { awk -v key="$1" 'found && NF {print; exit} $0 ~ key "$" {found = 1}' "$out/strings"; }
copyright=$(grep -m 1 '^Copyright ' "$(dirname "$0")/../../LICENSE")
for row in "FileDescription=QUV パズルゲーム" "FileVersion=$version" "ProductVersion=$version" \
    "ProductName=QUV" "CompanyName=The QUV developers" "LegalCopyright=$copyright" \
    "InternalName=QUV" "OriginalFilename=QUV.exe"; do
    [ "$(value "${row%%=*}")" = "${row#*=}" ] ||
        fail "QUV.exe's ${row%%=*} is '$(value "${row%%=*}")', not '${row#*=}'"
done

# The manifest: Common Controls 6 and per-monitor DPI, and the identity of this build, its
# version in four numbers and the architecture the program is built for.
manifest=$(wrestool -x --type=24 --name=1 --raw "$exe" | tr -s ' \n' ' ')
IFS=. read -r -a numbers <<<"$version.0.0.0"
quad=$((10#${numbers[0]})).$((10#${numbers[1]})).$((10#${numbers[2]})).$((10#${numbers[3]}))
case $(x86_64-w64-mingw32-objdump -f "$exe" | sed -n 's/^architecture: \([^,]*\),.*/\1/p') in
i386:x86-64) arch=amd64 ;;
i386) arch=x86 ;;
*) arch=unknown ;;
esac
for expected in "name=\"io.github.quvgame.quv\" version=\"$quad\" processorArchitecture=\"$arch\"" \
    'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' 'PerMonitorV2' \
    'level="asInvoker"'; do
    [[ $manifest == *"$expected"* ]] || fail "QUV.exe's manifest lacks: $expected"
done

# Explorer, the taskbar and Start show the program's first icon group; the window loads id 1. It
# holds every size they ask for, and its one 32 × 32 image is the window's own, in 16 colours.
first_group=$(wrestool -l --type=14 "$exe" | head -n 1)
[[ $first_group == "--type=14 --name=1 "* ]] || fail "QUV.exe's first icon group: $first_group"
wrestool -x --type=14 --name=1 -o "$out/quv.ico" "$exe" || fail "no icon group 1"
icons=$(icotool -l "$out/quv.ico" |
    sed -n 's/.* --width=\([0-9]*\) .* --bit-depth=\([0-9]*\) .*/\1:\2/p' | sort -n | tr '\n' ' ')
[ "$icons" = "16:32 24:32 32:4 48:32 256:32 " ] || fail "QUV.exe's icon holds (size:bits) $icons"

# run NAME ARGS...: keeps the status, standard output and standard error.
run() {
    local name=$1
    shift
    "${wine[@]}" "$exe" "$@" >"$out/$name.out" 2>"$out/$name.err" </dev/null
    echo $? >"$out/$name.status"
}
run version --version
run short_version -v
run help --help
run short_help -h
run bogus --bogus
[ "$(cat "$out/version.status")" = 0 ] || fail "--version exited $(cat "$out/version.status")"
# Compared byte for byte: the line ends with its newline.
printf 'QUV %s\n' "$version" | cmp -s - "$out/version.out" ||
    fail "--version printed: $(od -c "$out/version.out" | head -2)"
cmp -s "$out/version.out" "$out/short_version.out" || fail "-v differs from --version"
[ "$(head -n 1 "$out/help.out")" = "Usage: QUV [options]" ] || fail "--help began: $(head -n 1 "$out/help.out")"
cmp -s "$out/help.out" "$out/short_help.out" || fail "-h differs from --help"
[ "$(cat "$out/bogus.status")" = 1 ] || fail "an unknown option exited $(cat "$out/bogus.status")"
grep -qx "QUV: unknown option '--bogus'" "$out/bogus.err" || fail "unknown option: $(cat "$out/bogus.err")"
grep -qx "Usage: QUV \[options\]" "$out/bogus.err" || fail "no usage after an unknown option"

# The game starts and shows its window, of its class and with its title; the probe fails for a
# program that ends without one, and for another program's window.
windows_path() { local p; p=$(realpath "$1"); echo "Z:${p//\//\\}"; }
"${wine[@]}" "$probe" QuvForm1 Quv "$(windows_path "$exe")" >"$out/shown" 2>&1 </dev/null ||
    fail "QUV.exe did not show its window: $(cat "$out/shown")"
! "${wine[@]}" "$probe" QuvForm1 Quv "$(windows_path "$exe")" --version >/dev/null 2>&1 </dev/null ||
    fail "the probe saw a window of QUV.exe --version, which shows none"
! "${wine[@]}" "$probe" --timeout 3 QuvForm1 Quv "$(windows_path "$bare")" >/dev/null 2>&1 </dev/null ||
    fail "the probe took the bare window for the game's"
echo "QUV.exe OK"
