#!/usr/bin/env bash
# Builds everything and runs the whole test suite (unit tests and scenarios),
# then builds the module with Microsoft's C++ ABI and the pilots' package and
# checks them, also that they come out the same when built again elsewhere,
# runs each fuzz target for 30 s, compiles the module against the SDK headers
# shaped as the 2016 release's, and flies the Windows build under Wine. With
# --sanitize: the native suite alone, built with AddressSanitizer and
# UndefinedBehaviorSanitizer. Each step runs once: the scripts called below
# skip the setup and the builds already done (scripts/once.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
TARSEL_DONE=$(mktemp -d)
export TARSEL_DONE
trap 'rm -rf "$TARSEL_DONE"' EXIT
if [ "${1:-}" = "--sanitize" ]; then
    bash scripts/setup.sh
    export BUILD_DIR=build-sanitize
    bash scripts/build.sh -DTARSEL_SANITIZE=ON -DTARSEL_BENCH=OFF
else
    bash scripts/setup.sh --windows
    export BUILD_DIR=build
    bash scripts/build.sh
fi
ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)"
if [ "${1:-}" != "--sanitize" ]; then
    bash scripts/package.sh
    bash scripts/check-package.sh
    bash scripts/check-reproducible.sh
    # Every fuzz target briefly, from its seed corpus.
    bash scripts/fuzz.sh 30
    # The module as a developer with the 2016 SDK compiles it.
    bash scripts/check-sdk-2016.sh
    # Then the Windows build under Wine, held to the native one.
    bash scripts/test-windows.sh
fi
