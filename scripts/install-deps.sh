#!/usr/bin/env bash
# Installs the Debian packages QUV needs, asking apt only when one is missing: "play" (the
# default) for building and running the game, "test" for building and running every test,
# QUV.exe's under Wine included, "package" for the Debian package, "release" for every package
# (scripts/release.sh) and "bench" for the start-up benchmark. Run as root on Debian 12. Prints
# one line per phase, and a line at every tenth of the download and of the install; if apt
# fails, its own error follows and the script stops.
set -euo pipefail
set_name=${1:-play}
case $set_name in
play | test | package | release | bench) ;;
*) echo "usage: $0 [play|test|package|release|bench]" >&2; exit 2 ;;
esac

# What playing needs: building the game and running it.
packages=(
    cmake g++ make pkg-config            # build
    qt6-base-dev                         # the windows
    fonts-noto-cjk                       # Japanese glyphs
)
# What testing needs besides.
if [ "$set_name" = test ]; then
    packages+=(
        libgtest-dev googletest              # core tests, and GoogleTest's sources for Windows
        file desktop-file-utils appstream    # desktop integration checks
        dpkg-dev binutils lintian            # the Debian package, its dependencies and its check
        man-db groff-base                    # the manual page's check
        libx11-dev xvfb                      # the start-up benchmark
        qt6-wayland                          # the no-display messages of Wayland
        g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64 # QUV.exe
        icoutils                             # QUV.exe's icon, and reading its resources back
        wine64 nsis zip unzip                # QUV.exe's tests under Wine, and its packages
        emscripten imagemagick               # the web page, and its app icons
        chromium chromium-driver python3-selenium # the web page's tests in a real browser
    )
fi
# What the Debian package and the benchmark need besides playing (testing needs them too).
if [ "$set_name" = package ]; then
    packages+=(file dpkg-dev binutils)
fi
# What the release builds besides: the Debian package, QUV.exe and its packages, the web page.
if [ "$set_name" = release ]; then
    packages+=(file dpkg-dev binutils
        g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64 icoutils nsis zip unzip
        emscripten imagemagick git)
fi
if [ "$set_name" = bench ]; then
    packages+=(libx11-dev xvfb)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
((${#missing[@]})) || exit 0

log=$(mktemp)
trap 'rm -f "$log"' EXIT
# run PHASE COMMAND...: one line for the phase; the command's whole output only if it fails.
run() {
    local phase=$1
    shift
    echo "$phase"
    if ! "$@" >"$log" 2>&1; then
        echo "FAILED: $phase" >&2
        grep -E '^(E|W|Err):' "$log" >&2 || tail -n 20 "$log" >&2
        exit 1
    fi
}
# progress: apt reports "dlstatus:N:PERCENT:TEXT" while it downloads and
# "pmstatus:PACKAGE:PERCENT:TEXT" while it unpacks and sets up; a line at every tenth of each
# shows that it is moving and what it does, and keeps a CI log short.
progress() {
    awk -F: '$1 == "dlstatus" || $1 == "pmstatus" {
        if ($1 != phase) { phase = $1; shown = -10 }
        step = int($3 / 10) * 10
        if (step <= shown) next
        shown = step
        text = $4
        for (i = 5; i <= NF; i++) text = text ":" $i
        printf "  %s %3d%%  %s\n", (phase == "dlstatus" ? "download" : "install "), step, text
        fflush()
    }'
}
export DEBIAN_FRONTEND=noninteractive
run "Updating the package lists" apt-get update
echo "Installing: ${missing[*]}"
if ! apt-get install -y -q --no-install-recommends -o APT::Status-Fd=3 "${missing[@]}" \
    3>&1 >"$log" 2>&1 | progress; then
    echo "FAILED: installing ${missing[*]}" >&2
    grep -E '^(E|W|Err):' "$log" >&2 || tail -n 20 "$log" >&2
    exit 1
fi
echo "Installed"
