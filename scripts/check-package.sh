#!/usr/bin/env bash
# Checks the two zips of scripts/package.sh: exactly the files a pilot needs,
# each DLL built for its machine, and every wave a 16-bit PCM file.
set -euo pipefail
cd "$(dirname "$0")/.."
expected="Config/Vessels/Hyperspace.cfg
Doc/TarselMFD.md
Modules/Plugin/TarselMFD.dll
Sound/TarselMFD/bang.wav
Sound/TarselMFD/cancel.wav
Sound/TarselMFD/engage.wav
Sound/TarselMFD/load.wav
Sound/TarselMFD/woosh1.wav
Sound/TarselMFD/woosh2.wav"
fail() { echo "check-package: $*" >&2; exit 1; }
# Little-endian unsigned number of `count` bytes at `offset` of a file.
number() { od -An -t"u$3" -j "$2" -N "$3" "$1" | tr -d ' '; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for arch in x64 x86; do
    zip="dist/TarselMFD-$arch.zip"
    [ -f "$zip" ] || fail "$zip is missing"
    listed=$(unzip -Z1 "$zip" | sort)
    [ "$listed" = "$expected" ] || fail "$zip holds:
$listed"
    unzip -q "$zip" -d "$work/$arch"
    machine=$(llvm-readobj --file-headers "$work/$arch/Modules/Plugin/TarselMFD.dll" | sed -n 's/^ *Machine: \([A-Z_0-9]*\).*/\1/p')
    case "$arch:$machine" in
    x64:IMAGE_FILE_MACHINE_AMD64 | x86:IMAGE_FILE_MACHINE_I386) ;;
    *) fail "$zip: the DLL is built for $machine" ;;
    esac
    for wav in "$work/$arch"/Sound/TarselMFD/*.wav; do
        [ "$(head -c 4 "$wav")" = RIFF ] && [ "$(dd if="$wav" bs=1 skip=8 count=8 status=none)" = "WAVEfmt " ] ||
            fail "$zip: $(basename "$wav") is not a WAV file"
        [ "$(number "$wav" 20 2)" = 1 ] && [ "$(number "$wav" 34 2)" = 16 ] ||
            fail "$zip: $(basename "$wav") is not 16-bit PCM"
        size=$(stat -c %s "$wav")
        [ "$(number "$wav" 40 4)" = $((size - 44)) ] || fail "$zip: $(basename "$wav") has a wrong data size"
    done
done
echo "check-package: both zips hold exactly the files, the DLLs for their machines, PCM waves"
