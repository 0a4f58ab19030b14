#!/usr/bin/env bash
# Builds TarselMFD.dll with Microsoft's C++ ABI for x64 and x86 (clang in MSVC
# mode, lld-link) into build-msvc-x64/ and build-msvc-x86/, optimised and
# reproducible as it ships, and checks what each imports and exports.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/once.sh
ran_before build-msvc && exit 0
bash scripts/setup.sh
for arch in x64 x86; do
    cmake -S msvc-abi -B "build-msvc-$arch" \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/msvc-abi/toolchain-$arch.cmake" -DCMAKE_BUILD_TYPE=Release > /dev/null
    cmake --build "build-msvc-$arch" -j"$(nproc)"
    ctest --test-dir "build-msvc-$arch" --output-on-failure
done
mark_ran build-msvc
