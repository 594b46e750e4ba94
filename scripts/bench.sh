#!/usr/bin/env bash
# Builds the benchmarks (Release) and runs them; extra arguments go to
# Google Benchmark, e.g. --benchmark_filter=Export.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DWLR7_TESTS=OFF -DWLR7_BENCH=ON >/dev/null
cmake --build build-bench
build-bench/bench/wlr7_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@" 2>&1 |
  grep -v 'does not support raise'
