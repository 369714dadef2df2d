#!/bin/bash
# Run once inside the emulated machine while its image is made: prepares the 32-bit Wine prefix
# that every later boot's tests use (the disk is then opened read-only, each boot starting clean).
set -euo pipefail
export WINEPREFIX=/var/lib/trovel/wineprefix WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" WINELOADER=/usr/lib/wine/wine
mkdir -p "$(dirname "$WINEPREFIX")"
/usr/lib/wine/wine wineboot -i
/usr/lib/wine/wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
wineserver -w
touch "$WINEPREFIX/.booted"
echo "prepared $WINEPREFIX"
