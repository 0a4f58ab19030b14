#!/usr/bin/env bash
# Holds the work tree's flights to those of an earlier commit: builds the
# host, the module and the waves of BASE (default main's last commit) in a
# folder of its own, flies every scenario with both builds in the same folders,
# and compares exit status, standard output and error, and every file of each
# flight's root and out folders, byte for byte. For changes that must not
# change behaviour.
#   bash scripts/compare-flights.sh [BASE]
set -euo pipefail
cd "$(dirname "$0")/.."
base=${1:-main}
sha=$(git rev-parse --verify "$base^{commit}")
work=${COMPARE_DIR:-/tmp/tarsel-compare}
# Both modules carry one date, so that the date cannot tell them apart.
SOURCE_DATE_EPOCH=$(bash scripts/source-epoch.sh)
export SOURCE_DATE_EPOCH

bash scripts/build.sh tarsel-sim tarsel-waves

if [ ! -f "$work/base-$sha/built" ]; then
    rm -rf "$work/base-$sha"
    mkdir -p "$work/base-$sha/src"
    git archive "$sha" | tar -x -C "$work/base-$sha/src"
    cmake -S "$work/base-$sha/src" -B "$work/base-$sha/build" -DTARSEL_BENCH=OFF > /dev/null
    cmake --build "$work/base-$sha/build" -j"$(nproc)" --target tarsel-sim tarsel-waves
    touch "$work/base-$sha/built"
fi

source scripts/flight-roots.sh
flights=$work/flights
rm -rf "$flights"
different=0
count=0
while read -r scenario; do
    WAVES=$work/base-$sha/build/package/waves/tarsel-waves \
        fly "$flights" base "$scenario" "$work/base-$sha/build/tarsel-sim"
    fly "$flights" now "$scenario" build/tarsel-sim
    count=$((count + 1))
    same_flight "$flights" "$scenario" base now root out || different=$((different + 1))
done < <(all_scenarios)

echo "$((count - different)) of $count scenarios fly byte for byte as at ${sha:0:7}."
[ "$different" -eq 0 ]
