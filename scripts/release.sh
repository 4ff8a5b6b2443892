#!/usr/bin/env bash
# Builds every release artifact of the checked-out commit, each from a clean build, into one
# folder (release/, or the one given) with their checksums in SHA256SUMS: the Debian package,
# QUV.exe as the Windows packages hold it, the Windows zip and installer, and the web page's zip.
# Every date in them is the last commit's, so a second run on the same commit, anywhere, gives
# the same bytes; `sha256sum -c SHA256SUMS` checks them.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-release}")

bash scripts/install-deps.sh release
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
# Emscripten finds its Node modules there, as the web preset says.
export NODE_PATH=/usr/share/nodejs
# CPack writes the Debian package's own members with the umask's modes.
umask 022
jobs=$(nproc)
# The builds lie at one place inside the sources: the Qt program's generated code names its
# headers by their path from there, which then is the same in every checkout.
scratch=$PWD/build-release
rm -rf "$scratch"
# A folder of an earlier release is emptied; any other that holds files is left alone.
if [ -n "$(ls -A "$out" 2>/dev/null)" ] && [ ! -f "$out/SHA256SUMS" ]; then
    echo "$out holds files but no release; name an empty or new folder" >&2
    exit 1
fi
rm -rf "$out"
mkdir -p "$out"

# package PRESET GENERATORS: a clean build of PRESET, its packages copied to the folder.
package() {
    echo "== $1 =="
    cmake --preset "$1" -B "$scratch/$1" -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$scratch/$1" --parallel "$jobs" >/dev/null
    cpack -G "$2" --config "$scratch/$1/CPackConfig.cmake" -B "$scratch/$1/package" >/dev/null
    find "$scratch/$1/package" -maxdepth 1 -type f -exec cp {} "$out/" \;
}
package default DEB
package windows "ZIP;NSIS"
package web ZIP
windows_zip=$(ls "$out"/quv-*-windows-x64.zip)
unzip -p "$windows_zip" "$(basename "$windows_zip" .zip)/QUV.exe" >"$out/QUV.exe"

(cd "$out" && LC_ALL=C sha256sum -- * >SHA256SUMS && cat SHA256SUMS)
