#!/usr/bin/env bash
# Builds the emulated machine that runs the 32-bit game where the host cannot execute 32-bit x86
# code: a small Debian system with 32-bit Wine, a virtual display and a Japanese locale, booted by
# QEMU under software emulation. Prints the folder that holds its kernel, initrd and disk.
#
# The machine is made from Debian's packages, through this host's own package sources and apt
# settings, and cached under ${XDG_CACHE_HOME:-~/.cache}/trovel/x86-32-machine/<recipe hash>: it
# is built again only when a file of this folder changes. Set TROVEL_MACHINE_CACHE to move it.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
cache=${TROVEL_MACHINE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/trovel/x86-32-machine}
suite=bookworm

# Everything the machine is made from: these files, the suite and the host's architecture.
recipe=$( (cat "$here"/build-image.sh "$here"/guest-init.sh "$here"/initrd-init.sh \
               "$here"/prepare-wine.sh; echo "$suite $(uname -m)") | sha256sum | cut -c1-16)
machine=$cache/$recipe
if [[ -f $machine/ready ]]; then
    echo "$machine"
    exit 0
fi

as_root=()
if [[ $(id -u) -ne 0 ]]; then
    as_root=(sudo)
fi
for tool in debootstrap qemu-system-x86_64 mkfs.ext4 cpio; do
    if ! command -v "$tool" >/dev/null && [[ ! -x /usr/sbin/$tool ]]; then
        echo "x86-32-machine: $tool is missing: run tools/setup.sh" >&2
        exit 1
    fi
done

