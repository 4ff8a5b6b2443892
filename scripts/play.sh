#!/usr/bin/env bash
# Installs what is missing, builds QUV and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh play
# The game alone: its tests need packages that playing does not.
cmake --preset default -DBUILD_TESTING=OFF
cmake --build --preset default --parallel "$(nproc)" --target quv
exec ./build/quv
