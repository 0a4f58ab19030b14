#!/usr/bin/env bash
# Cross-builds the Windows side into build-windows/ with MinGW-w64: orbiter.exe (the host),
# Modules/Plugin/TarselMFD.dll, soundlib/*/OrbiterSound.dll and the test programs.
# Only what is missing or stale is built.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/once.sh
ran_before build-windows && exit 0
bash scripts/setup.sh --windows
if [ ! -f build-windows/CMakeCache.txt ]; then
    cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
        -DTARSEL_BENCH=OFF > /dev/null
fi
cmake --build build-windows -j"$(nproc)"
mark_ran build-windows
