#!/usr/bin/env bash
# Installs what is missing, builds the Release preset and starts the game. Arguments go to the
# game (a saved game to open).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/shell/pipwick "$@"
