#!/usr/bin/env bash
# Flies the scenario suite (scenarios/ and tests/scenarios/, with the stress
# and invalid scenarios) under valgrind's memcheck: any memory error or any
# leak (definite, indirect or possible) fails the scenario. The native build
# in build/ is brought up to date first.
#   bash scripts/memcheck.sh            # every scenario
#   bash scripts/memcheck.sh stress     # those whose path contains "stress"
set -euo pipefail
cd "$(dirname "$0")/.."
export BUILD_DIR=build
bash scripts/build.sh > /dev/null
export TARSEL_SIM_WRAPPER="valgrind --quiet --error-exitcode=99 --leak-check=full
    --show-leak-kinds=definite,indirect,possible --errors-for-leak-kinds=definite,indirect,possible"
ctest --test-dir build -R "^scenario:.*${1:-}" --output-on-failure -j"$(nproc)"
