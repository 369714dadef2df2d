#!/bin/bash
# The emulated machine's init: mounts the project folder and the job's exchange folder that the
# host shares, runs the one job the host asked for (trovel.job= on the kernel command line) on a
# virtual display with the Japanese locale, leaves its exit value for the host and powers off.
export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
mount -t proc proc /proc
mount -t sysfs sys /sys
mountpoint -q /dev || mount -t devtmpfs dev /dev
mkdir -p /dev/pts /dev/shm
mount -t devpts devpts /dev/pts
# What udev would make: shells' process substitution and /dev/stdin need these.
ln -sf /proc/self/fd /dev/fd
ln -sf /proc/self/fd/0 /dev/stdin
ln -sf /proc/self/fd/1 /dev/stdout
ln -sf /proc/self/fd/2 /dev/stderr
mount -t tmpfs tmpfs /dev/shm
mount -t tmpfs tmpfs /run
mount -t tmpfs tmpfs /tmp
hostname trovel-x86-32
ip link set lo up 2>/dev/null || ifconfig lo up 2>/dev/null || busybox ifconfig lo 127.0.0.1 up

job="" project="" 
for word in $(cat /proc/cmdline); do
    case $word in
        trovel.job=*) job=${word#trovel.job=} ;;
        trovel.project=*) project=${word#trovel.project=} ;;
    esac
done

shares_mounted=yes
modprobe 9pnet_virtio && modprobe 9p || shares_mounted=no
mkdir -p /exchange
mount -t 9p -o trans=virtio,version=9p2000.L,msize=524288 exchange /exchange || shares_mounted=no
if [[ -n $project ]]; then
    mkdir -p "$project"
    mount -t 9p -o trans=virtio,version=9p2000.L,msize=524288,cache=loose project "$project" \
        || shares_mounted=no
fi

status=125
if [[ $shares_mounted != yes ]]; then
    echo "trovel-init: cannot mount the folders the host shares"
elif [[ -z $job ]]; then
    echo "trovel-init: no job on the kernel command line"
else
    export HOME=/root LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 TERM=dumb
    # One display for the whole job, as xvfb-run gives on the host.
    Xvfb :9 -screen 0 1024x768x24 -nolisten tcp >/tmp/xvfb.log 2>&1 &
    for _ in $(seq 100); do
        [[ -e /tmp/.X11-unix/X9 ]] && break
        sleep 0.1
    done
    export DISPLAY=:9
    cd "${project:-/}" || cd /
    bash "$job" </dev/null
    status=$?
fi
echo "$status" >/exchange/status
umount /exchange 2>/dev/null
[[ -n $project ]] && umount "$project" 2>/dev/null
sync
echo o >/proc/sysrq-trigger
sleep 10
