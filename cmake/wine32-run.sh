#!/usr/bin/env bash
# Runs a Windows program under the 32-bit Wine that scripts/wine32-session.sh
# prepared, in its i386 tree (cmake/i386-run.sh), on the session's X display.
# The program's wineserver ends with it.
set -euo pipefail
exec bash "$(dirname "$0")/i386-run.sh" env HOME=/root WINEPREFIX=/root/prefix32 WINEARCH=win32 \
    WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" sh -c '
        wineserver -p0  # ends as soon as its last program has, not three seconds later
        wine "$@"
        status=$?
        wineserver -w   # the prefix written out before the namespace ends
        exit $status' sh "$@"
