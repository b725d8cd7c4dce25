#!/usr/bin/env bash
# Runs a 64-bit Windows program under Wine, quietly, in the Wine prefix and on
# the X display that scripts/wine-session.sh prepared.
set -euo pipefail
: "${WINEPREFIX:?run the Windows tests through scripts/wine-session.sh}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
exec /usr/lib/wine/wine64 "$@"
