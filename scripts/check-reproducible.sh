#!/usr/bin/env bash
# Checks that what pilots get is reproducible: scripts/package.sh run twice
# writes the same zips, byte for byte, and the DLLs built again from a copy of
# the sources in another folder, into another build folder, are the same bytes
# as those in the zips (build-msvc-x64/, build-msvc-x86/).
set -euo pipefail
cd "$(dirname "$0")/.."
fail() { echo "check-reproducible: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

bash scripts/package.sh > /dev/null
mkdir "$work/first"
cp dist/*.zip "$work/first/"
# Files staged a second later would carry another time if the zips kept it.
sleep 2
bash scripts/package.sh > /dev/null
for zip in "$work"/first/*.zip; do
    cmp "$zip" "dist/$(basename "$zip")" || fail "package.sh wrote two different $(basename "$zip")"
done

# The copy has no commit to date it by: it gets the date the first build took.
SOURCE_DATE_EPOCH=$(bash scripts/source-epoch.sh)
export SOURCE_DATE_EPOCH
copy="$work/elsewhere/TarselMFD-sources"
mkdir -p "$copy/host"
cp -r src msvc-abi cmake "$copy/"
cp -r host/sdk host/soundlib "$copy/host/"
for arch in x64 x86; do
    cmake -S "$copy/msvc-abi" -B "$work/build-$arch" \
        -DCMAKE_TOOLCHAIN_FILE="$copy/msvc-abi/toolchain-$arch.cmake" > /dev/null
    cmake --build "$work/build-$arch" -j"$(nproc)" > /dev/null
    cmp "build-msvc-$arch/TarselMFD.dll" "$work/build-$arch/TarselMFD.dll" ||
        fail "TarselMFD.dll ($arch) built in another folder differs from build-msvc-$arch's"
done
echo "check-reproducible: package.sh wrote the same zips twice; the DLLs built elsewhere are the same bytes"
