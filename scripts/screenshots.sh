#!/usr/bin/env bash
# Regenerates the screenshots in docs/ from the real programs under Xvfb with
# the openbox window manager: the Linux program at scale 1 and at scale 2
# (high-DPI), Trimvale.exe under Wine (named windows-…), and trimvale.html in
# Chromium at both scales (named web-…).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/desktop.sh

trimvale_pid=""
# A digest of a part of a window as the X server has it: window x y width height.
pixels() { import -window "$1" -crop "$4x$5+$2+$3" +repage -depth 8 rgb:- | md5sum; }
# Painted: more than the window's background colour shows.
painted() { (($(import -window "$1" -depth 8 -format %k info:) > 2)); }
shoot() { # window file
    wait_for 60 bash -c "[[ \$(xdotool getactivewindow) == $1 ]]"
    wait_for 60 painted "$1"
    import -frame -window "$1" "$2"
    echo "wrote $2"
}

# Answers the questionnaire and shoots each window: shoot_all PREFIX SUFFIX SCALE COMMAND...
shoot_all() {
    local prefix=$1 suffix=$2 scale=$3
    shift 3
    "$@" 2>/dev/null &
    trimvale_pid=$!
    form1=$(timeout 60 xdotool search --sync --onlyvisible --name '^Orvane$' | head -n 1)

    # Clicks the middle of a control given in twips, at this scale.
    click() { # left top width height
        xdotool mousemove --window "$form1" $((($1 + $3 / 2) * scale / 15)) $((($2 + $4 / 2) * scale / 15)) click 1
    }

    # Ticks a box and waits until its tick shows: left top width height, in twips.
    tick() {
        local x=$(($1 * scale / 15)) y=$(($2 * scale / 15)) height=$(($4 * scale / 15)) before
        before=$(pixels "$form1" "$x" "$y" $((20 * scale)) "$height")
        click "$@"
        wait_for 60 eval '[[ $(pixels "$form1" "$x" "$y" $((20 * scale)) "$height") != "$before" ]]'
    }

    shoot "$form1" "docs/$prefix$suffix.png"
    tick 6840 1800 1815 495 # 90-100KG(197-221p)
    tick 3360 2520 1815 495 # 1.65-1.75M(65-69in)
    tick 2760 3360 1215 495 # 30-40Years
    tick 2760 4080 1215 495 # Female
    shoot "$form1" "docs/$prefix-answered$suffix.png"

    click 2520 4800 3015 495 # get individual program
    program=$(timeout 60 xdotool search --sync --onlyvisible --name '^Youre personal program$' | head -n 1)
    shoot "$program" "docs/${prefix/questionnaire/program}$suffix.png"
    wmctrl -i -c "$program"
    # The notice has the same caption: the program window must be gone first.
    wait_for 60 eval '! xwininfo -id "$program" >/dev/null 2>&1'

    xdotool windowactivate --sync "$form1"
    click 8760 4680 1215 855 # Clear Forms
    click 2520 4800 3015 495 # get individual program: the fresh board's notice
    notice=$(timeout 60 xdotool search --sync --onlyvisible --name '^Youre personal program$' | head -n 1)
    shoot "$notice" "docs/${prefix/questionnaire/notice}$suffix.png"

    kill "$trimvale_pid"
    wait "$trimvale_pid" 2>/dev/null || true
    trimvale_pid=""
}

if [[ ${1-} == --under-wine ]]; then # inside scripts/wine-session.sh
    shoot_all windows-questionnaire "" 1 bash cmake/wine-run.sh build/windows-test/app/Trimvale.exe
    exit
fi

bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default
cleanup() {
    [[ -n "$trimvale_pid" ]] && kill "$trimvale_pid" 2>/dev/null || true
    stop_desktop
}
trap cleanup EXIT
for scale in 1 2; do
    start_desktop "$((1280 * scale))x$((800 * scale))x24"
    QT_SCALE_FACTOR=$scale
    export QT_SCALE_FACTOR
    shoot_all questionnaire "$([[ $scale == 1 ]] || echo "@${scale}x")" "$scale" \
        build/default/app/trimvale
    stop_desktop
done

unset QT_SCALE_FACTOR
cmake --preset windows-test >/dev/null
cmake --build --preset windows-test
bash scripts/wine-session.sh bash scripts/screenshots.sh --under-wine

npm ci --prefix app/web/tests --no-audit --no-fund --loglevel=error
cmake --preset web >/dev/null
cmake --build --preset web
node app/web/tests/screenshots.mjs build/web/trimvale.html docs
