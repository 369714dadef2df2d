#!/usr/bin/env bash
# Prints the path of a QEMU user-mode emulator for 32-bit x86 Linux programs that runs 32-bit Wine:
# QEMU 8 or later (Debian 12's 7.2 spins forever in Wine's start-up). TROVEL_QEMU_I386 names one;
# else this machine's own qemu-i386 when it is new enough; else the static qemu-i386 of Debian 13's
# qemu-user package, fetched once through this machine's own Debian archive into
# ${XDG_CACHE_HOME:-~/.cache}/trovel/qemu-user (TROVEL_QEMU_CACHE moves it). The fetch uses a
# private apt list and archive: this machine's package setup is left as it is.
set -euo pipefail

suite=trixie
cache=${TROVEL_QEMU_CACHE:-${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}/trovel/qemu-user}

new_enough() {
    local major
    major=$("$1" --version 2>/dev/null | sed -n 's/^qemu-i386 version \([0-9]*\)\..*/\1/p')
    [[ -n $major && $major -ge 8 ]]
}

if [[ -n ${TROVEL_QEMU_I386:-} ]]; then
    if ! new_enough "$TROVEL_QEMU_I386"; then
        echo "qemu-user: TROVEL_QEMU_I386=$TROVEL_QEMU_I386 is not a qemu-i386 of version 8 or later" >&2
        exit 1
    fi
    echo "$TROVEL_QEMU_I386"
    exit 0
fi
for candidate in "$cache/qemu-i386" /usr/bin/qemu-i386-static /usr/bin/qemu-i386; do
    if [[ -x $candidate ]] && new_enough "$candidate"; then
        echo "$candidate"
        exit 0
    fi
done

# The Debian archive this machine installs from, read from its apt sources (deb822 or one-line).
mirror=$(sed -n 's/^URIs:[[:space:]]*\([^[:space:]]*\).*/\1/p' /etc/apt/sources.list.d/*.sources \
             2>/dev/null | grep -v security | head -n 1 || true)
if [[ -z $mirror ]]; then
    mirror=$(sed -n 's/^deb[[:space:]]\+\(\[[^]]*\][[:space:]]\+\)\?\([^[:space:]]*\)[[:space:]].*/\2/p' \
                 /etc/apt/sources.list 2>/dev/null | grep -v security | head -n 1 || true)
fi
if [[ -z $mirror ]] || ! grep -qx 'ID=debian' /etc/os-release 2>/dev/null; then
    echo "qemu-user: no qemu-i386 of version 8 or later here, and no Debian archive to fetch" \
         "Debian 13's from: install your system's qemu-user-static (8 or later) or set" \
         "TROVEL_QEMU_I386" >&2
    exit 1
fi

echo "qemu-user: fetching Debian $suite's qemu-user from $mirror (once, about 70 MB)" >&2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/lists/partial" "$work/archives/partial" "$work/cache"
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
{
    echo "Types: deb"
    echo "URIs: $mirror"
    echo "Suites: $suite"
    echo "Components: main"
    [[ -f $keyring ]] && echo "Signed-By: $keyring"
} >"$work/private.sources"
apt_private=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$work/sourceparts"
             -o Dir::State::Lists="$work/lists" -o Dir::Cache="$work/cache"
             -o Dir::Cache::Archives="$work/archives" -o APT::Architectures::=amd64
             -o APT::Sandbox::User="$(id -un)" -o Debug::NoLocking=1)
mkdir -p "$work/sourceparts"
mv "$work/private.sources" "$work/sourceparts/trixie.sources"
if ! apt-get "${apt_private[@]}" update >"$work/log" 2>&1 ||
   ! (cd "$work" && apt-get "${apt_private[@]}" download qemu-user >>"$work/log" 2>&1); then
    echo "qemu-user: could not fetch qemu-user from Debian $suite:" >&2
    tail -n 5 "$work/log" >&2
    exit 1
fi
mkdir -p "$work/unpacked" "$cache"
dpkg-deb --fsys-tarfile "$work"/qemu-user_*.deb | tar -x -C "$work/unpacked" ./usr/bin/qemu-i386
install -m 755 "$work/unpacked/usr/bin/qemu-i386" "$cache/qemu-i386.partial"
mv "$cache/qemu-i386.partial" "$cache/qemu-i386"
echo "qemu-user: $("$cache/qemu-i386" --version | head -n 1) in $cache" >&2
echo "$cache/qemu-i386"