# The Debian archive this host installs from, read from its apt sources (deb822 or one-line).
mirror=$(sed -n 's/^URIs:[[:space:]]*\([^[:space:]]*\).*/\1/p' /etc/apt/sources.list.d/*.sources \
             2>/dev/null | grep -v security | head -n 1 || true)
if [[ -z $mirror ]]; then
    mirror=$(sed -n 's/^deb[[:space:]]\+\(\[[^]]*\][[:space:]]\+\)\?\([^[:space:]]*\)[[:space:]].*/\2/p' \
                 /etc/apt/sources.list 2>/dev/null | grep -v security | head -n 1 || true)
fi
if [[ -z $mirror ]]; then
    echo "x86-32-machine: found no Debian archive in this host's apt sources" >&2
    exit 1
fi

mkdir -p "$cache"
work=$cache/$recipe.partial
log=$cache/$recipe.log
"${as_root[@]}" rm -rf "$work"
mkdir -p "$work"
root=$work/root
: >"$log"
echo "x86-32-machine: building the emulated 32-bit machine (once, a few minutes); log: $log" >&2

current=""
mounted=()
cleanup() {
    local status=$?
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        "${as_root[@]}" umount -l "${mounted[i]}" 2>/dev/null || true
    done
    if [[ $status -ne 0 ]]; then
        echo "x86-32-machine: FAILED while $current; the last lines of $log:" >&2
        tail -n 20 "$log" >&2
    fi
}
trap cleanup EXIT
step() {
    current=$1
    echo "x86-32-machine: $current" >&2
    echo "=== $current" >>"$log"
}
in_root() { "${as_root[@]}" chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin \
                DEBIAN_FRONTEND=noninteractive LC_ALL=C "$@" >>"$log" 2>&1; }

step "installing a minimal Debian $suite from $mirror"
"${as_root[@]}" debootstrap --variant=minbase --arch=amd64 "$suite" "$root" "$mirror" >>"$log" 2>&1

step "installing the kernel, 32-bit Wine, the display and the fonts"
"${as_root[@]}" cp /etc/apt/apt.conf.d/* "$root/etc/apt/apt.conf.d/" 2>/dev/null || true
for fs in proc sys dev; do
    "${as_root[@]}" mount --bind "/$fs" "$root/$fs"
    mounted+=("$root/$fs")
done
in_root dpkg --add-architecture i386
in_root apt-get update
# Some i386 maintainer scripts cannot run on a host without 32-bit support; Wine does not need
# what they make, so a failed configure step is finished with the scripts skipped.
if ! in_root apt-get install -y --no-install-recommends linux-image-amd64 kmod busybox-static \
        wine wine64 wine32:i386 xvfb xauth xdotool fonts-ipafont-gothic locales cmake procps \
        binutils-mingw-w64-i686 unzip make; then
    echo "(some package scripts failed; configuring the rest without them)" >>"$log"
    in_root sh -c 'for f in /var/lib/dpkg/info/*:i386.postinst; do [ -e "$f" ] && : >"$f"; done;
                   dpkg --configure -a'
    in_root apt-get install -y --no-install-recommends -f
fi
in_root sh -c 'echo "ja_JP.UTF-8 UTF-8" >/etc/locale.gen && locale-gen'
in_root apt-get clean

step "installing the machine's start-up and Wine preparation scripts"
"${as_root[@]}" install -D -m 755 "$here/guest-init.sh" "$root/usr/local/sbin/trovel-init"
"${as_root[@]}" install -D -m 755 "$here/prepare-wine.sh" "$root/usr/local/lib/trovel/prepare-wine.sh"

step "making the small initrd"
kernel_version=$(ls "$root/lib/modules" | sort -V | tail -n 1)
modules=$root/lib/modules/$kernel_version
initrd=$work/initrd
mkdir -p "$initrd/bin" "$initrd/modules"
cp "$root/bin/busybox" "$initrd/bin/busybox"
install -m 755 "$here/initrd-init.sh" "$initrd/init"
# The boot disk needs virtio PCI, the virtio block device and ext4, with what they depend on, in
# the order the kernel can load them.
needed=()
add_module() {
    local name=$1 line dependency
    line=$(grep -E "(^|/)$name\.ko(\.[a-z]+)?:" "$modules/modules.dep" | head -n 1)
    [[ -n $line ]] || return 0  # built into this kernel
    for dependency in ${line#*:}; do
        dependency=$(basename "$dependency")
        add_module "${dependency%%.ko*}"
    done
    local path=${line%%:*}
    [[ " ${needed[*]} " == *" $path "* ]] || needed+=("$path")
}
for module in virtio_pci virtio_blk ext4 crc32c_generic; do
    add_module "$module"
done
: >"$initrd/modules/order"
for path in "${needed[@]}"; do
    file=$(basename "$path")
    case $file in
        *.ko.xz) xz -dc "$modules/$path" >"$initrd/modules/${file%.xz}" ;;
        *.ko.zst) zstd -qdc "$modules/$path" >"$initrd/modules/${file%.zst}" ;;
        *) cp "$modules/$path" "$initrd/modules/$file" ;;
    esac
    echo "${file%.ko*}.ko" >>"$initrd/modules/order"
done
(cd "$initrd" && find . | cpio -o -H newc --quiet | gzip -9) >"$work/initrd.img"
"${as_root[@]}" cp "$root/boot/vmlinuz-$kernel_version" "$work/vmlinuz"
"${as_root[@]}" chmod a+r "$work/vmlinuz"
echo "kernel $kernel_version, initrd modules: ${needed[*]}" >>"$log"

step "packing the disk"
for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    "${as_root[@]}" umount -l "${mounted[i]}"
done
mounted=()
"${as_root[@]}" rm -rf "$root/boot/initrd.img"* "$root/var/cache/apt/archives"/*.deb \
    "$root/var/lib/apt/lists"/*_Packages
used=$("${as_root[@]}" du -sm "$root" | cut -f1)
# Room for the Wine prefix and the tests' temporary files on top of the system.
"${as_root[@]}" mkfs.ext4 -q -F -L trovel -d "$root" "$work/disk.img" "$((used + 1536))M" >>"$log" 2>&1
"${as_root[@]}" chown "$(id -u):$(id -g)" "$work/disk.img"
"${as_root[@]}" rm -rf "$root"

step "preparing Wine inside the machine (once, about a minute)"
"$here/run.sh" --image "$work" --write --job /usr/local/lib/trovel/prepare-wine.sh >>"$log" 2>&1

rm -rf "${machine:?}"
mv "$work" "$machine"
touch "$machine/ready"
# Older recipes' machines are of no further use.
find "$cache" -mindepth 1 -maxdepth 1 ! -name "$recipe*" -exec rm -rf {} + 2>/dev/null || true
echo "x86-32-machine: ready in $machine" >&2
echo "$machine"
