#!/usr/bin/env bash
# Runs a Windows program under the 32-bit Wine that scripts/wine32-session.sh
# prepared: inside its i386 tree, with this checkout at the same path there so
# that every path stays as given, on the session's X display. A private mount
# and PID namespace holds it all and ends with the program, wineserver
# included, leaving nothing mounted.
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
    chroot "$tree" env HOME=/root WINEPREFIX=/root/prefix32 WINEARCH=win32 WINEDEBUG=-all \
        WINEDLLOVERRIDES="mscoree,mshtml=" sh -c "
            cd \"\$0\" || exit 1
            wineserver -p0   # ends as soon as its last program has, not three seconds later
            wine \"\$@\"
            status=\$?
            wineserver -w    # the prefix written out before the namespace ends
            exit \$status" "$here" "$@"
    exit $?
' sh "$tree" "$repo" "$(pwd)" "$@" &
namespace=$!
trap 'kill -KILL "$namespace" 2>/dev/null' TERM INT HUP
status=0
{ wait "$namespace" || status=$?; } 2>/dev/null
# A signal ends the wait early: then collect the namespace's end.
kill -0 "$namespace" 2>/dev/null && { { wait "$namespace" || status=$?; } 2>/dev/null; }
exit "$status"
