#!/usr/bin/env bash
# Counts the C and C++ lines that are neither blank nor comment only, of the
# tests (tests/) and of the code (src/, host/, bench/, msvc-abi/, package/,
# including msvc-abi's C++ headers, which have no extension), and prints the
# tests' share of the code's.
set -euo pipefail
cd "$(dirname "$0")/.."

# lines FOLDER...: the count over the folders' C and C++ files.
lines() {
    find "$@" -type f \( -name '*.c' -o -name '*.cpp' -o -name '*.h' -o -path 'msvc-abi/include/*' \) \
        -print0 | xargs -0 cat | awk '
        {
            line = $0
            if (inComment) {
                if (index(line, "*/") == 0) next
                line = substr(line, index(line, "*/") + 2)
                inComment = 0
            }
            sub(/^[ \t]+/, "", line)
            if (line == "" || substr(line, 1, 2) == "//") next
            if (substr(line, 1, 2) == "/*") {
                if (index(line, "*/") == 0) inComment = 1
                next
            }
            count++
        }
        END { print count + 0 }'
}

tests=$(lines tests)
code=$(lines src host bench msvc-abi package)
awk -v t="$tests" -v c="$code" 'BEGIN { printf "tests %d, code %d: %.1f %%\n", t, c, 100 * t / c }'
