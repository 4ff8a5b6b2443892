#!/usr/bin/env bash
# Installs what is missing, builds QUV and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset default
cmake --build --preset default --parallel "$(nproc)" --target quv
exec ./build/quv
