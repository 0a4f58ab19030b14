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

# fly LABEL SCENARIO PROGRAM...: runs it with its root and out folders in the
# scenario's work folder; they are then kept as LABEL-root and LABEL-out. The
# root holds the package's waves and the settings file beside the scenario,
# as the native suite's roots do (tests/run_scenario.cmake).
fly() {
    local label=$1 scenario=$2 dir=$work/${2%.scn}
    shift 2
    mkdir -p "$dir"
    rm -rf "$dir/root" "$dir/out"
    mkdir -p "$dir/root/Sound/TarselMFD"
    build/package/waves/tarsel-waves "$dir/root/Sound/TarselMFD"
    if [ -f "${scenario%.scn}.ini" ]; then
        mkdir -p "$dir/root/Modules/Plugin"
        cp "${scenario%.scn}.ini" "$dir/root/Modules/Plugin/TarselMFD.ini"
    fi
    local status=0
    "$@" --root "$dir/root" --out "$dir/out" "$scenario" > "$dir/$label.out" 2> "$dir/$label.err" ||
        status=$?
    echo "$status" > "$dir/$label.status"
    rm -rf "$dir/$label-root" "$dir/$label-out"
    [ ! -d "$dir/root" ] || mv "$dir/root" "$dir/$label-root"
    [ ! -d "$dir/out" ] || mv "$dir/out" "$dir/$label-out"
}

# Whether the two roots hold the same files with the same content.
same_roots() {
    local native=$1 windows=$2 file
    [ "$(cd "$native" 2> /dev/null && find . -type f | sort)" = \
        "$(cd "$windows" 2> /dev/null && find . -type f | sort)" ] || return 1
    while read -r file; do
        case $file in
        *.txt) cmp -s <(tr -d '\r' < "$native/$file") <(tr -d '\r' < "$windows/$file") || return 1 ;;
        *) cmp -s "$native/$file" "$windows/$file" || return 1 ;;
        esac
    done < <(cd "$native" 2> /dev/null && find . -type f)
}

different=0
count=0
while read -r scenario; do
    fly native "$scenario" build/tarsel-sim
    fly windows "$scenario" wine "$windows_build/orbiter.exe" --module "$module"
    dir=$work/${scenario%.scn}
    count=$((count + 1))
    if ! cmp -s "$dir/native.status" "$dir/windows.status" ||
        ! cmp -s "$dir/native.out" "$dir/windows.out" ||
        ! cmp -s "$dir/native.err" "$dir/windows.err"; then
        different=$((different + 1))
        echo "DIFFERENT under Wine: $scenario (exit status $(cat "$dir/native.status") natively," \
            "$(cat "$dir/windows.status") under Wine)"
        for stream in out err; do
            diff -u --label "native $stream" --label "wine $stream" \
                "$dir/native.$stream" "$dir/windows.$stream" | head -40 || true
        done
    elif ! same_roots "$dir/native-root" "$dir/windows-root"; then
        different=$((different + 1))
        echo "DIFFERENT under Wine: $scenario leaves other files in its root folder"
        diff -r "$dir/native-root" "$dir/windows-root" | head -20 || true
    fi
done < <(find scenarios tests/scenarios -name '*.scn' | sort)

echo "$((count - different)) of $count scenarios fly the same under Wine ($1 module) as natively."
[ "$different" -eq 0 ]
