#!/usr/bin/env bash
# Writes dist/TarselMFD-x64.zip and dist/TarselMFD-x86.zip: what a pilot
# unzips into the simulator's folder (the module with Microsoft's C++ ABI,
# the flash markers' vessel class, the six waves and the pilot's guide).
# The same sources give the same zips, byte for byte: see below.
#   bash scripts/package.sh
#   PACKAGE_DLLS=PREFIX PACKAGE_OUT=DIR bash scripts/package.sh
# The second form packs the DLLs of PREFIXx64/ and PREFIXx86/, built
# elsewhere, into DIR (scripts/check-reproducible.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh tarsel-waves > /dev/null
dlls=${PACKAGE_DLLS:-}
if [ -z "$dlls" ]; then
    bash scripts/build-msvc.sh > /dev/null
    dlls=build-msvc-
fi
dist=${PACKAGE_OUT:-dist}
epoch=$(bash scripts/source-epoch.sh)
rm -rf "$dist"
mkdir -p "$dist"
dist=$(cd "$dist" && pwd)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
for arch in x64 x86; do
    root="$stage/$arch"
    mkdir -p "$root/Modules/Plugin" "$root/Config/Vessels" "$root/Sound/TarselMFD" "$root/Doc"
    cp "${dlls}$arch/TarselMFD.dll" "$root/Modules/Plugin/"
    cp package/Hyperspace.cfg "$root/Config/Vessels/"
    build/package/waves/tarsel-waves "$root/Sound/TarselMFD"
    cp docs/TarselMFD.md "$root/Doc/"
    # A zip keeps each file's time and mode: the sources' date (in UTC, as
    # zip writes local times) and one mode for all. Files only, no folder
    # entries, no extra attributes, in sorted order.
    find "$root" -type f -exec chmod 644 {} + -exec touch -d "@$epoch" {} +
    (cd "$root" && find Modules Config Sound Doc -type f | LC_ALL=C sort |
        TZ=UTC zip -q -D -X "$dist/TarselMFD-$arch.zip" -@)
    echo "${PACKAGE_OUT:-dist}/TarselMFD-$arch.zip"
done
