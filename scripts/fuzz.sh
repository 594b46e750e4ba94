#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) and runs each
# for a bounded time: $1 seconds, 60 by default. The error library takes
# arbitrary codes and texts; the number syntax is checked against strtod.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DWLR7_FUZZ=ON >/dev/null
cmake --build build-fuzz --target fehler_fuzz zahl_fuzz
for ziel in tests/fehler/fehler_fuzz tests/toolkit/zahl_fuzz; do
  korpus=$(mktemp -d)
  # The fuzzer's progress goes to a log; on a finding, its end is shown.
  if ! "build-fuzz/$ziel" -max_total_time="${1:-60}" -max_len=2048 "$korpus" >"$korpus.log" 2>&1; then
    tail -n 60 "$korpus.log"
    echo "Fuzzing $(basename "$ziel"): Fehler gefunden" >&2
    rm -rf "$korpus"
    exit 1
  fi
  echo "$(basename "$ziel"): $(grep -E '^Done' "$korpus.log")"
  rm -rf "$korpus" "$korpus.log"
done
