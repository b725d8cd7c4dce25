#!/usr/bin/env bash
# Trimvale on a Wayland desktop: weston's headless backend, with a runtime
# folder, socket, D-Bus session and AT-SPI registry of this test's own. The
# program must start natively on Wayland, draw its questionnaire exactly as on
# X11, answer and open a program window when driven through AT-SPI (the
# headless backend has no seat: no keyboard, no pointer), and also start under
# weston's XWayland. Then weston again, in a window on an X server, for its
# seat: the close box of Qt's own title bar must end the program with 0.
# Usage: wayland_test.sh PROGRAM PROGRAM_TEXT
set -euo pipefail
if [[ -z "${TRIMVALE_OWN_BUS-}" ]]; then
    TRIMVALE_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
program=$1
export TRIMVALE_PROGRAM_TEXT=$2
here=$(dirname "$(realpath "$0")")
source "$here/../../scripts/desktop.sh"
work=$(mktemp -d)
pids=()
cleanup() {
    if ((${#pids[@]})); then # a bare wait would wait for the X server too
        kill "${pids[@]}" 2>/dev/null || true
        wait "${pids[@]}" 2>/dev/null || true
    fi
    stop_desktop
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    for log in "$work"/*.log; do
        echo "--- $log" >&2
        cat "$log" >&2
    done
    exit 1
}
drive() { /usr/bin/python3 "$here/wayland_drive.py" "$@"; }

echo "- the questionnaire on X11, to compare with"
start_desktop 1280x800x24
QT_QPA_PLATFORM=xcb "$program" 2>"$work/x11.log" &
pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Orvane$' | head -n 1) ||
    fail "no questionnaire on X11"
is_active() { [[ "$(xdotool getactivewindow)" == "$window" ]]; }
wait_for 60 is_active || fail "the questionnaire did not become active on X11"
import -window "$window" "$work/x11.png"
kill "$pid"
wait "$pid" 2>/dev/null || true
stop_desktop
unset DISPLAY

echo "- weston, headless"
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export WAYLAND_DISPLAY=trimvale-test
# --debug lets weston-screenshooter take the screen.
weston --backend=headless-backend.so --use-pixman --width=1280 --height=800 --xwayland \
    --debug --socket="$WAYLAND_DISPLAY" --log="$work/weston.log" &
pids+=($!)
wait_for 60 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "weston did not start"
/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)

echo "- starts natively on Wayland"
QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" 2>"$work/wayland.log" &
wayland_pid=$!
pids+=($wayland_pid)
drive start || fail "no questionnaire on Wayland"
[[ ! -s "$work/wayland.log" ]] || fail "the program printed warnings on Wayland"

echo "- its client area is the X11 rendering, pixel for pixel"
# The screen settles once the questionnaire is shown and active; shoot until it matches.
matches() {
    rm -f "$work"/wayland-screenshot-*.png
    (cd "$work" && weston-screenshooter) >/dev/null 2>&1
    /usr/bin/python3 "$here/find_image.py" "$work"/wayland-screenshot-*.png "$work/x11.png"
}
wait_for 60 matches || { matches; fail "the questionnaire looks different on Wayland"; }

echo "- answered through AT-SPI, it opens the program window"
drive answer || fail "the program window did not open on Wayland"
kill -0 "$wayland_pid" || fail "the program ended"

echo "- starts under weston's XWayland"
display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log" | head -n 1)
[[ -n "$display" ]] || fail "weston offers no X server"
DISPLAY=$display QT_QPA_PLATFORM=xcb "$program" 2>"$work/xwayland.log" &
pids+=($!)
DISPLAY=$display timeout 60 xdotool search --sync --onlyvisible --name '^Orvane$' >/dev/null ||
    fail "no questionnaire under XWayland"
# XWayland holds the display's sockets, weston's own, and may outlive weston
# for a while: the next X server, given the same display, would then share it
# with a dying XWayland, and its clients reach the wrong one.
xwayland=$(pgrep -P "${pids[0]}" -x Xwayland || true)
kill "${pids[@]}" $xwayland
wait "${pids[@]}" 2>/dev/null || true
pids=()
[[ -z $xwayland ]] || wait_for 60 eval '! kill -0 $xwayland' || fail "XWayland did not end"

echo "- weston with a seat: the close box ends the program with 0"
start_desktop 1280x800x24
weston --backend=x11-backend.so --use-pixman --width=1024 --height=700 --debug \
    --socket="$WAYLAND_DISPLAY" --log="$work/weston-x11.log" &
pids+=($!)
wait_for 60 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "weston did not start"
weston_window() { wmctrl -l | awk '/Weston Compositor/ { print $1; exit }'; }
weston_shown() { [[ -n "$(weston_window)" ]]; }
wait_for 60 weston_shown || fail "weston's window did not show"
output=$(weston_window)
# Under AddressSanitizer, libwayland-client and Qt's Wayland plugin (unloaded
# by then, so its frames cannot be named or suppressed) leave allocations at
# exit; the program's own leaks are checked where it ends the same way on X11.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
    QT_QPA_PLATFORM=wayland "$program" 2>>"$work/wayland.log" &
pid=$!
pids+=($pid)
# weston's x11 backend moves its pointer by the X pointer's relative motion,
# so the two part wherever the X pointer entered weston's window. Pushing the
# pointer into two opposite corners of the output, where weston holds it at the
# edge, lines them up again; it is left in the bottom right corner, off the
# questionnaire.
line_up_pointer() {
    xdotool mousemove --window "$output" 0 0 mousemove --window "$output" 1023 699
}
shoot() { # FILE: weston's screen, pointer included
    rm -f "$work"/wayland-screenshot-*.png
    (cd "$work" && weston-screenshooter) >/dev/null 2>&1
    mv "$work"/wayland-screenshot-*.png "$1"
}
# Where the client area is: the top of the X11 rendering, found on weston's screen.
width=$(identify -format %w "$work/x11.png")
convert "$work/x11.png" -crop "${width}x60+0+0" +repage "$work/top.png"
client_place() {
    line_up_pointer
    shoot "$work/screen.png"
    /usr/bin/python3 "$here/find_image.py" "$work/screen.png" "$work/top.png"
}
wait_for 60 client_place || fail "the questionnaire did not show under weston"
# Qt's title bar is 30 pixels high; its close box is 18 pixels wide, 8 from the
# right, with a dark cross in its middle.
shade() { # FILE X Y WIDTH HEIGHT: 1 where the area has a dark pixel, else 0
    convert "$1" -crop "$4x$5+$2+$3" +repage -colorspace gray -format '%[fx:minima < 0.5 ? 1 : 0]' info:
}
# The window settles where weston puts it: the close box is found twice in a
# row at the same place, its cross drawn and the pointer away from it. The
# pointer's arrow would cover the plain title bar just below and right of its tip.
close_box_place=""
close_box_settled() {
    local place
    place=$(client_place) || return 1
    read -r left top <<<"$place"
    close_x=$((left + width - 14)) close_y=$((top - 15))
    [[ $(shade "$work/screen.png" $((close_x - 2)) $((close_y - 2)) 5 5) == 1 &&
        $(shade "$work/screen.png" $((close_x + 1)) $((close_y + 6)) 6 8) == 0 ]] || return 1
    [[ $place == "$close_box_place" ]] || { close_box_place=$place; return 1; }
}
# Qt's title bar acts on a press where the pointer was last reported to it, so
# the click waits until weston shows its pointer on the close box: by then
# weston has passed the motion on.
pointer_on_close_box() {
    shoot "$work/pointer.png"
    [[ $(shade "$work/pointer.png" $((close_x + 1)) $((close_y + 6)) 6 8) == 1 ]]
}
# Should a click go astray all the same, it is tried again, a bounded number
# of times, until the program has ended.
closed=false
for attempt in 1 2 3 4 5; do
    close_box_place=""
    wait_for 30 close_box_settled || continue
    xdotool mousemove --window "$output" "$close_x" "$close_y"
    wait_for 30 pointer_on_close_box || continue
    xdotool click 1
    if wait_for 10 sh -c "! kill -0 $pid"; then closed=true; break; fi
done 2>/dev/null
$closed || fail "the program runs on with its last window closed"
wait "$pid" || fail "the program ended with exit code $?"
echo "PASS"
