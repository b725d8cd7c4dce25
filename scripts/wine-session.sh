#!/usr/bin/env bash
# Runs a command inside a session for the Windows program under Wine: an X
# display of its own (Xvfb with openbox), a Wine prefix in build/ with Wine's
# fonts in it, and one wineserver kept up for the whole command.
#
#     bash scripts/wine-session.sh COMMAND [ARGUMENT...]
#
# The command finds DISPLAY and WINEPREFIX set. Everything started here is
# stopped when the command ends.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64

source "$root/scripts/desktop.sh"
cleanup() {
    "$wineserver" -k 2>/dev/null || true
    stop_desktop
}
trap cleanup EXIT
start_desktop 1280x800x24

if [[ ! -f $WINEPREFIX/system.reg ]]; then
    mkdir -p "$WINEPREFIX"
    "$wine" wineboot --init >/dev/null 2>&1
    "$wineserver" -w
fi
# Wine 8 uses its own fonts only from the prefix's font folder.
fonts=$WINEPREFIX/drive_c/windows/Fonts
mkdir -p "$fonts"
cp -u /usr/share/wine/fonts/* "$fonts/"

# A persistent wineserver, warmed up once: otherwise Wine's background
# processes start with the first test and hold on to the test runner's pipes.
"$wineserver" -p
"$wine" cmd /c exit </dev/null >/dev/null 2>&1 || true

"$@"
