#!/usr/bin/env bash
# Prints what the Orca screen reader speaks while Trimvale is used with the
# keyboard alone, step by step, on a throw-away desktop with its own D-Bus
# session. Installs Orca if it is missing.
# Usage: bash scripts/screen-reader-transcript.sh [PROGRAM]   (default: the test build)
set -uo pipefail
here=$(dirname "$(realpath "$0")")
program=$(realpath "${1:-$here/../build/test/app/trimvale}")
if [[ -z "${TRIMVALE_OWN_BUS-}" ]]; then
    if ! command -v orca >/dev/null; then
        sudo=()
        ((EUID == 0)) || sudo=(sudo)
        "${sudo[@]}" apt-get install -y -qq --no-install-recommends orca >/dev/null
    fi
    TRIMVALE_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$program"
fi
source "$here/desktop.sh"

work=$(mktemp -d)
start_desktop
# A home of its own keeps Orca's settings at their defaults. NO_AT_BRIDGE keeps
# Orca's own GTK from joining the accessibility bus, where it would stall Orca at start.
export HOME=$work/home NO_AT_BRIDGE=1
# Orca logs what it speaks; the speech server it needs for that talks into a
# silent sound device, through its dummy voice (no synthesizer is installed).
mkdir -p "$HOME/.config/speech-dispatcher"
printf 'pcm.!default { type null }\n' >"$HOME/.asoundrc"
printf 'AudioOutputMethod "alsa"\nAddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n' \
    >"$HOME/.config/speech-dispatcher/speechd.conf"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
bus=$!
# Orca writes its log in blocks; a file it opens for writing is line-buffered
# here, so that each line it speaks can be read as soon as it is spoken.
/usr/bin/python3 -c '
import builtins, runpy, sys
plain_open = builtins.open
def line_buffered_open(file, mode="r", buffering=-1, *args, **kwargs):
    if "w" in mode and "b" not in mode and buffering == -1:
        buffering = 1
    return plain_open(file, mode, buffering, *args, **kwargs)
builtins.open = line_buffered_open
sys.argv = ["orca"] + sys.argv[1:]
runpy.run_path("/usr/bin/orca", run_name="__main__")
' --debug-file "$work/orca.debug" -u "$HOME/orca" >"$work/orca.log" 2>&1 &
orca=$!
trap 'kill "$orca" "$bus" 2>/dev/null; pkill -f "speech-dispatcher.*$XDG_RUNTIME_DIR"; stop_desktop; rm -rf "$work"' EXIT
# Orca does not start while another Orca runs.
wait_for 60 grep -q "SPEECH OUTPUT: 'Screen reader on.'" "$work/orca.debug" || exit 1

speech() { grep -c "SPEECH OUTPUT" "$work/orca.debug" || true; }
# Orca has spoken a line matching PATTERN since line COUNT of its speech.
spoken_since() { # COUNT PATTERN
    grep "SPEECH OUTPUT" "$work/orca.debug" | tail -n "+$(($1 + 1))" | grep -q -E "$2"
}
# step TITLE PATTERN [KEY...]: presses the keys, then waits until Orca has
# spoken what ends the step (a line matching PATTERN), so that the next step
# starts after it; a step that never gets there is marked in the transcript.
step() {
    local title=$1 pattern=$2 before
    shift 2
    before=$(speech)
    echo "$(date +%H:%M:%S.%6N) == $title" >>"$work/steps"
    if [[ $# -gt 0 ]]; then xdotool key --delay 400 "$@"; fi
    wait_for 30 spoken_since "$before" "$pattern" ||
        echo "$(date +%H:%M:%S.%6N) (nothing matching '$pattern' spoken within 30 s)" >>"$work/steps"
}
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$work/program.log" 2>&1 &
app=$!
step "The questionnaire opens (first focus)" "Only one answer"
step "Space: tick 60-70KG" "'checked" space
step "Tab: the next box that takes the focus" "Only one answer" Tab
step "Shift+Tab: back to the answer" "The answer for Weight" shift+Tab
step "Tab through the other rows to Clear Forms" "Clear Forms" \
    Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
step "Space on Clear Forms" "All answers cleared" space
step "Answer 70-80KG, 50-60Years, Male, 1.45-1.65M; get individual program" \
    "get individual program" Tab Tab space Tab Tab Tab Tab space Tab space Tab space Tab
step "Space on get individual program: the notice" "weight is very good" space
step "Alt+F4 closes the notice" "get individual program" alt+F4
step "Clear Forms" "All answers cleared" Tab space
step "Answer 100KG, 20-30Years, Female, 1.45-1.65M" "get individual program" \
    Tab Tab Tab Tab Tab space Tab space Tab Tab space Tab space Tab
step "Space on get individual program: a program window" "Eat period" space
step "Down: the next line" "." Down

kill "$app" "$orca" 2>/dev/null
# Orca can hang on its way out; what it spoke is in its log already.
wait_for 10 sh -c "! kill -0 $orca" || kill -KILL "$orca"

# Orca's speech between the steps, without its echo of the keys pressed.
sed -n "s/^\([0-9:.]*\) - SPEECH OUTPUT: '\(.*\)' *{.*/\1     \2/p" "$work/orca.debug" |
    grep -v -E "^[0-9:.]+     (tab|space|left shift|left alt|escape|Screen reader on\.) ?$" |
    cat - "$work/steps" | sort | sed 's/^[0-9:.]* //'

