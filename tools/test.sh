#!/usr/bin/env bash
# Builds and runs every test: the rules natively under AddressSanitizer and UBSan, then the game
# for 32-bit Windows with its rules, window and end-to-end tests under Wine on a private virtual
# display (your own desktop and mouse are left alone).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

step() { printf '\n=== %s\n' "$*"; }
on_error() { echo "test: FAILED during: $current" >&2; }
trap on_error ERR

current="installing what is missing"
step "$current"
tools/setup.sh

current="rules, native build with sanitizers"
step "$current"
cmake --workflow --preset native

current="the game for 32-bit Windows"
step "$current"
cmake --preset windows >/dev/null
cmake --build --preset windows

# Tests open windows and move the mouse: they get a display of their own.
virtual_display=(xvfb-run -a -s "-screen 0 1024x768x24")

if tools/can-run-x86-32.sh; then
    current="tests of the 32-bit Windows build under Wine"
    step "$current"
    "${virtual_display[@]}" ctest --preset windows
else
    current="the 32-bit game's executable check"
    step "$current"
    cmake -DOBJDUMP=i686-w64-mingw32-objdump -DPROGRAM=build/windows/shell/trovel.exe \
        -DARCH=i686 -P cmake/check-executable.cmake
    echo "This machine cannot execute 32-bit x86 code (a 64-bit-only virtual machine), so"
    echo "32-bit Wine cannot run here. The same sources are built for 64-bit Windows and all"
    echo "Windows tests run under 64-bit Wine instead."
    current="tests of the 64-bit Windows build under Wine"
    step "$current"
    cmake --preset windows-x64 >/dev/null
    cmake --build --preset windows-x64
    "${virtual_display[@]}" ctest --preset windows-x64
fi
trap - ERR
step "all tests passed"
