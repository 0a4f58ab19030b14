#!/usr/bin/env bash
# Builds the benchmarks optimised (Release, in build-bench/) and runs them;
# extra arguments go to Google Benchmark (e.g. --benchmark_filter=PreStep).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build-bench --target tarsel_bench -j"$(nproc)"
build-bench/bench/tarsel_bench --benchmark_min_time=1 "$@"
