#!/usr/bin/env bash
# Runs the tests of the 32-bit build in build/windows (rules, window and mouse tests, the checks
# of the executable, its resources and the release zip) against its trovel.exe under 32-bit Wine:
# natively where this machine executes 32-bit x86 code, else with 32-bit Wine's own processes under
# QEMU's user-mode emulation (tools/x86-32-emulation/). tools/x86-32-route.sh tells which. The
# tree is configured for that route and brought up to date first: a new commit, say, dates the
# release anew.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
route=$(tools/x86-32-route.sh)
virtual_display=(xvfb-run -a -s "-screen 0 1024x768x24")
echo "running the tests of $root/build/windows/shell/trovel.exe"
if [[ $route == host ]]; then
    # One CTest test per case: each case in a fresh process, named in CTest's own report.
    cases_separately=ON
    in_route=()
else
    echo "32-bit Wine runs under user-mode emulation (this machine cannot execute 32-bit x86" \
         "code, or TROVEL_X86_32=emulated asked for it)"
    # Every program start costs seconds there: each test program runs whole, all its cases in one
    # process, and names any failing case in its output.
    cases_separately=OFF
    in_route=(tools/x86-32-emulation/run.sh)
fi
cmake --preset windows -DTROVEL_TEST_CASES_SEPARATELY=$cases_separately >/dev/null
cmake --build --preset windows >/dev/null
"${in_route[@]}" "${virtual_display[@]}" ctest --preset windows
