#!/usr/bin/env bash
# Installs what is missing, builds QUV and runs every test: the Linux game once normally and once
# under AddressSanitizer and UndefinedBehaviorSanitizer, then QUV.exe, cross-built with MinGW-w64
# and tested under Wine, then the web page, built with Emscripten and tested under Node and in
# headless Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh test
jobs=$(nproc)
for preset in default asan windows web; do
    echo "== ${preset} build =="
    cmake --preset "$preset" -DBUILD_TESTING=ON
    cmake --build --preset "$preset" --parallel "$jobs"
    ctest --preset "$preset" --parallel "$jobs"
done
