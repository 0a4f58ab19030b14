#!/usr/bin/env bash
# tarsel-sim's Windows build under Wine, with tarsel-sim's command line:
#   bash scripts/wine-sim.sh [--root DIR] [--module PATH] [--out DIR] [--quiet] SCENARIO.scn
# Paths are Linux paths, taken from the folder it is started in; output and
# exit status are tarsel-sim's. The module is the one built with Microsoft's
# C++ ABI (build-msvc-x64/TarselMFD.dll), as pilots install it, unless
# --module names another (build-windows/Modules/Plugin/TarselMFD.dll is the
# MinGW build). The Windows side is built first when missing or stale (its
# messages go to the error stream).
set -euo pipefail
scripts=$(cd "$(dirname "$0")" && pwd)
bash "$scripts/build-windows.sh" >&2
module=()
if [[ " $* " != *" --module "* ]]; then
    bash "$scripts/build-msvc.sh" >&2
    module=(--module "$(dirname "$scripts")/build-msvc-x64/TarselMFD.dll")
fi
source "$scripts/wine-env.sh"
wine_ready
exec wine "$windows_build/orbiter.exe" "${module[@]}" "$@"
