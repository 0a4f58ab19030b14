# Sourced by the scripts that fly every scenario with two builds and hold one
# to the other (wine-compare.sh, compare-flights.sh).

# Every scenario flown by the suite, in a fixed order: those written from a
# description (tests/scenarios/**/*.scn.in) are written first, into the
# build folder, as CTest writes them.
all_scenarios() {
    local generated=${BUILD_DIR:-build}/generated-scenarios
    cmake -DFROM=tests/scenarios -DTO="$generated" -P tests/scenarios/generate.cmake >&2
    find scenarios tests/scenarios "$generated" -name '*.scn' | sort
}

# fly WORK LABEL SCENARIO PROGRAM...: runs the program with its root and out
# folders in the scenario's folder under WORK; they are then kept as
# LABEL-root and LABEL-out, beside LABEL.out, LABEL.err and LABEL.status. The
# root holds the package's waves ($WAVES, default the native build's
# generator) and the settings file beside the scenario, as the native suite's
# roots do (tests/run_scenario.cmake). Both runs see the same paths.
fly() {
    local work=$1 label=$2 scenario=$3 dir=$1/${3%.scn}
    shift 3
    mkdir -p "$dir"
    rm -rf "$dir/root" "$dir/out"
    mkdir -p "$dir/root/Sound/TarselMFD"
    "${WAVES:-build/package/waves/tarsel-waves}" "$dir/root/Sound/TarselMFD"
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

# Whether two folders hold the same files with the same content (text-mode
# files, such as the sound log, read with "\r\n" as "\n").
same_folders() {
    local one=$1 other=$2 file
    [ "$(cd "$one" 2> /dev/null && find . -type f | sort)" = \
        "$(cd "$other" 2> /dev/null && find . -type f | sort)" ] || return 1
    while read -r file; do
        case $file in
        *.txt) cmp -s <(tr -d '\r' < "$one/$file") <(tr -d '\r' < "$other/$file") || return 1 ;;
        *) cmp -s "$one/$file" "$other/$file" || return 1 ;;
        esac
    done < <(cd "$one" 2> /dev/null && find . -type f)
}

# same_flight WORK SCENARIO LABEL1 LABEL2 FOLDER...: whether the two flights
# of the scenario agree in exit status, standard output and error, and in the
# folders named (root, out); prints the differences when they do not.
same_flight() {
    local dir=$1/${2%.scn} scenario=$2 a=$3 b=$4 stream folder
    shift 4
    if ! cmp -s "$dir/$a.status" "$dir/$b.status" ||
        ! cmp -s "$dir/$a.out" "$dir/$b.out" ||
        ! cmp -s "$dir/$a.err" "$dir/$b.err"; then
        echo "DIFFERENT: $scenario (exit status $(cat "$dir/$a.status") $a, $(cat "$dir/$b.status") $b)"
        for stream in out err; do
            diff -u --label "$a $stream" --label "$b $stream" "$dir/$a.$stream" "$dir/$b.$stream" |
                head -40 || true
        done
        return 1
    fi
    for folder in "$@"; do
        if ! same_folders "$dir/$a-$folder" "$dir/$b-$folder"; then
            echo "DIFFERENT: $scenario leaves other files in its $folder folder"
            diff -r "$dir/$a-$folder" "$dir/$b-$folder" | head -20 || true
            return 1
        fi
    done
}
