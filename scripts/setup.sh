#!/usr/bin/env bash
# Installs from Debian's packages whatever the build needs and is missing.
# With --windows, also what the Windows build and its runs under Wine need
# (scripts/build-windows.sh).
set -euo pipefail
packages=(cmake make g++ pkg-config libgtest-dev libbenchmark-dev libcairo2-dev libfontconfig-dev fonts-dejavu-core
          clang lld llvm libwine-dev mingw-w64-i686-dev zip unzip libclang-rt-14-dev valgrind)
# MinGW-w64, GoogleTest's sources, the PNG writer header and Wine, without
# the desktop libraries Wine recommends: it runs headless here. The 32-bit
# MinGW-w64 compiles the module against the SDK headers shaped as the 2016
# release's (scripts/check-sdk-2016.sh).
windows_packages=(g++-mingw-w64-x86-64 g++-mingw-w64-i686-posix googletest libstb-dev wine wine64)

# install_missing [apt-get options] -- packages...
install_missing() {
    local options=() missing=()
    while [ "$1" != "--" ]; do
        options+=("$1")
        shift
    done
    shift
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "installing: ${missing[*]}"
        sudo_cmd=""
        [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
        $sudo_cmd apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${options[@]}" "${missing[@]}"
    fi
}

source "$(dirname "$0")/once.sh"
if ran_before setup-windows || { [ "${1:-}" != "--windows" ] && ran_before setup; }; then
    exit 0
fi
install_missing -- "${packages[@]}"
mark_ran setup
if [ "${1:-}" = "--windows" ]; then
    install_missing --no-install-recommends -- "${windows_packages[@]}"
    mark_ran setup-windows
fi
