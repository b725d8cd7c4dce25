#!/usr/bin/env bash
# Trimvale started where launchers and screens are unkind: with no display, or
# one it cannot reach, with its standard error closed, on a screen smaller than
# its window, and on an 8-bit display.
set -euo pipefail
program=$1
source "$(dirname "$0")/../../scripts/desktop.sh"
pid=""
cleanup() {
    [[ -n "$pid" ]] && kill "$pid" 2>/dev/null || true
    stop_desktop
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

questionnaire() { xdotool search --onlyvisible --name '^Orvane$' | head -n 1; }

# Started where no window can open, it says so in one line and ends with 1:
# ends_without_window WHAT ENV-ARGUMENT...
ends_without_window() {
    local what=$1 status=0 said
    shift
    said=$(env "$@" timeout 60 "$program" 2>&1 >/dev/null) || status=$?
    (( status == 1 )) || fail "$what: exit code $status, expected 1; said: $said"
    [[ $said != *$'\n'* && $said == "trimvale: there is no display to open the window on"* ]] ||
        fail "$what: said: $said"
    printf '%s\n' "$said"
}

echo "- with no display, one line and exit code 1"
said=$(ends_without_window "no display" -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
[[ $said == *"neither DISPLAY nor WAYLAND_DISPLAY is set"* ]] || fail "no display: said: $said"

echo "- with displays that cannot be reached, the same"
socket_dir=$(mktemp -d)
said=$(ends_without_window "unreachable" -u QT_QPA_PLATFORM DISPLAY=:999 \
    XDG_RUNTIME_DIR="$socket_dir" WAYLAND_DISPLAY=trimvale-nowhere)
rmdir "$socket_dir"
[[ $said == *"WAYLAND_DISPLAY=trimvale-nowhere cannot be reached; DISPLAY=:999 cannot be reached"* ]] ||
    fail "unreachable: said: $said"

echo "- with standard error closed, the window still opens and what it says goes nowhere"
start_desktop 1280x800x24
# Without a runtime folder Qt warns at once: the warning must not reach the X
# connection. Qt's input logging writes again once the window is open, when the
# pointer moves over it: that must not land in a file the program opened since.
env -u XDG_RUNTIME_DIR QT_LOGGING_RULES='qt.qpa.input.events=true' "$program" >/dev/null 2>&- &
pid=$!
wait_for 60 questionnaire || fail "no window with standard error closed"
xdotool mousemove --window "$(questionnaire)" 40 40 mousemove --window "$(questionnaire)" 60 60
stderr_of_program=$(readlink "/proc/$pid/fd/2" || echo "closed")
[[ $stderr_of_program == /dev/null ]] || fail "standard error is $stderr_of_program, not /dev/null"
questionnaire >/dev/null || fail "the window went after the program wrote to standard error"
kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""
stop_desktop

echo "- on a 640 x 480 screen the title bar and close box stay on the screen"
start_desktop 640x480x24
"$program" 2>/dev/null &
pid=$!
wait_for 60 questionnaire || fail "no window on the small screen"
window=$(questionnaire)
# The window manager frames the window a moment after it shows.
frame_extents() { xprop -id "$window" _NET_FRAME_EXTENTS | grep -q ' = '; }
wait_for 60 frame_extents || fail "the window manager did not frame the window"
read -r left right top _ <<<"$(xprop -id "$window" _NET_FRAME_EXTENTS | cut -d= -f2 | tr -d ,)"
eval "$(xdotool getwindowgeometry --shell "$window")"
(( X - left >= 0 && Y - top >= 0 )) || fail "the frame starts at $((X - left)),$((Y - top))"
kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""
stop_desktop

echo "- on an 8-bit display the program says so and ends"
start_desktop 640x480x8
status=0
message=$(timeout 60 "$program" 2>&1 >/dev/null) || status=$?
(( status == 1 )) || fail "exit code $status, expected 1"
[[ $message == *"needs at least 16"* ]] || fail "said: $message"
stop_desktop

echo "hostile surroundings: all checks passed"
