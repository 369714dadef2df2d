#!/bin/bash
# Job for the emulated machine: runs every test of the 32-bit build under the machine's 32-bit
# Wine, against the build tree the host made (shared at the same path), with CTest's own report.
set -uo pipefail
export TROVEL_WINEPREFIX=/var/lib/trovel/wineprefix
cd "$(dirname "$0")/../.."
echo "x86-32-machine: $(uname -m) Linux $(uname -r), $(wine --version), locale $LC_ALL"
ctest --preset windows
