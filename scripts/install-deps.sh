#!/usr/bin/env bash
# Installs the Debian packages QUV needs to build, run and test, asking apt only when one is
# missing. Run as root on Debian 12.
set -euo pipefail

packages=(
    cmake g++ make pkg-config file       # build
    libgtest-dev                         # core tests
    qt6-base-dev                         # windows and their tests
    fonts-noto-cjk                       # Japanese glyphs
    desktop-file-utils appstream         # desktop integration checks
    dpkg-dev binutils                    # the Debian package and its dependencies
    binutils-mingw-w64-x86-64            # compiles the Windows resources in a test
    libx11-dev xvfb                      # the start-up benchmark
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
