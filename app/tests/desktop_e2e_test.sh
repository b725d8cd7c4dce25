#!/usr/bin/env bash
# Trimvale on a real X server with a window manager, driven as a person would
# drive it: the mouse and the keyboard on the questionnaire, the result window
# read back through the clipboard, windows closed through the window manager,
# the icon and the greyed captions as the X server has them, and the program
# ending when its last window closes.
#
# Trimvale.exe runs under Wine, on the display of the Wine session that runs
# the Windows tests (scripts/wine-session.sh, or scripts/wine32-session.sh for
# 32-bit Wine, which names its runner in TRIMVALE_WINE_RUN); the Linux program
# on a desktop of its own.
set -euo pipefail
program=$1
source "$(dirname "$0")/../../scripts/desktop.sh"
run=("$program")
own_desktop=true
if [[ $program == *.exe ]]; then
    run=(bash "${TRIMVALE_WINE_RUN:-$(dirname "$0")/../../cmake/wine-run.sh}" "$program")
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
    questionnaire=$(timeout 60 xdotool search --sync --onlyvisible --name '^Orvane$' | head -n 1) ||
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

# The 32 x 32 picture among a window's _NET_WM_ICON pictures, a pixel a line,
# as ARGB in decimal (mawk's printf cannot print 32-bit hexadecimal).
window_icon_32() {
    xprop -id "$1" -notype 32c _NET_WM_ICON | tr -d ',' | awk '{
        for (i = 1; i <= NF; i++) if ($i ~ /^[0-9]+$/) v[n++] = $i
    } END {
        for (i = 0; i + 1 < n; i += 2 + v[i] * v[i + 1]) {
            if (v[i] == 32 && v[i + 1] == 32) {
                for (j = 0; j < 1024; j++) print v[i + 2 + j]
                exit
            }
        }
    }'
}

# The same from the icon file.
file_icon_32() {
    convert "$(dirname "$0")/../icons/trimvale-32.png" -depth 8 rgba:- | od -An -v -tu1 -w4 |
        awk '{ printf "%.0f\n", ($4 * 256 + $1) * 65536 + $2 * 256 + $3 }'
}

# Pixels of a part of a window as the X server has it, a colour a line:
# "r g b", 0 to 255.
window_pixels() { # window x y width height
    import -window "$1" -crop "$4x$5+$2+$3" +repage -depth 8 rgb:- | od -An -v -tu1 -w3
}

# The greyed "60-70KG(132-154p)": grey text (#808080, its edges blended into
# the box) on one line, nothing black.
greyed_caption() {
    window_pixels "$questionnaire" 114 120 95 33 | awk '
        { n++; lo = $1; hi = $1
          for (i = 2; i <= 3; i++) { if ($i < lo) lo = $i; if ($i > hi) hi = $i } }
        lo >= 112 && hi <= 144 && hi - lo <= 4 { grey++ }
        hi < 64 { black++ }
        !($1 == 212 && $2 == 208 && $3 == 200) { ink[int((n - 1) / 95)] = 1 }
        END { print grey + 0, black + 0, length(ink) }'
}
greyed_caption_shows() {
    read -r grey black rows <<<"$(greyed_caption)"
    (( grey >= 10 && black == 0 && rows <= 13 ))
}

program_ended() {
    ! kill -0 "$trimvale_pid" 2>/dev/null
}

$own_desktop && start_desktop 1280x800x24

echo "- one centred window at start"
start_program
# By class, not process: under 32-bit Wine the program runs in a PID namespace of its own.
shown=$(xdotool search --onlyvisible --classname '^trimvale(\.exe)?$' | wc -l)
[[ $shown -eq 1 ]] || fail "$shown windows at start"
eval "$(xdotool getdisplaygeometry --shell)"
screen_width=$WIDTH screen_height=$HEIGHT
read -r _ _ left top <<<"$(xwininfo -id "$questionnaire" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print "x y", x, y}')"
(( left + 345 - screen_width / 2 <= 2 && screen_width / 2 - left - 345 <= 2 )) || fail "not centred across: left edge at $left"
(( top + 208 - screen_height / 2 <= 30 && screen_height / 2 - top - 208 <= 30 )) || fail "not centred down: top edge at $top"

echo "- the window manager has the program's icon"
[[ "$(window_icon_32 "$questionnaire")" == "$(file_icon_32)" ]] || fail "the questionnaire's icon differs"
if $own_desktop; then
    # The desktop entry finds the window by its class.
    wm_class=$(grep '^StartupWMClass=' "$(dirname "$0")/../org.trimvale.trimvale.desktop" | cut -d= -f2)
    [[ "$(xprop -id "$questionnaire" WM_CLASS)" == *"\"$wm_class\""* ]] ||
        fail "the window's class is not the desktop entry's $wm_class"
fi

# From here on the program reacts to clicks and keys: moments, so each wait gives up after 15 s.
echo "- answers by mouse and keyboard give the female 130 program"
wait_for 15 is_active "$questionnaire"
click "$questionnaire" 6840 1800 1815 495 # 90-100KG, by mouse; the box takes the focus

# Windows draws greyed captions itself, embossed, in the system's colours.
if $own_desktop; then
    wait_for 15 greyed_caption_shows ||
        fail "greyed caption: $grey grey and $black black pixels on $rows pixel rows (not one line in the caption face)"
fi
# Then the keyboard alone; Tab passes over the greyed boxes.
xdotool key --delay 40 Tab Tab space    # Check6, Check7: 30-40Years
xdotool key --delay 40 Tab Tab space    # Check11, Check12: Female
xdotool key --delay 40 Tab Tab space    # Check13, Check14: 1.65-1.75M
xdotool key --delay 40 Tab space        # get individual program
form5=$(timeout 15 xdotool search --sync --onlyvisible --name '^Youre personal program$' | head -n 1) ||
    fail "no program window opened"
wait_for 15 is_active "$form5" || fail "the program window is not in front"
[[ "$(window_icon_32 "$form5")" == "$(file_icon_32)" ]] || fail "the program window's icon differs"
[[ $(windows_named '^Youre personal') -eq 1 ]] || fail "more than one result window"

echo "- the window shows the whole 1500-2000 g program"
# (Ctrl+A selects nothing in Wine's multi-line edit box.)
xdotool key --window "$form5" --delay 40 ctrl+Home ctrl+shift+End ctrl+c
wait_for 15 xclip -o -selection clipboard || fail "nothing on the clipboard"
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
wait_for 15 is_active "$questionnaire"
click "$questionnaire" 2520 4800 3015 495 # get individual program
wait_for 15 in_front "$form5" || fail "the program window did not come to the front"
[[ $(windows_named '^Youre personal') -eq 1 ]] || fail "a second program window opened"

echo "- the program runs until its last window is closed"
wmctrl -i -c "$questionnaire"
wait_for 15 bash -c "! xdotool search --onlyvisible --name '^Orvane$'" || fail "the questionnaire did not close"
program_ended && fail "the program ended with a result window still open"
wmctrl -i -c "$form5"
wait_for 15 program_ended || fail "the program did not end with its last window"
wait "$trimvale_pid" || fail "the program exited with an error"
trimvale_pid=""

echo "- with no result window open, closing the questionnaire ends the program"
start_program
wmctrl -i -c "$questionnaire"
wait_for 15 program_ended || fail "the program did not end"
wait "$trimvale_pid" || fail "the program exited with an error"
trimvale_pid=""

echo "desktop end-to-end: all checks passed"
