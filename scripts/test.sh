#!/usr/bin/env bash
# Installs what is missing, builds the tool with its tests and runs them all.
# WLR7_BUILD names the build folder; further arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
build="${WLR7_BUILD:-build-test}"
cmake -S . -B "$build" -G Ninja -DWLR7_TESTS=ON "$@" >/dev/null
cmake --build "$build"
cd "$build"
ctest --output-on-failure -j2
