#!/usr/bin/env bash
# Settings files between the two builds. A file the Windows build writes
# (kernel32) reads natively to the values the Windows build reads from it,
# and the other way round, and both write the same bytes
# (tests/exchange/settings_probe.cpp). A partial file in the simulator's
# folder is read, and left byte for byte as it was, by the module of either
# build (tests/exchange/partial_settings.scn). Both builds must be there;
# Wine's server must be up (wine_ready).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
work=$windows_build/settings-exchange
native_probe=$PWD/build/tests/settings_probe
windows_probe=$windows_build/tests/settings_probe.exe
settings=Modules/Plugin/TarselMFD.ini
rm -rf "$work"
failed=0
fail() {
    echo "SETTINGS EXCHANGE FAILED: $*"
    failed=1
}

for build in native windows; do
    mkdir -p "$work/$build/Modules/Plugin"
done
(cd "$work/native" && "$native_probe" write > written.txt)
(cd "$work/windows" && wine "$windows_probe" write > written.txt)
cmp -s "$work/native/$settings" "$work/windows/$settings" ||
    fail "the two builds write different files ($work/*/$settings)"
(cd "$work/windows" && "$native_probe" read > read-by-other.txt)
(cd "$work/native" && wine "$windows_probe" read > read-by-other.txt)
for build in native windows; do
    diff -u "$work/$build/written.txt" "$work/$build/read-by-other.txt" ||
        fail "the file the $build build wrote reads otherwise in the other build"
done

for build in native windows; do
    root=$work/partial-$build
    mkdir -p "$root/Modules/Plugin"
    cp tests/exchange/partial.ini "$root/$settings"
    program=(build/tarsel-sim)
    [ "$build" = native ] || program=(wine "$windows_build/orbiter.exe")
    "${program[@]}" --quiet --root "$root" tests/exchange/partial_settings.scn > "$root.out" ||
        fail "the $build build's flight with a partial settings file"
    cmp -s tests/exchange/partial.ini "$root/$settings" ||
        fail "the $build build's module changed a partial settings file"
done
cmp -s "$work/partial-native.out" "$work/partial-windows.out" ||
    fail "the flights with a partial settings file differ"

[ "$failed" -eq 0 ] && echo "Settings files pass between the native and the Windows build."
[ "$failed" -eq 0 ]
