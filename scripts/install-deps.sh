#!/usr/bin/env bash
# Installs the Debian packages QUV needs to build, run and test, asking apt only when one is
# missing. Run as root on Debian 12. Prints one line per phase; if apt fails, its own error
# follows and the script stops.
set -euo pipefail

packages=(
    cmake g++ make pkg-config file       # build
    libgtest-dev                         # core tests
    qt6-base-dev                         # windows and their tests
    fonts-noto-cjk                       # Japanese glyphs
    desktop-file-utils appstream         # desktop integration checks
    dpkg-dev binutils lintian            # the Debian package, its dependencies and its check
    man-db groff-base                    # the manual page's check
    binutils-mingw-w64-x86-64            # compiles the Windows resources in a test
    libx11-dev xvfb                      # the start-up benchmark
)

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
