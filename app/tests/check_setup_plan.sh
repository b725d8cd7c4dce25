#!/usr/bin/env bash
# What the README's commands would install on a machine that has none of the
# packages: run.sh only what building and running the Linux program needs,
# test.sh every package whose programs and files the tests use. Stand-ins for
# dpkg-query (nothing is installed) and apt-get (writes down what it is asked
# to install, then fails, so that the script stops before building) make it a
# dry run. Which package brings each program or file is asked of dpkg.
# Usage: check_setup_plan.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir "$work/bin" "$work/scripts"
printf '#!/bin/sh\nexit 1\n' >"$work/bin/dpkg-query"
cat >"$work/bin/apt-get" <<STUB
#!/bin/sh
case " \$* " in *" install "*) printf '%s\n' "\$@" >>"$work/asked"; exit 1 ;; esac
STUB
printf '#!/bin/sh\nexec "$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin/"*
cp "$source_dir"/scripts/*.sh "$work/scripts/"

plan() { # SCRIPT: the packages it would install
    rm -f "$work/asked"
    (cd "$work" && PATH="$work/bin:$PATH" bash "scripts/$1" </dev/null >/dev/null 2>&1) || true
    [[ -s "$work/asked" ]] || fail "$1 asked apt-get for nothing"
    grep -v -e '^-' -e '^install$' "$work/asked" | sort -u
}
package_of() { # PATH: the package that installed it, or what a link leads to
    local path
    for path in "$1" "$(realpath "$1")"; do
        dpkg -S "$path" 2>/dev/null | grep -v '^diversion' | head -n 1 | cut -d: -f1 | grep . && return
    done
}
# The packages apt-get would install for a plan: the plan and all it depends on.
with_dependencies() {
    # shellcheck disable=SC2086
    apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
        --no-replaces --no-enhances $1 | grep -v '^ ' | tr -d '<>' | sort -u
}
run_plan=$(plan run.sh)
test_plan=$(plan test.sh)
run_closure=$(with_dependencies "$run_plan")
test_closure=$(with_dependencies "$test_plan")

echo "- run.sh installs none of the test and Windows tools"
for unwanted in wine64 wine fonts-wine weston xwayland lintian devscripts heaptrack imagemagick \
    orca python3-pyatspi at-spi2-core xvfb xdotool; do
    ! grep -qx "$unwanted" <<<"$run_plan" || fail "run.sh would install $unwanted"
done
! grep -q mingw <<<"$run_plan" || fail "run.sh would install MinGW-w64: $(grep mingw <<<"$run_plan")"

# Programs and files, a path or a command name each, with the plans that must bring them.
check() { # PLAN-NAME ITEM...
    local name=$1 plan item path package
    plan=$([[ $name == run.sh ]] && echo "$run_closure" || echo "$test_closure")
    shift
    for item in "$@"; do
        # Debian's own, not a stand-in that the machine may keep in /usr/local.
        path=$([[ $item == /* ]] && echo "$item" || PATH=/usr/bin:/bin command -v "$item" || true)
        [[ -e $path ]] || fail "$item is not on this machine, so no test could use it"
        package=$(package_of "$path" || true)
        [[ -n $package ]] || fail "no package owns $path"
        grep -qx "$package" <<<"$plan" || fail "$name would not install $package, which brings $item"
    done
}

echo "- run.sh installs what building and running the program needs"
check run.sh cmake ninja g++ \
    /usr/lib/x86_64-linux-gnu/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake \
    /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqxcb.so \
    /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so \
    "$(fc-match -f '%{file}' 'Liberation Sans')" "$(fc-match -f '%{file}' 'Z003')"

echo "- test.sh installs every package the tests use"
check test.sh Xvfb openbox xdotool wmctrl xprop xwininfo xclip import convert identify \
    dbus-run-session /usr/libexec/at-spi-bus-launcher /usr/lib/python3/dist-packages/pyatspi/__init__.py \
    weston weston-screenshooter Xwayland \
    /usr/lib/wine/wine64 /usr/lib/wine/wineserver64 "$(find /usr/share/wine/fonts -type f | head -n 1)" \
    x86_64-w64-mingw32-g++-posix i686-w64-mingw32-g++-posix i686-w64-mingw32-windres \
    i686-w64-mingw32-objdump /usr/src/googletest/CMakeLists.txt /usr/include/gtest/gtest.h \
    appstreamcli desktop-file-validate cpp lintian dpkg-deb file hardening-check \
    /usr/include/benchmark/benchmark.h heaptrack /usr/include/X11/Xlib.h /usr/sbin/debootstrap \
    emcc chromium /usr/lib/python3/dist-packages/fontTools/__init__.py \
    "$(find /usr/lib/python3/dist-packages -maxdepth 1 -name '_brotli*.so' | head -n 1)" \
    dpkg-shlibdeps diffoscope firefox-esr WebKitWebDriver \
    /usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser

echo "install plans: all checks passed"
