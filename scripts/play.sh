#!/usr/bin/env bash
# Installs what is missing, builds QUV and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh play
# The game without its tests, which need packages that playing does not; but all of the game,
# its compressed manual page included, so that the README's install command works after this.
cmake --preset default -DBUILD_TESTING=OFF
cmake --build --preset default --parallel "$(nproc)"
exec ./build/quv
