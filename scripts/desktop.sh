# A throw-away desktop for tests and screenshots: Xvfb with the openbox window
# manager on a free display. Source this file, then:
#     start_desktop [WIDTHxHEIGHTxDEPTH]   exports DISPLAY
#     wait_for SECONDS COMMAND...          runs COMMAND until it succeeds
#     stop_desktop                          ends the window manager and the X server, and
#                                           puts DISPLAY and XDG_RUNTIME_DIR back
# Waits are bounded: a condition that does not come true in time fails.

_desktop_dir=""
_desktop_pids=()
_desktop_saved_display=""
_desktop_saved_runtime=""


wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        if ((SECONDS >= deadline)); then
            echo "timed out after ${seconds}s waiting for: $*" >&2
            return 1
        fi
        sleep 0.05
    done
}

start_desktop() {
    local screen=${1:-1280x800x24}
    _desktop_dir=$(mktemp -d)
    # -noreset: by default the server resets when its last client leaves, and
    # drops a client that connects meanwhile, such as the window manager
    # starting while the first check for it has just disconnected.
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$_desktop_dir/display" \
        2>"$_desktop_dir/xvfb.log" &
    _desktop_pids+=($!)
    wait_for 60 test -s "$_desktop_dir/display" || { cat "$_desktop_dir/xvfb.log" >&2; return 1; }
    _desktop_saved_display=${DISPLAY-}
    _desktop_saved_runtime=${XDG_RUNTIME_DIR-}
    export DISPLAY=":$(head -n 1 "$_desktop_dir/display")"
    export XDG_RUNTIME_DIR="$_desktop_dir/runtime"
    mkdir -m 700 -p "$XDG_RUNTIME_DIR"
    # openbox names itself the window manager before it has finished starting,
    # and may then leave a window mapped meanwhile unmanaged and unmapped: its
    # startup command runs once it has started.
    openbox --sm-disable --startup "touch '$_desktop_dir/openbox-started'" \
        >"$_desktop_dir/openbox.log" 2>&1 &
    _desktop_pids+=($!)
    wait_for 60 test -e "$_desktop_dir/openbox-started"
    wait_for 60 wmctrl -m
}

stop_desktop() {
    local pid
    for pid in "${_desktop_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${_desktop_pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    _desktop_pids=()
    [[ -n "$_desktop_dir" ]] && rm -rf "$_desktop_dir"
    _desktop_dir=""
    if [[ -n "$_desktop_saved_display" ]]; then export DISPLAY=$_desktop_saved_display; else unset DISPLAY; fi
    if [[ -n "$_desktop_saved_runtime" ]]; then export XDG_RUNTIME_DIR=$_desktop_saved_runtime; else unset XDG_RUNTIME_DIR; fi
}
