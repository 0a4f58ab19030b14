#!/usr/bin/env bash
# Holds a source tree to its rooms: every include arrow points down or stays
# in its room, and no files include each other in a circle. A tree's rooms
# are listed from the top down; a file may include files of its own room and
# of the rooms below it. A room is a folder or a file of the tree, and a file
# belongs to the longest room that holds it; a file in no room is reported,
# so that a new folder gets its place. Includes found neither in the tree nor
# beside the including file (the SDK's, the system's) are not arrows.
#   bash scripts/check-includes.sh             # every tree below
#   bash scripts/check-includes.sh host/src    # one tree
set -euo pipefail
cd "$(dirname "$0")/.."

# The rooms of each tree, from the top down.
declare -A tree_rooms
# The program; the scenario runner; the run loop, which loads the module and
# closes displays; the platform's implementations, which use the display
# framework's records; the API and the display framework, side by side; the
# world; what the host needs of its platform, declared once.
tree_rooms[host/src]="main.cpp scenario run posix/os posix/win32 windows api display world platform"

# The module: its entry points; the display mode; the drive; the bridge to
# the sound libraries; the base every room above shares (settings, records,
# registries, numbers, paths); the keyed table.
tree_rooms[src]="module mfd drive sound module/base registry"

rooms=()

# The index of the room that holds path (0 at the top); fails when none does.
room_index() {
    local path=$1 best=-1 best_length=0 i
    for i in "${!rooms[@]}"; do
        if [[ $path == "${rooms[i]}" || $path == "${rooms[i]}"/* ]] &&
            [ "${#rooms[i]}" -gt "$best_length" ]; then
            best=$i
            best_length=${#rooms[i]}
        fi
    done
    [ "$best" -ge 0 ] && echo "$best"
}

check_tree() {
    local tree=$1 faults=0 file line target beside from to arrows
    if [ -z "${tree_rooms[$tree]:-}" ]; then
        echo "$tree: no rooms listed for this tree" >&2
        return 1
    fi
    read -r -a rooms <<< "${tree_rooms[$tree]}"
    arrows=$(mktemp)
    while read -r file; do
        file=${file#"$tree"/}
        if ! from=$(room_index "$file"); then
            echo "$tree/$file: in no room of $tree" >&2
            faults=$((faults + 1))
            continue
        fi
        while IFS=: read -r line target; do
            target=${target#*\"}
            target=${target%%\"*}
            if [ ! -f "$tree/$target" ]; then
                beside=$(dirname "$file")/$target
                [ -f "$tree/$beside" ] || continue
                target=$(realpath -m --relative-to="$tree" "$tree/$beside")
            fi
            echo "$file $target" >> "$arrows"
            to=$(room_index "$target") || continue
            if [ "$to" -lt "$from" ]; then
                echo "$tree/$file:$line: includes $target, up from ${rooms[from]} to ${rooms[to]}" >&2
                faults=$((faults + 1))
            fi
        done < <(grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$tree/$file" || true)
    done < <(find "$tree" -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
    # tsort names the files of each circle.
    if ! tsort < "$arrows" 2> "$arrows.circles" > /dev/null; then
        echo "$tree: files that include each other in a circle:" >&2
        sed -e '/input contains a loop/d' -e 's/^tsort: /    /' "$arrows.circles" >&2
        faults=$((faults + 1))
    fi
    rm -f "$arrows" "$arrows.circles"
    [ $faults -eq 0 ] || return 1
    echo "$tree: every include arrow points down (${rooms[*]})"
}

if [ $# -gt 0 ]; then
    trees=("$@")
else
    mapfile -t trees < <(printf '%s\n' "${!tree_rooms[@]}" | sort)
fi
status=0
for tree in "${trees[@]}"; do
    check_tree "$tree" || status=1
done
exit $status
