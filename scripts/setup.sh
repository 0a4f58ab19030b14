#!/usr/bin/env bash
# Installs from Debian's packages whatever the build needs and is missing.
set -euo pipefail
packages=(cmake make g++ pkg-config libgtest-dev libbenchmark-dev libcairo2-dev libfontconfig-dev fonts-dejavu-core
          clang lld llvm libwine-dev mingw-w64-i686-dev zip unzip libclang-rt-14-dev valgrind)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
