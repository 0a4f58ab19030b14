#!/usr/bin/env bash
# Flies every scenario of scenarios/ and tests/scenarios/ with the native
# build (build/) and with the Windows build under Wine (build-windows/), one
# after the other with the same command line in the same folder, and holds
# the Windows run to the native one: standard output, standard error and exit
# status must be the same, line for line, and so must every file the flight
# leaves in its root folder (text-mode files, such as the sound log, read
# with "\r\n" as "\n"). Both builds must be there; Wine's server must be up
# (wine_ready).
#   bash scripts/wine-compare.sh msvc     # the module built with Microsoft's C++ ABI
#   bash scripts/wine-compare.sh mingw    # the module built with MinGW-w64
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
case ${1:-} in
msvc) module=$PWD/build-msvc-x64/TarselMFD.dll ;;
mingw) module=$windows_build/Modules/Plugin/TarselMFD.dll ;;
*)
    echo "usage: wine-compare.sh msvc|mingw" >&2
    exit 2
    ;;
esac
work=build-windows/compare-$1
rm -rf "$work"

source scripts/flight-roots.sh

different=0
count=0
while read -r scenario; do
    fly "$work" native "$scenario" build/tarsel-sim
    fly "$work" windows "$scenario" wine "$windows_build/orbiter.exe" --module "$module"
    count=$((count + 1))
    # Pictures are drawn by another library on each platform: roots only.
    same_flight "$work" "$scenario" native windows root || different=$((different + 1))
done < <(all_scenarios)

echo "$((count - different)) of $count scenarios fly the same under Wine ($1 module) as natively."
[ "$different" -eq 0 ]
