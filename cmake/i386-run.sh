#!/usr/bin/env bash
# Runs a command inside the Debian i386 tree of scripts/wine32-session.sh, as
# root there, with this checkout at the same path so that every path stays as
# given, and the machine's X display. A private mount and PID namespace holds
# it all and ends with the command, leaving nothing mounted.
#
# On the emulated route (TRIMVALE_WINE32_ROUTE=emulated) the namespace is also
# a user namespace of its own, mapping the machine's first 65536 users and
# groups to themselves, in which every i386 program runs through the emulator
# TRIMVALE_QEMU_I386, registered with binfmt_misc there: never for the whole
# machine, where every 32-bit program would go through it.
#
#     TRIMVALE_I386_TREE=… bash cmake/i386-run.sh COMMAND [ARGUMENT...]
set -euo pipefail
tree=${TRIMVALE_I386_TREE:?run the 32-bit Windows tests through scripts/wine32-session.sh}
repo=$(cd "$(dirname "$0")/.." && pwd)
emulated=false
[[ ${TRIMVALE_WINE32_ROUTE-} == emulated ]] && emulated=true
qemu=""
$emulated && qemu=${TRIMVALE_QEMU_I386:?the emulated route needs TRIMVALE_QEMU_I386}

# What runs inside: binfmt_misc for the emulator, /proc, the binds, the chroot.
# shellcheck disable=SC2016 # expanded by the shell inside the namespace
inside='
    tree=$1 repo=$2 here=$3 qemu=$4
    shift 4
    if [ -n "$qemu" ]; then
        mount -t proc proc /proc
        mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
        # i386 ELF executables, matched as Debian matches them for
        # qemu-i386; F: the emulator is opened now, from outside the tree.
        printf ":trimvale-i386:M::\\x7fELF\\x01\\x01\\x01\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x02\\x00\\x03\\x00:\\xff\\xff\\xff\\xff\\xff\\xfe\\xfe\\x00\\xff\\xff\\xff\\xff\\xff\\xff\\xff\\xff\\xfe\\xff\\xff\\xff:%s:F" \
            "$qemu" >/proc/sys/fs/binfmt_misc/register
    fi
    mount -t proc proc "$tree/proc"
    mkdir -p "$tree/tmp/.X11-unix" "$tree$repo"
    mount --bind /tmp/.X11-unix "$tree/tmp/.X11-unix"
    mount --bind "$repo" "$tree$repo"
    chroot "$tree" sh -c "cd \"\$0\" 2>/dev/null || cd /; exec \"\$@\"" "$here" "$@"
    exit $?
'
if $emulated; then
    # unshare maps only root without newuidmap; the namespace's users are
    # mapped from here instead, while its first process waits, which then
    # starts again as root of the namespace, with its capabilities.
    mapped=$(mktemp -u)
    mkfifo "$mapped"
    trap 'rm -f "$mapped"' EXIT
    unshare --user --mount --pid --fork --kill-child sh -c \
        'read _ <"$0" && exec sh -c "$1" "$@"' "$mapped" "$inside" "$tree" "$repo" "$(pwd)" "$qemu" "$@" &
    namespace=$!
    until [[ $(readlink "/proc/$namespace/ns/user") != "$(readlink /proc/self/ns/user)" ]]; do
        kill -0 "$namespace" || exit 1
        sleep 0.01
    done
    echo "0 0 65536" >"/proc/$namespace/uid_map"
    echo "0 0 65536" >"/proc/$namespace/gid_map"
    echo >"$mapped"
else
    unshare --mount --pid --fork --kill-child sh -c "$inside" sh "$tree" "$repo" "$(pwd)" "" "$@" &
    namespace=$!
fi
# unshare keeps SIGTERM and SIGINT for the namespace's first process, which
# ignores them: they end the namespace here, through unshare's SIGKILL.
trap 'kill -KILL "$namespace" 2>/dev/null' TERM INT HUP
status=0
{ wait "$namespace" || status=$?; } 2>/dev/null
# A signal ends the wait early: then collect the namespace's end.
kill -0 "$namespace" 2>/dev/null && { { wait "$namespace" || status=$?; } 2>/dev/null; }
exit "$status"
