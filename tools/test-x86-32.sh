#!/usr/bin/env bash
# Runs the tests of the 32-bit build in build/windows (rules, window and mouse tests, the checks
# of the executable, its resources and the release zip) against its trovel.exe: under this
# machine's 32-bit Wine, or, where it cannot execute 32-bit x86 code, in the emulated machine of
# tools/x86-32-machine/. tools/x86-32-route.sh tells which.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
echo "running the tests of $root/build/windows/shell/trovel.exe"
if [[ $(tools/x86-32-route.sh) == host ]]; then
    xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset windows
else
    echo "they run in the emulated 32-bit machine (this machine cannot execute 32-bit x86 code," \
         "or TROVEL_X86_32=emulated asked for it)"
    tools/x86-32-machine/run.sh --job tools/x86-32-machine/pe32-tests.sh
fi
