#!/usr/bin/env bash
# Prints the date of the sources in seconds since 1970, the one date that
# reproducible outputs carry: SOURCE_DATE_EPOCH when set, else the time of the
# last commit, else now (as cmake/SourceDate.cmake decides for the builds).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    echo "$SOURCE_DATE_EPOCH"
else
    git log -1 --format=%ct 2> /dev/null || date +%s
fi
