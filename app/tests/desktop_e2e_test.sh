#!/usr/bin/env bash
# Trimvale on a real X server with a window manager, driven as a person would
# drive it: the mouse and the keyboard on the questionnaire, the result window
# read back through the clipboard, windows closed through the window manager,
# and the program ending when its last window closes.
#
# Trimvale.exe runs under Wine, on the display of the Wine session that runs
# the Windows tests (scripts/wine-session.sh); the Linux program on a desktop
# of its own.
set -euo pipefail
program=$1
source "$(dirname "$0")/../../scripts/desktop.sh"
run=("$program")
own_desktop=true
if [[ $program == *.exe ]]; then
    run=(bash "$(dirname "$0")/../../cmake/wine-run.sh" "$program")
    own_desktop=false
fi

trimvale_pid=""
log=$(mktemp)
cleanup() {
    [[ -n "$trimvale_pid" ]] && kill "$trimvale_pid" 2>/dev/null || true
    $own_desktop && stop_desktop
    rm -f "$log"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [[ -s "$log" ]]; then
        echo "--- what the program printed:" >&2
        cat "$log" >&2
    fi
    exit 1
}

start_program() {
    "${run[@]}" 2>"$log" &
    trimvale_pid=$!
    questionnaire=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orvane$' | head -n 1) ||
        fail "the questionnaire did not open"
}

# Clicks the middle of a control given in twips of the window's client area.
click() { # window left top width height
    xdotool mousemove --window "$1" $((($2 + $4 / 2) / 15)) $((($3 + $5 / 2) / 15)) click 1
}

windows_named() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l
}

is_active() {
    [[ "$(xdotool getactivewindow)" == "$1" ]]
}

# In front: active, or under Wine 8 on top of the others. That Wine raises an
# open window that a program brings to the front but cannot ask the window
# manager to activate it.
in_front() {
    is_active "$1" && return
    $own_desktop && return 1
    local stacking
    stacking=$(xprop -root _NET_CLIENT_LIST_STACKING)
    (( ${stacking##*, } == $1 ))
}

program_ended() {
    ! kill -0 "$trimvale_pid" 2>/dev/null
}

$own_desktop && start_desktop 1280x800x24

echo "- one centred window at start"
start_program
shown=$(xdotool search --onlyvisible --pid "$trimvale_pid" | wc -l)
[[ $shown -eq 1 ]] || fail "$shown windows at start"
eval "$(xdotool getdisplaygeometry --shell)"
screen_width=$WIDTH screen_height=$HEIGHT
read -r _ _ left top <<<"$(xwininfo -id "$questionnaire" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print "x y", x, y}')"
(( left + 345 - screen_width / 2 <= 2 && screen_width / 2 - left - 345 <= 2 )) || fail "not centred across: left edge at $left"
(( top + 208 - screen_height / 2 <= 30 && screen_height / 2 - top - 208 <= 30 )) || fail "not centred down: top edge at $top"

echo "- answers by mouse and keyboard give the female 130 program"
wait_for 10 is_active "$questionnaire"
click "$questionnaire" 6840 1800 1815 495 # 90-100KG, by mouse; the box takes the focus
# Then the keyboard alone; Tab passes over the greyed boxes.
xdotool key --delay 40 Tab Tab space    # Check6, Check7: 30-40Years
xdotool key --delay 40 Tab Tab space    # Check11, Check12: Female
xdotool key --delay 40 Tab Tab space    # Check13, Check14: 1.65-1.75M
xdotool key --delay 40 Tab space        # get individual program
form5=$(timeout 10 xdotool search --sync --onlyvisible --name '^Youre personal program$' | head -n 1) ||
    fail "no program window opened"
wait_for 10 is_active "$form5" || fail "the program window is not in front"
[[ $(windows_named '^Youre personal') -eq 1 ]] || fail "more than one result window"

echo "- the window shows the whole 1500-2000 g program"
# (Ctrl+A selects nothing in Wine's multi-line edit box.)
xdotool key --window "$form5" --delay 40 ctrl+Home ctrl+shift+End ctrl+c
wait_for 5 xclip -o -selection clipboard || fail "nothing on the clipboard"
text=$(xclip -o -selection clipboard)
# The text exactly, with its line breaks as the X clipboard gives them (LF).
digest=$(xclip -o -selection clipboard | sha256sum | cut -d' ' -f1)
[[ $digest == 894eb5fb0b172feb464db00c6babe2719f457acaf23341b750a86740c8efe543 ]] ||
    fail "the text differs: $(xclip -o -selection clipboard | od -c | tail -n 3)"
[[ "$(head -n 1 <<<"$text")" == "Eat period -2 times per day." ]] || fail "first line: $(head -n 1 <<<"$text")"
[[ "$(grep -v '^$' <<<"$text" | tail -n 1)" == "Norm of loss of weight 1500 - 2000g in a month." ]] ||
    fail "last line: $(tail -n 1 <<<"$text")"
[[ $(grep -c '' <<<"$text") -eq 26 ]] || fail "$(grep -c '' <<<"$text") lines"

echo "- asking again brings the same window to the front"
xdotool windowactivate --sync "$questionnaire"
wait_for 10 is_active "$questionnaire"
click "$questionnaire" 2520 4800 3015 495 # get individual program
wait_for 10 in_front "$form5" || fail "the program window did not come to the front"
[[ $(windows_named '^Youre personal') -eq 1 ]] || fail "a second program window opened"

echo "- the program runs until its last window is closed"
wmctrl -i -c "$questionnaire"
wait_for 10 bash -c "! xdotool search --onlyvisible --name '^Orvane$'" || fail "the questionnaire did not close"
program_ended && fail "the program ended with a result window still open"
wmctrl -i -c "$form5"
wait_for 10 program_ended || fail "the program did not end with its last window"
wait "$trimvale_pid" || fail "the program exited with an error"
trimvale_pid=""

echo "- with no result window open, closing the questionnaire ends the program"
start_program
wmctrl -i -c "$questionnaire"
wait_for 10 program_ended || fail "the program did not end"
wait "$trimvale_pid" || fail "the program exited with an error"
trimvale_pid=""

echo "desktop end-to-end: all checks passed"
