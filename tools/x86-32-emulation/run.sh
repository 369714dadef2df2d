#!/usr/bin/env bash
# Runs a command so that the 32-bit x86 Linux programs it starts (32-bit Wine and its helpers) run
# under QEMU's user-mode emulation, on a machine whose kernel cannot execute them itself. The
# emulator is registered for 32-bit x86 ELF files in a binfmt_misc of a private user and mount
# namespace (Linux 6.7 or later), which the command and its children see and nothing else on the
# machine does. Everything else, 64-bit programs and the files, is this machine's own.
#   tools/x86-32-emulation/run.sh COMMAND [ARGUMENTS...]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)

if [[ ${1:-} == --in-namespace ]]; then
    interpreter=$2 register_dir=$3
    shift 3
    # A binfmt_misc mounted in this namespace is its own (Linux 6.7), wherever it is mounted: an
    # empty folder of ours, not /proc/sys/fs/binfmt_misc, which the machine may automount. The
    # registration lasts while it stays mounted, that is while the command runs; outside this
    # namespace the folder stays empty and goes when the command has ended.
    mount -t binfmt_misc binfmt_misc "$register_dir"
    # The ELF header of a 32-bit x86 executable or shared object, as Debian's qemu-user registers
    # it; P keeps argv[0], O passes the opened file, F opens the emulator now, so the command's
    # own mounts cannot hide it.
    magic='\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    mask='\xff\xff\xff\xff\xff\xfe\xfe\xfc\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    echo ":trovel-i386:M::$magic:$mask:$interpreter:POF" >"$register_dir/register"
    if ! "$here/../can-run-x86-32.sh"; then
        echo "x86-32-emulation: $interpreter does not run 32-bit x86 programs" >&2
        exit 1
    fi
    exec "$@"
fi

if [[ $# -lt 1 ]]; then
    echo "usage: tools/x86-32-emulation/run.sh COMMAND [ARGUMENTS...]" >&2
    exit 2
fi
release=$(uname -r)
major=${release%%.*}
minor=${release#*.}
minor=${minor%%[!0-9]*}
if ((major < 6 || (major == 6 && minor < 7))); then
    echo "x86-32-emulation: Linux $release cannot register an emulator in a private namespace" \
         "(that takes Linux 6.7); on this machine the 32-bit tests cannot run. Run them on a" \
         "machine that executes 32-bit x86 code or has a newer kernel." >&2
    exit 1
fi
qemu=$("$here/qemu-user.sh")
if ! unshare --user --map-root-user --mount true 2>/dev/null; then
    echo "x86-32-emulation: this machine does not allow a private user namespace" \
         "(unshare --user --map-root-user --mount), which the emulation needs" >&2
    exit 1
fi
register_dir=$(mktemp -d "${TMPDIR:-/tmp}/trovel-binfmt.XXXXXX")
trap 'rmdir "$register_dir" 2>/dev/null || true' EXIT
unshare --user --map-root-user --mount "$0" --in-namespace "$qemu" "$register_dir" "$@"
