#!/usr/bin/env bash
# The long soak: the window tests' message storm, in the game's own window, for many steps and
# seeds (default 20,000 steps for each of 10 seeds), with every step's checks, the GDI object count
# every 1,000 steps and the memory after the warm-up; prints a summary and fails on any break.
#   tools/soak.sh [--steps N (per seed)] [--seeds N] [--allowance-kib N]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

tools/setup.sh
preset=windows
tools/can-run-x86-32.sh || preset=windows-x64
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target soak
exec xvfb-run -a -s "-screen 0 1024x768x24" "build/$preset/wine-run" \
    "build/$preset/tests/windows/soak.exe" "$@"
