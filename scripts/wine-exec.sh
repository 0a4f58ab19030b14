#!/usr/bin/env bash
# Runs a Windows program under Wine: wine-exec.sh PROGRAM.exe [ARGUMENTS...].
# The Windows build's test programs run through it (the toolchain's emulator).
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
wine_ready
exec wine "$@"
