#!/usr/bin/env bash
# Configures and builds into BUILD_DIR (default build/). Arguments that start
# with -D go to cmake's configure step; the others name the targets to build
# (default: all).
#   bash scripts/build.sh -DTARSEL_BENCH=OFF tarsel-sim tarsel-waves
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/once.sh
build_dir=${BUILD_DIR:-build}
options=()
targets=()
for argument in "$@"; do
    case $argument in
    -D*) options+=("$argument") ;;
    *) targets+=(--target "$argument") ;;
    esac
done
# Everything built covers any target.
ran_before "build-${build_dir//\//-}" && exit 0
bash scripts/setup.sh
cmake -S . -B "$build_dir" "${options[@]}" > /dev/null
cmake --build "$build_dir" -j"$(nproc)" "${targets[@]}"
[ ${#targets[@]} -gt 0 ] || mark_ran "build-${build_dir//\//-}"
