#!/usr/bin/env bash
# Regenerates the screenshots in docs/ from the real program under Xvfb with
# the openbox window manager, at scale 1 and at scale 2 (high-DPI).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default
trimvale=$PWD/build/default/app/trimvale
source scripts/desktop.sh

trimvale_pid=""
cleanup() {
    [[ -n "$trimvale_pid" ]] && kill "$trimvale_pid" 2>/dev/null || true
    stop_desktop
}
trap cleanup EXIT

shoot() { # window file
    wait_for 10 bash -c "[[ \$(xdotool getactivewindow) == $1 ]]"
    import -frame -window "$1" "$2"
    echo "wrote $2"
}

for scale in 1 2; do
    suffix=$([[ $scale == 1 ]] && echo "" || echo "@${scale}x")
    start_desktop "$((1280 * scale))x$((800 * scale))x24"
    QT_SCALE_FACTOR=$scale "$trimvale" 2>/dev/null &
    trimvale_pid=$!
    form1=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orvane$' | head -n 1)

    # Clicks the middle of a control given in twips, at this scale.
    click() { # left top width height
        xdotool mousemove --window "$form1" $((($1 + $3 / 2) * scale / 15)) $((($2 + $4 / 2) * scale / 15)) click 1
    }

    shoot "$form1" "docs/questionnaire$suffix.png"
    click 6840 1800 1815 495 # 90-100KG(197-221p)
    click 3360 2520 1815 495 # 1.65-1.75M(65-69in)
    click 2760 3360 1215 495 # 30-40Years
    click 2760 4080 1215 495 # Female
    shoot "$form1" "docs/questionnaire-answered$suffix.png"

    click 2520 4800 3015 495 # get individual program
    program=$(timeout 10 xdotool search --sync --onlyvisible --name '^Youre personal program$' | head -n 1)
    shoot "$program" "docs/program$suffix.png"
    wmctrl -i -c "$program"

    xdotool windowactivate --sync "$form1"
    click 8760 4680 1215 855 # Clear Forms
    click 2520 4800 3015 495 # get individual program: the fresh board's notice
    notice=$(timeout 10 xdotool search --sync --onlyvisible --name '^Youre personal program$' | head -n 1)
    shoot "$notice" "docs/notice$suffix.png"

    kill "$trimvale_pid"
    wait "$trimvale_pid" 2>/dev/null || true
    trimvale_pid=""
    stop_desktop
done
