#!/usr/bin/env bash
# Installs what is missing, builds QUV and runs every test: once in the normal build, once
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
jobs=$(nproc)
for preset in default asan; do
    echo "== ${preset} build =="
    cmake --preset "$preset"
    cmake --build --preset "$preset" --parallel "$jobs"
    ctest --preset "$preset" --parallel "$jobs"
done
