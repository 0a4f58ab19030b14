#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (build-fuzz/) and runs each for
# SECONDS (default 30), starting from its seeds: the scenario files of
# scenarios/ and tests/scenarios/ for the scenario target, the settings files
# there for the settings target, tests/fuzz/corpus/TARGET for the others
# (tests/fuzz/CMakeLists.txt links them into build-fuzz/seeds/TARGET).
#   bash scripts/fuzz.sh                 # every target, 30 s each
#   bash scripts/fuzz.sh 3600 scenario   # one target for an hour
# The corpus a run grows stays in out/fuzz/corpus/TARGET; an input that
# breaks a target is saved in out/fuzz/findings/ and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(settings input_boxes scenario keyed_table)

bash scripts/setup.sh
cmake -S tests/fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ > /dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

# Absolute paths: the targets work in a scratch folder of their own.
repo=$PWD
export LSAN_OPTIONS=suppressions=$repo/tests/fuzz/lsan.supp
mkdir -p out/fuzz/findings
for target in "${targets[@]}"; do
    corpus=$repo/out/fuzz/corpus/$target
    mkdir -p "$corpus"
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1
             -artifact_prefix="$repo/out/fuzz/findings/$target-")
    [ -f tests/fuzz/$target.dict ] && options+=(-dict="$repo/tests/fuzz/$target.dict")
    echo "== fuzz_$target for ${seconds}s"
    log=out/fuzz/$target.log
    # The seeds are read, never written: new inputs go to the corpus under out/.
    if ! build-fuzz/fuzz_"$target" "${options[@]}" "$corpus" "$repo/build-fuzz/seeds/$target" > "$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz_$target failed; the input is in out/fuzz/findings/"
        exit 1
    fi
    grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|INFO: seed corpus)" "$log" || true
done
