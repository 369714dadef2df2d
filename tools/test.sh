#!/usr/bin/env bash
# Builds and runs every test: the rules natively under AddressSanitizer and UBSan, then the game
# for 32-bit Windows with its rules, window and end-to-end tests under 32-bit Wine on a private
# virtual display (your own desktop and mouse are left alone). Where this machine cannot execute
# 32-bit code, 32-bit Wine runs under user-mode emulation, and the 64-bit build's tests run too.
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

current="the download is reproducible: built again elsewhere, the same bytes"
step "$current"
tools/check-reproducible.sh

# Tests open windows and move the mouse: they get a display of their own.
virtual_display=(xvfb-run -a -s "-screen 0 1024x768x24")

current="tests of the 32-bit Windows build (the shipped trovel.exe) under 32-bit Wine"
step "$current"
tools/test-x86-32.sh

if [[ $(tools/x86-32-route.sh) == emulated ]]; then
    # The same sources built for 64-bit Windows also run every test case, each in a process of
    # its own, under this machine's own 64-bit Wine.
    current="tests of the 64-bit Windows build under Wine"
    step "$current"
    cmake --preset windows-x64 >/dev/null
    cmake --build --preset windows-x64
    "${virtual_display[@]}" ctest --preset windows-x64
fi
trap - ERR
step "all tests passed"
