#!/usr/bin/env bash
# Boots the emulated 32-bit machine, runs one job script in it and exits with the job's exit value.
# The project folder is shared at the same path, so a build tree configured on the host works
# unchanged inside; the job's output appears here as it runs.
#   run.sh --job PATH [--image DIR] [--write] [--timeout SECONDS]
# Without --image the machine is built first if needed (build-image.sh). The boot disk is opened
# as a snapshot, so every boot starts from the same state; --write keeps what the job changes.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
project=$(cd "$here/../.." && pwd)
image="" job="" snapshot=on timeout=2400
while [[ $# -gt 0 ]]; do
    case $1 in
        --image) image=$2; shift 2 ;;
        --job) job=$2; shift 2 ;;
        --write) snapshot=off; shift ;;
        --timeout) timeout=$2; shift 2 ;;
        *) echo "usage: run.sh --job PATH [--image DIR] [--write] [--timeout SECONDS]" >&2; exit 2 ;;
    esac
done
if [[ -z $job ]]; then
    echo "run.sh: no --job given" >&2
    exit 2
fi
if [[ -z $image ]]; then
    image=$("$here/build-image.sh")
fi
if [[ $job != /* ]]; then
    job=$(cd "$(dirname "$job")" && pwd)/$(basename "$job")
fi

if [[ $project$job == *[[:space:]]* ]]; then
    echo "run.sh: the emulated machine takes paths through its kernel command line, which cannot" \
         "hold spaces: move the project to a folder without spaces ($project)" >&2
    exit 2
fi

exchange=$(mktemp -d)
trap 'rm -rf "$exchange"' EXIT

# Two emulated processors on this host's two cores. Without SMAP removed from the processor
# model, QEMU's emulation makes the guest kernel kill every 32-bit process on its way back from
# the kernel to 32-bit code.
status=0
timeout --foreground "$timeout" qemu-system-x86_64 \
    -accel tcg,thread=multi -cpu max,-smap -smp 2 -m 4G \
    -nodefaults -display none -no-reboot -serial stdio \
    -kernel "$image/vmlinuz" -initrd "$image/initrd.img" \
    -append "console=ttyS0 quiet loglevel=3 panic=-1 trovel.job=$job trovel.project=$project" \
    -drive "file=$image/disk.img,format=raw,if=virtio,snapshot=$snapshot" \
    -virtfs "local,path=$exchange,mount_tag=exchange,security_model=none,id=exchange" \
    -virtfs "local,path=$project,mount_tag=project,security_model=none,id=project" \
    </dev/null | tr -d '\r' || status=$?
if [[ $status -eq 124 ]]; then
    echo "run.sh: the emulated machine did not finish within $timeout s" >&2
    exit 1
fi
if [[ $status -ne 0 ]]; then
    echo "run.sh: qemu-system-x86_64 failed with exit value $status" >&2
    exit 1
fi
if [[ ! -s $exchange/status ]]; then
    echo "run.sh: the emulated machine stopped before its job ended" >&2
    exit 1
fi
exit "$(cat "$exchange/status")"
