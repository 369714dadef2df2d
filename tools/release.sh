#!/usr/bin/env bash
# Makes the download for Windows players, dist/trovel-<version>-win32.zip: builds the 32-bit game
# (size-optimised, stripped), runs every test of that build against its trovel.exe, and packs that
# very file with the Japanese readme and the licence.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows
tools/test-x86-32.sh

# The zip the build made of the trovel.exe just tested, checked by the release_zip test.
mkdir -p dist
for zip in build/windows/package/trovel-*-win32.zip; do
    cp "$zip" dist/
    echo "release: dist/$(basename "$zip")"
    unzip -l "dist/$(basename "$zip")"
done
