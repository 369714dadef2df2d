#!/usr/bin/env bash
# Makes the download for Windows players, dist/trovel-<version>-win32.zip: builds the 32-bit game
# (size-optimised, stripped), proves that building it again elsewhere gives the same bytes, runs
# every test of that build against its trovel.exe, packs that very file with the Japanese readme
# and the licence, and writes dist/SHA256SUMS (the zip, and trovel.exe as it unzips) for
# sha256sum -c.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows
tools/check-reproducible.sh
tools/test-x86-32.sh

# The zip the build made of the trovel.exe just tested, checked by the release_zip test.
zip=$(echo build/windows/package/trovel-*-win32.zip)
name=$(basename "$zip")
folder=${name%.zip}
mkdir -p dist
rm -f "dist/$name" dist/SHA256SUMS
cp "$zip" dist/
(
    cd dist
    sha256sum "$name"
    unzip -p "$name" "$folder/trovel.exe" | sha256sum | sed "s|-\$|$folder/trovel.exe|"
) >dist/SHA256SUMS.partial
mv dist/SHA256SUMS.partial dist/SHA256SUMS
echo "release: dist/$name"
unzip -l "dist/$name"
echo "release: dist/SHA256SUMS"
cat dist/SHA256SUMS
(cd dist && sha256sum -c --ignore-missing SHA256SUMS)
