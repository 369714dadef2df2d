#!/bin/busybox sh
# The emulated machine's first program: loads the drivers of its boot disk, mounts it and hands
# over to the system on it. (The kernel's own initramfs would take far longer under emulation.)
/bin/busybox mkdir -p /proc /dev /root
/bin/busybox mount -t proc proc /proc
/bin/busybox mount -t devtmpfs dev /dev
while read -r module; do
    /bin/busybox insmod "/modules/$module" || echo "initrd: cannot load $module"
done </modules/order
for _ in 1 2 3 4 5 6 7 8 9 10; do
    [ -b /dev/vda ] && break
    /bin/busybox sleep 0.2
done
if ! /bin/busybox mount -t ext4 /dev/vda /root; then
    echo "initrd: cannot mount the boot disk /dev/vda"
    /bin/busybox poweroff -f
fi
/bin/busybox umount /proc
/bin/busybox mount --move /dev /root/dev
exec /bin/busybox switch_root /root /usr/local/sbin/trovel-init
