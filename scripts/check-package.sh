#!/usr/bin/env bash
# Checks the two zips of scripts/package.sh: exactly the files a pilot needs,
# each DLL built for its machine and as it ships (optimised, reproducible),
# every wave a 16-bit PCM file, and every file dated at the sources' date.
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
# The sources' date, as the DLL's ModuleDate and the zips' entries carry it.
epoch=$(bash scripts/source-epoch.sh)
date=$(LC_ALL=C date -u -d "@$epoch" '+%b %e %Y')
# A zip's times are in steps of two seconds; zip rounds up.
stamp=$(date -u -d "@$(((epoch + 1) / 2 * 2))" +%Y%m%d.%H%M%S)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for arch in x64 x86; do
    zip="dist/TarselMFD-$arch.zip"
    [ -f "$zip" ] || fail "$zip is missing"
    listed=$(unzip -Z1 "$zip" | sort)
    [ "$listed" = "$expected" ] || fail "$zip holds:
$listed"
    times=$(TZ=UTC zipinfo -T "$zip" | awk '/^-/ { print $7 }' | sort -u)
    [ "$times" = "$stamp" ] || fail "$zip: its files are not all dated $stamp: $times"
    unzip -q "$zip" -d "$work/$arch"
    dll="$work/$arch/Modules/Plugin/TarselMFD.dll"
    headers=$(llvm-readobj --file-headers "$dll")
    machine=$(sed -n 's/^ *Machine: \([A-Z_0-9]*\).*/\1/p' <<< "$headers")
    case "$arch:$machine" in
    x64:IMAGE_FILE_MACHINE_AMD64 | x86:IMAGE_FILE_MACHINE_I386) ;;
    *) fail "$zip: the DLL is built for $machine" ;;
    esac
    # A debug build has a debug directory naming its PDB file in the build
    # folder, and the clock's time and day; the shipped one has none of these.
    if [[ $(llvm-readobj --coff-debug-directory "$dll") == *DebugEntry* ]]; then
        fail "$zip: the DLL has a debug directory (a debug build?)"
    fi
    texts=$(strings -a "$dll")
    if found=$(grep -E -e "$PWD|/tmp/|\.pdb" -e '(^|[^<[:alnum:]])/[[:alnum:]._-]+/' <<< "$texts"); then
        fail "$zip: the DLL names a path of the machine that built it: $found"
    fi
    linked=$(sed -n 's/^ *TimeDateStamp: .*(\(0x[0-9A-F]*\))$/\1/p' <<< "$headers")
    [ "$linked" = "$(printf '0x%X' "$epoch")" ] || fail "$zip: the DLL's time stamp $linked is not the sources' date"
    [[ $texts == *"$date"* ]] || fail "$zip: the DLL's ModuleDate is not \"$date\""
    for wav in "$work/$arch"/Sound/TarselMFD/*.wav; do
        [ "$(head -c 4 "$wav")" = RIFF ] && [ "$(dd if="$wav" bs=1 skip=8 count=8 status=none)" = "WAVEfmt " ] ||
            fail "$zip: $(basename "$wav") is not a WAV file"
        [ "$(number "$wav" 20 2)" = 1 ] && [ "$(number "$wav" 34 2)" = 16 ] ||
            fail "$zip: $(basename "$wav") is not 16-bit PCM"
        size=$(stat -c %s "$wav")
        [ "$(number "$wav" 40 4)" = $((size - 44)) ] || fail "$zip: $(basename "$wav") has a wrong data size"
    done
done
echo "check-package: both zips hold exactly the files, dated $stamp, the DLLs for their machines" \
    "(optimised, dated $date), PCM waves"
