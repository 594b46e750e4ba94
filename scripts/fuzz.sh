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
# The fuzzer's progress goes to a log; on a finding, its end is shown.
if ! build-fuzz/tests/fehler/fehler_fuzz -max_total_time="${1:-60}" -max_len=2048 "$korpus" >"$korpus.log" 2>&1; then
  tail -n 60 "$korpus.log"
  echo "Fuzzing: Fehler gefunden" >&2
  exit 1
fi
grep -E '^Done' "$korpus.log"
rm -f "$korpus.log"
