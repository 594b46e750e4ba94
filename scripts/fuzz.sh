#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) and runs each
# for a bounded time: $1 seconds, 60 by default. The error library takes
# arbitrary codes and texts; the number syntax is checked against strtod;
# the curve-file reader reads any bytes, at once and in blocks, alike; the
# inverse of the file model lists only designs that fit, and a design's own
# values always list its period.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DWLR7_FUZZ=ON >/dev/null
cmake --build build-fuzz --target fehler_fuzz zahl_fuzz kurvendatei_fuzz modell_fuzz
for ziel in tests/fehler/fehler_fuzz tests/toolkit/zahl_fuzz tests/sinus/kurvendatei_fuzz tests/sinus/modell_fuzz; do
  korpus=$(mktemp -d)
  laenge=2048
  if [ "$(basename "$ziel")" = kurvendatei_fuzz ]; then
    # A short good file to start from (the first byte picks the block size),
    # and room for lines longer than a line may be.
    { printf '\007'; printf '%s\n' '# Kurven exportiert aus WLR7-Dovarizuz' '# Spalte 1 = Zeit in Sekunden' \
        '# Spalte 2 = Y-Wert in Prozent' '# Spalte 3 = Zeitbasis' '# Spalte 4 = Kuvennummer' '' \
        $'0.00000\t50.00\t10ms\t1' $'0.01000\t65.45\t10ms\t1' $'0.02000\t79.39\t10ms\t1' ''; } >"$korpus/gut"
    laenge=8192
  fi
  # The fuzzer's progress goes to a log; on a finding, its end is shown.
  if ! "build-fuzz/$ziel" -max_total_time="${1:-60}" -max_len="$laenge" "$korpus" >"$korpus.log" 2>&1; then
    tail -n 60 "$korpus.log"
    echo "Fuzzing $(basename "$ziel"): Fehler gefunden" >&2
    rm -rf "$korpus"
    exit 1
  fi
  echo "$(basename "$ziel"): $(grep -E '^Done' "$korpus.log")"
  rm -rf "$korpus" "$korpus.log"
done
