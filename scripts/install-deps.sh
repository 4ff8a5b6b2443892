#!/usr/bin/env bash
# Installs the Debian packages QUV needs, asking apt only when one is missing: "play" (the
# default) for building and running the game, "test" for building and running every test,
# QUV.exe's under Wine included. Run as root on Debian 12. Prints one line per phase; if apt fails, its own error
# follows and the script stops.
set -euo pipefail

# What playing needs: building the game and running it.
packages=(
    cmake g++ make pkg-config            # build
    qt6-base-dev                         # the windows
    fonts-noto-cjk                       # Japanese glyphs
)
# What testing needs besides.
if [ "${1:-play}" = test ]; then
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
    )
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
export DEBIAN_FRONTEND=noninteractive
run "Updating the package lists" apt-get update
run "Installing: ${missing[*]}" \
    apt-get install -y --no-install-recommends "${missing[@]}"
echo "Installed"
