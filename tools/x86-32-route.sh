#!/usr/bin/env bash
# Prints how this machine runs the 32-bit game's tests: "host" when it executes 32-bit x86 code
# itself, "emulated" when it cannot (32-bit Wine under QEMU's user-mode emulation, see
# tools/x86-32-emulation/). TROVEL_X86_32=host or =emulated chooses instead.
set -euo pipefail
case ${TROVEL_X86_32:-auto} in
    host | emulated) echo "$TROVEL_X86_32" ;;
    auto)
        if "$(dirname "$0")/can-run-x86-32.sh"; then echo host; else echo emulated; fi
        ;;
    *)
        echo "TROVEL_X86_32 is '$TROVEL_X86_32'; it takes host, emulated or auto" >&2
        exit 2
        ;;
esac
