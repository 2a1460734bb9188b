#!/usr/bin/env bash
# Sets up, builds and starts the game from the repository root (where Assets/ lives).
# Extra arguments are console commands, for example: tools/run-game.sh windowed
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup-debian.sh
# A build folder of its own, so switching between playing and testing rebuilds nothing.
cmake -S . -B build-game -DCMAKE_BUILD_TYPE=Release -DBRINDLE_BUILD_TESTS=OFF -DBRINDLE_BUILD_BENCHMARKS=OFF
cmake --build build-game -j"$(nproc)" --target corvane
exec ./build-game/corvane "$@"
