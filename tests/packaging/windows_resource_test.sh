#!/usr/bin/env bash
# Compiles the Windows resources with the MinGW resource compiler, so that a broken resource is
# caught before anyone builds on Windows. Skipped (77) where the compiler is missing.
set -euo pipefail
source=$1
windres=$(command -v x86_64-w64-mingw32-windres) || { echo "no windres: skipped"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cd "$source/resources"
# The host's C preprocessor is enough: the resource script needs no Windows header.
"$windres" --preprocessor=cpp quv.rc -O coff -o "$out/quv.o"
"$windres" -J coff -i "$out/quv.o" -O rc -o "$out/back.rc"

for expected in 'BLOCK "041104B0"' 'VALUE "FileVersion", "1.00"' \
    'VALUE "ProductVersion", "1.00"' 'VALUE "ProductName", "QUV"' \
    'VALUE "InternalName", "QUV"' 'VALUE "OriginalFilename", "QUV.exe"' \
    'RT_GROUP_ICON' 'FILEVERSION 1, 0, 0, 0'; do
    grep -qF -- "$expected" "$out/back.rc" || fail "compiled resources lack: $expected"
done
echo "Windows resources OK"
