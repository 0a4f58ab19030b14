#!/usr/bin/env bash
# Checks that what pilots get is reproducible: the DLLs built again from a
# copy of the sources in another folder, into another build folder, are the
# same bytes as build-msvc-x64/'s and build-msvc-x86/'s, and packed later
# into zips of their own they give dist/'s zips byte for byte (scripts/package.sh
# is run first when dist/ has none).
set -euo pipefail
cd "$(dirname "$0")/.."
fail() { echo "check-reproducible: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
[ -f dist/TarselMFD-x64.zip ] && [ -f dist/TarselMFD-x86.zip ] || bash scripts/package.sh > /dev/null

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

# Staged at another time, from the other build: the zips keep neither.
PACKAGE_DLLS="$work/build-" PACKAGE_OUT="$work/dist" bash scripts/package.sh > /dev/null
for zip in dist/*.zip; do
    cmp "$zip" "$work/dist/$(basename "$zip")" || fail "the DLLs built elsewhere pack into another $(basename "$zip")"
done
echo "check-reproducible: the DLLs built elsewhere are the same bytes and pack into the same zips"
