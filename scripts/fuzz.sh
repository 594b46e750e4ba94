#!/usr/bin/env bash
# Builds the error library's fuzz target with clang (libFuzzer, ASan, UBSan)
# and runs it for a bounded time: $1 seconds, 60 by default.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DWLR7_FUZZ=ON >/dev/null
cmake --build build-fuzz --target fehler_fuzz
korpus=$(mktemp -d)
trap 'rm -rf "$korpus"' EXIT
build-fuzz/tests/fehler/fehler_fuzz -max_total_time="${1:-60}" -max_len=2048 -print_final_stats=1 "$korpus"
