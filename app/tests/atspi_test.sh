#!/usr/bin/env bash
# What an assistive-technology client sees of Trimvale: the program runs on a
# throw-away desktop with its own D-Bus session and AT-SPI registry, and
# atspi_test.py reads and drives it through AT-SPI alone.
# Usage: atspi_test.sh PROGRAM PROGRAM_TEXT
set -euo pipefail
if [[ -z "${TRIMVALE_OWN_BUS-}" ]]; then
    TRIMVALE_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
program=$1
here=$(dirname "$0")
source "$here/../../scripts/desktop.sh"
pids=()
cleanup() {
    kill "${pids[@]}" 2>/dev/null || true
    stop_desktop
}
trap cleanup EXIT

start_desktop 1280x800x24
/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
# Accessibility is switched on at start only when a screen reader already runs.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" &
pids+=($!)
# Debian's Python, which has pyatspi, whatever python3 comes first on the PATH.
TRIMVALE_PROGRAM_TEXT=$2 /usr/bin/python3 "$here/atspi_test.py" -v
