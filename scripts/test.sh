#!/usr/bin/env bash
# Installs what is missing, builds the Release preset and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
ctest --preset release -LE 'desktop|package|network'
# The network tables over real sockets on 127.0.0.1, each step bounded in time.
ctest --preset release -L network
# The desktop tests wait on what they see happen, never on the clock, so each runs once.
ctest --preset release -L desktop
# Last, the package made from what was just tested.
ctest --preset release -L package
