#!/usr/bin/env bash
# Builds the host and the module and flies the demo scenario.
# Pictures of the page go to out/demo/, the simulator folder to out/demo-root/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh tarsel-sim tarsel-waves
rm -rf out/demo-root && mkdir -p out/demo-root/Sound/TarselMFD out/demo
# The simulator's folder with the pilots' package installed: its six waves.
build/package/waves/tarsel-waves out/demo-root/Sound/TarselMFD
build/tarsel-sim --root out/demo-root --out out/demo scenarios/demo.scn
