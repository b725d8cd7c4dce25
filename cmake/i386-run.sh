#!/usr/bin/env bash
# Runs a command inside the Debian i386 tree of scripts/wine32-session.sh, as
# root there, with this checkout at the same path so that every path stays as
# given, and the machine's X display. A private mount and PID namespace holds
# it all and ends with the command, leaving nothing mounted.
#
#     TRIMVALE_I386_TREE=… bash cmake/i386-run.sh COMMAND [ARGUMENT...]
set -euo pipefail
tree=${TRIMVALE_I386_TREE:?run the 32-bit Windows tests through scripts/wine32-session.sh}
repo=$(cd "$(dirname "$0")/.." && pwd)
# unshare keeps SIGTERM and SIGINT for the namespace's first process, which
# ignores them: they end the namespace here, through unshare's SIGKILL.
# shellcheck disable=SC2016 # expanded by the shell inside the namespace
unshare --mount --pid --fork --kill-child sh -c '
    tree=$1 repo=$2 here=$3
    shift 3
    mount -t proc proc "$tree/proc"
    mkdir -p "$tree/tmp/.X11-unix" "$tree$repo"
    mount --bind /tmp/.X11-unix "$tree/tmp/.X11-unix"
    mount --bind "$repo" "$tree$repo"
    chroot "$tree" sh -c "cd \"\$0\" 2>/dev/null || cd /; exec \"\$@\"" "$here" "$@"
    exit $?
' sh "$tree" "$repo" "$(pwd)" "$@" &
namespace=$!
trap 'kill -KILL "$namespace" 2>/dev/null' TERM INT HUP
status=0
{ wait "$namespace" || status=$?; } 2>/dev/null
# A signal ends the wait early: then collect the namespace's end.
kill -0 "$namespace" 2>/dev/null && { { wait "$namespace" || status=$?; } 2>/dev/null; }
exit "$status"
