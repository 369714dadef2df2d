#!/usr/bin/env bash
# Builds Trovel and starts it under Wine on your display, with the Japanese code page.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

tools/setup.sh

preset=windows
if ! tools/can-run-x86-32.sh; then
    echo "This machine cannot execute 32-bit x86 code, so 32-bit Wine cannot run the game here;"
    echo "playing the 64-bit build of the same sources instead."
    preset=windows-x64
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target trovel

if [[ -z ${DISPLAY:-} ]]; then
    echo "play: no display (DISPLAY is not set). Run this from a desktop session, or over" >&2
    echo "'ssh -X', or see the window on a virtual display: xvfb-run -a tools/play.sh" >&2
    exit 1
fi

echo "Starting build/$preset/shell/trovel.exe (the first start prepares Wine, ~15 s)"
TROVEL_WINE_MANAGED=yes exec "build/$preset/wine-run" "build/$preset/shell/trovel.exe"
