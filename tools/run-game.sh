#!/usr/bin/env bash
# Sets up, builds and starts the game from the repository root (where Assets/ lives).
# Extra arguments are console commands, for example: tools/run-game.sh windowed
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup-debian.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBRINDLE_BUILD_TESTS=OFF -DBRINDLE_BUILD_BENCHMARKS=OFF
cmake --build build -j"$(nproc)" --target corvane
exec ./build/corvane "$@"
