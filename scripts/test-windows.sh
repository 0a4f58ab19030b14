#!/usr/bin/env bash
# The Windows side of the test suite, after the native one (scripts/test.sh
# runs it): builds the Windows side with MinGW-w64 and the module with
# Microsoft's C++ ABI, then under Wine runs the unit tests, flies every
# scenario with each of the two modules and holds it to the native run
# (scripts/wine-compare.sh), and passes settings files between the native and
# the Windows build (scripts/wine-settings.sh). Fails, loudly, where Wine
# cannot run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build-windows.sh
bash scripts/build-msvc.sh
source scripts/wine-env.sh
wine_ready forever
trap wine_stop EXIT
ctest --test-dir build-windows --output-on-failure
bash scripts/wine-compare.sh msvc
bash scripts/wine-compare.sh mingw
bash scripts/wine-settings.sh
