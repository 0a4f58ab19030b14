#!/usr/bin/env bash
# Compiles every source of the module against the SDK headers shaped as those
# of the simulator's 32-bit 2016 release (TARSEL_SDK_2016: no OAPI_MSGTYPE,
# the message procedure returning int, and Windows' min and max macros), with
# 32-bit MinGW-w64 and without NOMINMAX, as a developer with that SDK builds
# it (ORBITER_SDK_DIR); and checks that those headers, like the 2016 ones,
# do not compile with NOMINMAX. Compiles only, links nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --windows
fail() { echo "check-sdk-2016: $*" >&2; exit 1; }
cxx=i686-w64-mingw32-g++-posix
flags=(-std=c++17 -Wall -Wextra -fsyntax-only -DTARSEL_SDK_2016 -isystem host/sdk/include -Isrc)

if echo '#include "Orbitersdk.h"' | "$cxx" -x c++ "${flags[@]}" -DNOMINMAX - 2> /dev/null; then
    fail "the headers compile with NOMINMAX: they do not use min and max as the 2016 ones do"
fi

# Microsoft's C++ library copes with the macros, GCC's does not: its headers
# are read first, so that the macros meet only the module's own code.
prelude=()
while read -r header; do
    prelude+=(-include "$header")
done < <(grep -rhoE '^#include <[a-z_]+>' src | sort -u | sed 's/^#include <\(.*\)>$/\1/')
shopt -s globstar
sources=(src/**/*.cpp)
printf '%s\n' "${sources[@]}" | xargs -P"$(nproc)" -I{} "$cxx" "${flags[@]}" "${prelude[@]}" {} ||
    fail "the module does not compile against the 2016 release's headers (above)"
echo "check-sdk-2016: all ${#sources[@]} sources compile against the 2016 release's headers"
