#!/usr/bin/env bash
# Installs what building, playing and testing Trovel need on Debian or Ubuntu, and nothing that is
# already there: CMake and GoogleTest, the MinGW-w64 cross compilers, Wine, a virtual X display,
# xdotool and a Japanese font; where this machine cannot run 32-bit code, 64-bit Wine and compilers.
# Tools that need more name the extra Debian packages: tools/setup.sh [PACKAGE...]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)

if ! command -v apt-get >/dev/null; then
    echo "setup: this needs apt-get (Debian or Ubuntu). Install by hand: cmake, g++, googletest," \
         "the MinGW-w64 i686 cross compiler (posix threads), wine, xvfb, xauth, xdotool and" \
         "fonts-ipafont-gothic." >&2
    exit 1
fi

as_root=()
if [[ $(id -u) -ne 0 ]]; then
    if ! command -v sudo >/dev/null; then
        echo "setup: not root and no sudo: cannot install packages" >&2
        exit 1
    fi
    as_root=(sudo)
fi

packages=(cmake make g++ googletest g++-mingw-w64-i686-posix xvfb xauth xdotool zip unzip
          fonts-ipafont-gothic "$@")

# The game is a 32-bit program: 32-bit Wine runs it, natively where this machine executes 32-bit
# x86 code and under QEMU's user-mode emulation where it does not (tools/x86-32-emulation/, which
# fetches its own emulator). There the same sources built for 64-bit Windows also run under 64-bit
# Wine.
packages+=(wine wine32:i386)
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "setup: enabling the i386 architecture for 32-bit Wine"
    "${as_root[@]}" dpkg --add-architecture i386
fi
if [[ $("$here/x86-32-route.sh") == emulated ]]; then
    packages+=(wine64 g++-mingw-w64-x86-64-posix)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if [[ ${#missing[@]} -eq 0 ]]; then
    exit 0
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if ! "${as_root[@]}" apt-get update -qq; then
    echo "setup: apt-get update failed; check the network and the package sources" >&2
    exit 1
fi
if ! "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; then
    echo "setup: could not install ${missing[*]}" >&2
    exit 1
fi
echo "setup: done"
